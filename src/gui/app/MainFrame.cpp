#include "gui/app/MainFrame.h"

#include "core/app/Help.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/options/Settings.h"
#include "core/views/Relationship.h"
#include "core/views/TreeView.h"
#include "core/views/ViewOptions.h"
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

CMainFrame::CMainFrame() : m_pDocument(std::make_unique<CDocument>())
{
    setObjectName(QStringLiteral("mainFrame"));
    UpdateTitle();
    setWindowIcon(QIcon(QStringLiteral(":/images/stemmark.png")));
    m_pStartView = new CStartView(this);
    setCentralWidget(m_pStartView);
    resize(360, 600); // a handheld's portrait shape, until the user chooses another
    RestoreWindowPlace(this, L"MainFrame");
    m_fnOpenSearch = [this] {
        CSearchDlg search(Doc());
        search.RunModal();
    };
    m_fnOpenPersonList = [this] {
        CPersonListDlg list(Doc());
        list.RunModal();
    };
    m_fnOpenPatriarchy = [this] { OpenTreeView(Doc(), 0, Patriarchs); };
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

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetDocument(std::unique_ptr<CDocument> pDocument, const std::wstring& strPath)
{
    m_pDocument = std::move(pDocument);
    m_strPath = strPath;
    UpdateTitle();
    ShowHomePerson();
}

// The start screen names the file's home person; a view may have set another.
void CMainFrame::ShowHomePerson()
{
    const int nHome = m_pDocument ? HomePersonOf(*m_pDocument) : -1;
    m_pStartView->SetHomePerson(
        nHome < 0 ? QString()
                  : ToQString(m_pDocument->Persons()[nHome].GetFullNameFirstFirst(*m_pDocument,
                                                                                    ViewOptionsFrom(Settings).m_names)));
}

void CMainFrame::UpdateTitle()
{
    const QString product = ToQString(LoadLangString(IDS_PRODUCT_NAME));
    const std::size_t nSlash = m_strPath.rfind(L'/');
    const std::wstring strName = nSlash == std::wstring::npos ? m_strPath : m_strPath.substr(nSlash + 1);
    setWindowTitle(strName.empty() ? product : ToQString(strName) + QStringLiteral(" - ") + product);
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

// A command of the frame's bar runs with the frame in front: the boxes and
// pages it opens (the contacts reports among them) stand over it.
void CMainFrame::OnCommand(int nCommand)
{
    theTopWindow = this;
    if (theApp)
        theApp->SetActiveFrame(this);
    switch (nCommand) {
    case ID_OPTIONS:
        OnOptions();
        break;
    case ID_APP_EXIT:
        OnExit();
        break;
    case ID_OK:
        OnClose();
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
    if (pEvent->type() == QEvent::ActivationChange && isActiveWindow() && theApp)
        theApp->SetActiveFrame(this);
}

void CMainFrame::OpenScreen(const std::function<void()>& fnOpen)
{
    theTopWindow = this;
    if (theApp)
        theApp->SetActiveFrame(this);
    if (fnOpen)
        fnOpen();
    ShowHomePerson();
}

// Whatever the sheet's result, the menus and the title follow the language now.
void CMainFrame::OnOptions()
{
    OpenScreen(m_fnOpenOptions);
    FollowLanguageInQt();
    if (theApp) {
        theApp->FollowLanguage();
        return;
    }
    FollowLanguage();
}

void CMainFrame::FollowLanguage()
{
    m_pStartView->update();
    if (BuildMenuBar())
        UpdateTitle();
}

void CMainFrame::OnExit()
{
    KeepWindowPlace(this, L"MainFrame");
    if (theApp)
        theApp->Quit(0);
}

void CMainFrame::OnClose()
{
    if (theApp && theApp->CloseFrame(this))
        return;
    OnExit();
}

// The window's close button closes the window; the last one ends the program.
void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    OnClose();
    pEvent->accept();
}
