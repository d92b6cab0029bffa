#include "gui/app/MainFrame.h"

#include "core/app/Help.h"
#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/views/TreeView.h"
#include "gui/app/GenealogyApp.h"
#include "gui/app/StartView.h"
#include "gui/options/OptionsSheet.h"
#include "gui/platform/MenuBar.h"
#include "gui/platform/QtTranslation.h"
#include "gui/platform/WindowPlace.h"
#include "gui/views/Navigation.h"
#include "gui/views/PersonListDlg.h"
#include "gui/views/SearchDlg.h"
#include "gui/views/ViewDlg.h"
#include "qtcore/platform/QtText.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>

CMainFrame::CMainFrame()
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(ToQString(LoadLangString(IDS_PRODUCT_NAME)));
    setWindowIcon(QIcon(QStringLiteral(":/images/stemmark.png")));
    m_pStartView = new CStartView(this);
    setCentralWidget(m_pStartView);
    resize(360, 600); // a handheld's portrait shape, until the user chooses another
    RestoreWindowPlace(this, L"MainFrame");
    m_fnOpenSearch = [] {
        CSearchDlg search;
        search.RunModal();
    };
    m_fnOpenPersonList = [] {
        CPersonListDlg list;
        list.RunModal();
    };
    m_fnOpenPatriarchy = [] { OpenTreeView(0, Patriarchs); };
    m_fnOpenOptions = [this] {
        COptionsSheet sheet(this);
        sheet.exec();
    };

    m_pOpenKey = new QShortcut(QKeySequence::Open, this);
    connect(m_pOpenKey, &QShortcut::activated, this, [this] { OnCommand(ID_FILE_OPEN); });
    m_pHelpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(m_pHelpKey, &QShortcut::activated, this, [] { ShowHelpTopic(L"overview"); });
    BuildMenuBar();
}

bool CMainFrame::BuildMenuBar()
{
    auto* pBar = new QMenuBar(this);
    pBar->setNativeMenuBar(false);
    setMenuBar(pBar); // deletes the bar before
    const bool bComplete =
        FillMenuBar(pBar, {IDM_FILE, IDM_MAIN_VIEW, IDM_HELP}, [this](int nCommand) { OnCommand(nCommand); });
    if (!bComplete)
        pBar->clear();
    // The bar's items carry the keys when they are there; two owners of one
    // key would cancel each other out.
    m_pOpenKey->setEnabled(!BarCarries(pBar, ID_FILE_OPEN));
    m_pHelpKey->setEnabled(!BarCarries(pBar, ID_HELP_TOPIC));
    return bComplete;
}

void CMainFrame::OnCommand(int nCommand)
{
    switch (nCommand) {
    case ID_OPTIONS:
        OnOptions();
        break;
    case ID_APP_EXIT:
    case ID_OK:
        OnExit();
        break;
    case ID_SEARCH:
        OpenScreen(m_fnOpenSearch);
        break;
    case ID_PERSON_LIST:
        OpenScreen(m_fnOpenPersonList);
        break;
    case ID_PATRIARCHY:
        OpenScreen(m_fnOpenPatriarchy);
        break;
    case ID_HELP_TOPIC:
        ShowHelpTopic(L"overview");
        break;
    case ID_HELP_CONTENTS:
        ShowHelpTopic(L"Main_Contents");
        break;
    default:
        if (theApp)
            theApp->OnAppCommand(nCommand);
        break;
    }
}

// The views open over the main window go and come back with it.
void CMainFrame::changeEvent(QEvent* pEvent)
{
    QMainWindow::changeEvent(pEvent);
    if (pEvent->type() == QEvent::WindowStateChange)
        CViewDlg::ShowProgramMinimised(isMinimized());
}

void CMainFrame::OpenScreen(const std::function<void()>& fnOpen)
{
    theTopWindow = this;
    if (fnOpen)
        fnOpen();
}

// Whatever the sheet's result, the menus and the title follow the language now.
void CMainFrame::OnOptions()
{
    OpenScreen(m_fnOpenOptions);
    FollowLanguageInQt();
    m_pStartView->update();
    if (BuildMenuBar())
        setWindowTitle(ToQString(LoadLangString(IDS_PRODUCT_NAME)));
}

void CMainFrame::OnExit()
{
    KeepWindowPlace(this, L"MainFrame");
    ClearTables();
    if (theApp)
        theApp->Quit(0);
}

// The window's close button is Exit.
void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    OnExit();
    pEvent->accept();
}
