#include "gui/views/ViewDlg.h"

#include "core/app/Help.h"
#include "core/options/StringIds.h"
#include "gui/app/GenealogyApp.h"
#include "gui/platform/MenuBar.h"
#include "gui/platform/WindowPlace.h"

#include <QEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

CViewDlg::CViewDlg(const CDocument& doc, QWidget* pParent) : QDialog(pParent), m_doc(doc)
{
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    m_pLayout = new QVBoxLayout(this);
    m_pLayout->setContentsMargins(4, 4, 4, 4);
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false);
    m_pLayout->setMenuBar(m_pMenuBar);
    m_pHelpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(m_pHelpKey, &QShortcut::activated, this, [this] { RunCommand(ID_HELP_TOPIC); });
}

int CViewDlg::RunModal()
{
    int nResult = QDialog::Rejected;
    // Placed before it is filled, so that a box raised while filling it
    // stands where the view will.
    if (!RestoreWindowPlace(this, GetPlaceKind()) && theTopWindow)
        setGeometry(theTopWindow->geometry());
    if (OnInitDialog()) {
        nResult = exec();
        KeepWindowPlace(this, GetPlaceKind());
    }
    // The window below takes the front again: a handle left on this view
    // would outlive it, and the next box or view would be given a dead owner.
    if (theTopWindow == this)
        theTopWindow = m_pPrevTopWindow;
    return nResult;
}

bool CViewDlg::OnInitDialog()
{
    m_pPrevTopWindow = theTopWindow;
    theTopWindow = this;
    // The colour of a text field's own background: a box drawn on it reads as
    // a live entry, one on the dialog's colour as a closed record.
    m_brBack = QBrush(palette().color(QPalette::Base));
    return true;
}

bool CViewDlg::AddMenus(const std::vector<int>& anMenuIds)
{
    const bool bComplete = FillMenuBar(m_pMenuBar, anMenuIds, [this](int nCommand) { RunCommand(nCommand); });
    // Two owners of one key would cancel each other out.
    m_pHelpKey->setEnabled(!BarCarries(m_pMenuBar, ID_HELP_TOPIC));
    return bComplete;
}

void CViewDlg::RunCommand(int nCommand)
{
    if (!OnCommand(nCommand) && theApp)
        theApp->OnAppCommand(nCommand);
}

bool CViewDlg::OnCommand(int nCommand)
{
    if (nCommand != ID_HELP_TOPIC)
        return false;
    const std::wstring strTopic = GetHelpTopic();
    if (!strTopic.empty())
        ShowHelpTopic(strTopic);
    return true;
}

void CViewDlg::ColourReadOnlyBox(QWidget* pBox) const
{
    QPalette palette = pBox->palette();
    palette.setBrush(QPalette::Base, m_brBack);
    pBox->setPalette(palette);
}

void CViewDlg::ColourPlainReadOnlyBox(QWidget* pBox) const
{
    QPalette palette = pBox->palette();
    palette.setBrush(QPalette::Base, this->palette().brush(QPalette::Window));
    pBox->setPalette(palette);
}

void CViewDlg::changeEvent(QEvent* pEvent)
{
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::WindowStateChange)
        ShowProgramMinimised(isMinimized());
}

namespace {

// While the window system reports back the states the program asked for,
// those reports are not the user's and move no other window.
bool theStackChanging = false;
constexpr int kSettleMs = 250;

} // namespace

// The windows of the program from the main one up to the view in front.
std::vector<QWidget*> CViewDlg::WindowStack()
{
    std::vector<QWidget*> windows;
    for (auto* pWindow = theTopWindow; pWindow;) {
        windows.insert(windows.begin(), pWindow);
        const auto* pView = qobject_cast<CViewDlg*>(pWindow);
        pWindow = pView ? pView->m_pPrevTopWindow : nullptr;
    }
    return windows;
}

// A minimised view takes the whole program out of the way, and the program
// comes back with the same views open, the front one in front.
void CViewDlg::ShowProgramMinimised(bool bMinimised)
{
    if (theStackChanging)
        return;
    theStackChanging = true;
    const std::vector<QWidget*> windows = WindowStack();
    bool bChanged = false;
    for (QWidget* pWindow : windows) {
        if (pWindow->isMinimized() != bMinimised) {
            // A maximised window comes back maximised.
            pWindow->setWindowState(pWindow->windowState() ^ Qt::WindowMinimized);
            bChanged = true;
        }
    }
    if (bChanged && !bMinimised) {
        windows.back()->raise();
        windows.back()->activateWindow();
    }
    if (bChanged)
        QTimer::singleShot(kSettleMs, [] { theStackChanging = false; });
    else
        theStackChanging = false;
}
