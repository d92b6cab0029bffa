#include "gui/platform/HelpWindow.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

CHelpWindow::CHelpWindow() : QWidget(nullptr, Qt::Window)
{
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setOpenLinks(true);
    m_pBrowser->setOpenExternalLinks(true); // web and mail addresses go to the desktop
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pBrowser);
    resize(640, 600);

    // F1 in the help is already answered; Esc puts it away like every view.
    new QShortcut(QKeySequence::HelpContents, this);
    auto* pClose = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(pClose, &QShortcut::activated, this, &QWidget::close);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(m_pBrowser->documentTitle()); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (isVisible())
            FollowModalWindow();
    });
}

void CHelpWindow::ShowUrl(const QUrl& url)
{
    // The same file only scrolls; another (the language changed) starts afresh.
    if (url.adjusted(QUrl::RemoveFragment) != m_pBrowser->source().adjusted(QUrl::RemoveFragment))
        m_pBrowser->clearHistory();
    m_pBrowser->setSource(url);
    FollowModalWindow();
    show();
    raise();
    activateWindow();
    if (!url.fragment().isEmpty())
        m_pBrowser->scrollToAnchor(url.fragment());
}

// Help is asked for from views that hold the rest of the program still; the
// help window stands over the view in front so that it is not held with it.
void CHelpWindow::FollowModalWindow()
{
    QWidget* pModal = QApplication::activeModalWidget();
    if (pModal == this)
        return;
    create();
    QWindow* pOwner = pModal ? pModal->window()->windowHandle() : nullptr;
    if (windowHandle() && windowHandle()->transientParent() != pOwner)
        windowHandle()->setTransientParent(pOwner);
}
