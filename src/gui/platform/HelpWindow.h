#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

/// The program's own help window: the help file, read-only, at one anchor.
/// Links inside the help are followed here; links out of it (web, mail) go
/// to the desktop. One window serves every request.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    CHelpWindow();

    /// Shows `url` (a help file with the topic's anchor) and brings the window
    /// to the front.
    void ShowUrl(const QUrl& url);

    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    void FollowModalWindow();

    QTextBrowser* m_pBrowser = nullptr;
};
