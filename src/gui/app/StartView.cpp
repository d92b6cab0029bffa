#include "gui/app/StartView.h"

#include "core/app/StartScreen.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "qtcore/platform/QtText.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>

namespace {

// Tahoma where it is installed, else the desktop's sans-serif, at a pixel height.
QFont StartFont(int nPixels, int nWeight, bool bItalic)
{
    QFont font(QFontDatabase::hasFamily(QStringLiteral("Tahoma")) ? QStringLiteral("Tahoma")
                                                                  : QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(nPixels);
    font.setWeight(static_cast<QFont::Weight>(nWeight));
    font.setItalic(bItalic);
    return font;
}

} // namespace

CStartView::CStartView(QWidget* pParent) : QWidget(pParent)
{
    setObjectName(QStringLiteral("startView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CStartView::SetLoadedFile(const std::wstring& strPath)
{
    m_strLoadedFile = strPath;
    update();
}

QString CStartView::FileLine() const
{
    return ToQString(GetStartScreenFileLine(m_strLoadedFile));
}

void CStartView::SetHomePerson(const QString& strName)
{
    if (strName == m_strHomePerson)
        return;
    m_strHomePerson = strName;
    update();
}

QString CStartView::HomeLine() const
{
    if (m_strHomePerson.isEmpty() || FileLine().isEmpty())
        return {};
    return ToQString(LoadLangString(IDS_HOME_PERSON)) + QLatin1Char(' ') + m_strHomePerson;
}

void CStartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client = rect();
    painter.fillRect(client, Qt::black);

    // A picture larger than the window is clipped evenly on both sides.
    const QImage picture(QStringLiteral(":/images/start.png"));
    const int dx = (client.width() - picture.width()) / 2;
    const int dy = (client.height() - picture.height()) / 2;
    if (!picture.isNull())
        painter.drawImage(client.left() + dx, client.top() + dy, picture);

    painter.setPen(Qt::white);
    painter.setFont(StartFont(19, 600, true));
    painter.drawText(QRect(2, 11, client.width() - 4, 34), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     ToQString(LoadLangString(IDS_PRODUCT_NAME)));

    const QString line = FileLine();
    if (line.isEmpty())
        return;
    painter.setFont(StartFont(12, 400, false));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::black);
    const QFontMetrics metrics(painter.font());
    painter.drawText(5, client.bottom() - dy + 26 + metrics.ascent(), line);
    if (const QString home = HomeLine(); !home.isEmpty())
        painter.drawText(5, client.bottom() - dy + 26 + metrics.lineSpacing() + metrics.ascent(), home);
}
