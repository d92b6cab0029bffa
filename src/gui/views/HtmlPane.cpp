#include "gui/views/HtmlPane.h"

#include "gui/platform/Messages.h"
#include "core/model/Document.h"
#include "core/text/WideText.h"
#include "gui/platform/UrlOpener.h"
#include "gui/views/Navigation.h"
#include "qtcore/platform/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QVBoxLayout>

namespace {

/// A document that asks its viewer for every resource and never falls back on
/// reading a file itself.
class CPaneDocument : public QTextDocument {
public:
    CPaneDocument(CHtmlViewer* pViewer) : QTextDocument(pViewer), m_pViewer(pViewer) {}

protected:
    QVariant loadResource(int nType, const QUrl& name) override { return m_pViewer->loadResource(nType, name); }

private:
    CHtmlViewer* m_pViewer;
};

/// Lays out and draws the images of a page from the pane alone. Qt's own
/// handler would read a file named by the page when no image is held.
class CPaneImageHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    CPaneImageHandler(CHtmlPane* pPane) : QObject(pPane), m_pPane(pPane) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override
    {
        const QTextImageFormat imageFormat = format.toImageFormat();
        const QImage image = m_pPane->FindImage(QUrl(imageFormat.name()));
        const qreal width = imageFormat.hasProperty(QTextFormat::ImageWidth) ? imageFormat.width() : image.width();
        const qreal height = imageFormat.hasProperty(QTextFormat::ImageHeight) ? imageFormat.height() : image.height();
        return {width, height};
    }

    void drawObject(QPainter* pPainter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        const QImage image = m_pPane->FindImage(QUrl(format.toImageFormat().name()));
        if (!image.isNull())
            pPainter->drawImage(rect, image);
    }

private:
    CHtmlPane* m_pPane;
};

} // namespace

CHtmlViewer::CHtmlViewer(CHtmlPane* pPane) : QTextBrowser(pPane), m_pPane(pPane)
{
    setObjectName(QStringLiteral("html"));
    setDocument(new CPaneDocument(this));
    document()->documentLayout()->registerHandler(QTextFormat::ImageObject, new CPaneImageHandler(pPane));
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant CHtmlViewer::loadResource(int nType, const QUrl& name)
{
    if (nType != QTextDocument::ImageResource)
        return {};
    const QImage image = m_pPane->FindImage(name);
    return image.isNull() ? QVariant() : QVariant(image);
}

CHtmlPane::CHtmlPane(const CDocument& doc, QWidget* pParent) : CViewDlg(doc, pParent) {}

bool CHtmlPane::OnInitDialog()
{
    CViewDlg::OnInitDialog();
    CreateHtmlControl();
    return true;
}

void CHtmlPane::CreateHtmlControl()
{
    m_pViewer = new CHtmlViewer(this);
    Layout()->addWidget(m_pViewer, 1);
    connect(m_pViewer, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& target) { OnLinkClicked(FromQString(target.toString())); });
    m_pViewer->setFocus();
    m_pViewer->clear();
}

void CHtmlPane::SetHtml(const std::wstring& strHtml)
{
    m_pViewer->clear();
    m_pViewer->setHtml(ToQString(strHtml));
}

void CHtmlPane::OnLinkClicked(const std::wstring& strTarget)
{
    // A source's mark leads to its entry further down the page.
    if (strTarget.starts_with(L"#")) {
        m_pViewer->scrollToAnchor(ToQString(strTarget.substr(1)));
        return;
    }
    // A person of the page opens their page.
    if (strTarget.starts_with(L"person:")) {
        std::size_t nDigits = 0;
        const long long nPerson = LeadingNumber(strTarget.substr(7), &nDigits);
        if (nDigits > 0 && nPerson <= Doc().GetLastPersonIndex())
            OpenInfoView(Doc(), static_cast<int>(nPerson));
        return;
    }
    // A web address opens in the desktop's browser; the pane never reads it.
    if (strTarget.starts_with(L"http://") || strTarget.starts_with(L"https://")) {
        UrlOpener()(QUrl(ToQString(strTarget)));
        return;
    }
    ShowMessage(this, strTarget, L"Link is clicked", CMessageIcon::Information);
}

void CHtmlPane::SetImage(const std::wstring& strName, const QImage& image)
{
    m_images[strName] = image;
}

QImage CHtmlPane::FindImage(const QUrl& name) const
{
    const auto it = m_images.find(FromQString(name.toString()));
    return it == m_images.end() ? QImage() : it->second;
}

#include "HtmlPane.moc"
