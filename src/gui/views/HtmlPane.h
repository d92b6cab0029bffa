#pragma once

#include "core/views/PageMedia.h"
#include "gui/views/ViewDlg.h"

#include <QImage>
#include <QTextBrowser>

#include <map>
#include <set>
#include <vector>

class CHtmlPane;

/// The pane's viewer: links come back to the pane, and a page gets the images
/// the pane holds and nothing else: no file, no address is ever read because
/// a page names it.
class CHtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit CHtmlViewer(CHtmlPane* pPane);

    QVariant loadResource(int nType, const QUrl& name) override;

private:
    CHtmlPane* m_pPane;
};

/// A view whose whole area is an HTML page.
class CHtmlPane : public CViewDlg {
    Q_OBJECT
public:
    explicit CHtmlPane(const CDocument& doc, QWidget* pParent = nullptr);

    /// Replaces the page with `strHtml`, a whole HTML document.
    void SetHtml(const std::wstring& strHtml);

    /// Stores a ready image under `strName`.
    void SetImage(const std::wstring& strName, const QImage& image);

    /// The image a page asks for by name; a null image when there is none.
    /// The picture of one of the page's media is made in the background when
    /// first asked for, and drawn when it is ready.
    QImage FindImage(const QUrl& name);

    /// The media of the page, keyed by their place; set before the page.
    std::vector<CMediaItem> m_media;

    CHtmlViewer* Viewer() const { return m_pViewer; }

protected:
    bool OnInitDialog() override;
    /// A tap on a link of the page: a "#" anchor scrolls to it, a web address
    /// opens in the browser, any other target is shown in a box.
    virtual void OnLinkClicked(const std::wstring& strTarget);
    virtual void CreateHtmlControl();

    std::map<std::wstring, QImage> m_images;

private:
    void StartPicture(const std::wstring& strName);
    void TakePicture(const std::wstring& strName, int nSide, const QImage& image, int nProblem);

    CHtmlViewer* m_pViewer = nullptr;
    std::set<std::wstring> m_started; ///< pictures asked for, ready or not
};
