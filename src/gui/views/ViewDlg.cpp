#include "views/ViewDlg.h"

#include "app/GenealogyApp.h"
#include "app/Help.h"
#include "options/StringIds.h"
#include "platform/MenuBar.h"
#include "platform/WindowPlace.h"

#include <QEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

CViewDlg::CViewDlg(QWidget* pParent) : QDialog(pParent)
{
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
    if (OnInitDialog()) {
        auto* pFront = static_cast<QWidget*>(m_hPrevTopWindow);
        if (!RestoreWindowPlace(this, GetPlaceKind()) && pFront)
            setGeometry(pFront->geometry());
        nResult = exec();
        KeepWindowPlace(this, GetPlaceKind());
    }
    // The window below takes the front again: a handle left on this view
    // would outlive it, and the next box or view would be given a dead owner.
    if (theTopWindow == this)
        theTopWindow = m_hPrevTopWindow;
    return nResult;
}

bool CViewDlg::OnInitDialog()
{
    m_hPrevTopWindow = theTopWindow;
    theTopWindow = this;
    // The colour of a text field's own background: a box drawn on it reads as
    // a live entry, one on the dialog's colour as a closed record.
    m_crBack = palette().color(QPalette::Base);
    m_brBack = QBrush(m_crBack);
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
    if (pEvent->type() == QEvent::WindowStateChange && isMinimized() && !m_bClosingBehind)
        CloseBehind();
}

// A view the user sends away closes, and the window it came from takes the front.
void CViewDlg::CloseBehind()
{
    m_bClosingBehind = true;
    QTimer::singleShot(0, this, &QDialog::reject);
    if (auto* pPrevious = static_cast<QWidget*>(m_hPrevTopWindow)) {
        pPrevious->show();
        pPrevious->raise();
        pPrevious->activateWindow();
    }
    theTopWindow = m_hPrevTopWindow;
}
