#include "gui/views/HtmlPane.h"

#include "gui/platform/Messages.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/text/WideText.h"
#include "gui/platform/UrlOpener.h"
#include "gui/views/MediaPictures.h"
#include "gui/views/Navigation.h"
#include "qtcore/platform/QtText.h"

#include <QApplication>
#include <QPointer>
#include <QThreadPool>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QVBoxLayout>

#include <cmath>

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

    // A picture keeps its shape, centred in the square the page keeps for it.
    void drawObject(QPainter* pPainter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        const QImage image = m_pPane->FindImage(QUrl(format.toImageFormat().name()));
        if (image.isNull())
            return;
        QSizeF size = image.deviceIndependentSize();
        size.scale(rect.size(), Qt::KeepAspectRatio);
        const QRectF target(rect.center() - QPointF(size.width(), size.height()) / 2, size);
        pPainter->setRenderHint(QPainter::SmoothPixmapTransform);
        pPainter->drawImage(target, image);
    }

private:
    CHtmlPane* m_pPane;
};

// The pictures have a pool of their own: Qt's raster engine fills large
// areas on the global pool, and a page's first paint would wait there behind
// every photo of the page being made.
QThreadPool& PicturePool()
{
    static QPointer<QThreadPool> thePool;
    if (!thePool)
        thePool = new QThreadPool(qApp);
    return *thePool;
}

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
    // One of the page's media opens in the desktop's own program for it.
    if (const long long nKey = MediaKeyOf(strTarget); nKey >= 0) {
        if (static_cast<unsigned long long>(nKey) < m_media.size())
            OpenMediaItem(this, m_media[static_cast<std::size_t>(nKey)], Doc().GetArchive());
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

QImage CHtmlPane::FindImage(const QUrl& name)
{
    const std::wstring strName = FromQString(name.toString());
    const auto it = m_images.find(strName);
    if (it != m_images.end())
        return it->second;
    if (!m_started.contains(strName))
        StartPicture(strName);
    return {};
}

// Only a picture of the page's own media, found in the file's folder or its
// package, is ever read: any other name the page may hold reads nothing.
void CHtmlPane::StartPicture(const std::wstring& strName)
{
    const long long nKey = MediaKeyOf(strName);
    const int nSide = PictureSideOf(strName);
    if (nKey < 0 || nSide <= 0 || static_cast<unsigned long long>(nKey) >= m_media.size())
        return;
    const CMediaItem& item = m_media[static_cast<std::size_t>(nKey)];
    if (!IsShownPicture(item))
        return;
    m_started.insert(strName);
    const int nPixels = static_cast<int>(std::ceil(nSide * devicePixelRatioF()));
    // The pane may be closed before the picture is ready: the answer goes
    // through the application and finds the pane only if it is still there.
    PicturePool().start([pPane = QPointer<CHtmlPane>(this), strName, nSide, nPixels, place = item.m_place,
                         pArchive = Doc().ShareArchive()] {
        const CPictureRead read = ReadPicture(place, pArchive, nPixels);
        if (!QCoreApplication::instance())
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pPane, strName, nSide, read] {
                if (pPane)
                    pPane->TakePicture(strName, nSide, read.m_image, read.m_nProblem);
            },
            Qt::QueuedConnection);
    });
}

void CHtmlPane::TakePicture(const std::wstring& strName, int nSide, const QImage& image, int nProblem)
{
    m_images[strName] =
        nProblem != 0 ? NoticePicture(nSide, devicePixelRatioF(), ToQString(LoadLangString(nProblem))) : image;
    m_pViewer->viewport()->update();
}

#include "HtmlPane.moc"
