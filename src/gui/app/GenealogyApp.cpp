#include "gui/app/GenealogyApp.h"

#include "core/app/OpeningMessage.h"
#include "core/contacts/ContactsComparison.h"
#include "core/model/GedcomReader.h"
#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"
#include "gui/app/AboutDlg.h"
#include "gui/app/MainFrame.h"
#include "gui/app/StartView.h"
#include "gui/platform/QtTranslation.h"
#include "gui/views/PersonInfoDlg.h"
#include "qtcore/platform/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>

CGenealogyApp* theApp = nullptr;

namespace {

const QString theFileFilter = QStringLiteral("Gedcom Files (*.ged);;All Files (*)");

// Files of one family tend to sit together: the dialog starts beside the last
// one. Empty leaves the dialog its own choice.
QString LastFileFolder()
{
    if (theLastFileName.empty())
        return {};
    return QFileInfo(ToQString(theLastFileName)).absolutePath();
}

} // namespace

CGenealogyApp::CGenealogyApp() : m_collator(QLocale::system().name().toUtf8().constData())
{
    theApp = this;
    m_fnChooseFile = [](QWidget* pParent, const QString& title, const QString& folder,
                        const QString& filter) {
        return QFileDialog::getOpenFileName(pParent, title, folder, filter);
    };
    // A file as the starting folder is selected, so Enter accepts it.
    m_fnChooseAddressBook = [](QWidget* pParent, const QString& title, const QString& filter, const QString& start) {
        return QFileDialog::getOpenFileName(pParent, title, start, filter);
    };
    m_fnRunDialog = [](QDialog& dialog) { dialog.exec(); };
    m_fnShowReport = [](const std::wstring& strBody) {
        CPersonInfoDlg page;
        page.m_nPerson = -1;
        page.m_strHtml = strBody;
        page.RunModal();
    };
    m_fnQuit = [](int nCode) { QCoreApplication::exit(nCode); };
    SetMessageSink(&m_messageSink);
    SetHelpLauncher(&m_helpLauncher);
    SetWaitCursorSink(&m_waitCursor);
    SetProgressSink(&m_progress);
    SetSettingsStore(&m_settingsStore);
    SetCollator(&m_collator);
}

CGenealogyApp::~CGenealogyApp()
{
    SetCollator(nullptr);
    SetSettingsStore(nullptr);
    SetProgressSink(nullptr);
    SetWaitCursorSink(nullptr);
    SetHelpLauncher(nullptr);
    SetMessageSink(nullptr);
    theTopWindow = nullptr;
    theApp = nullptr;
}

bool CGenealogyApp::InitInstance(const QStringList& astrFiles)
{
    LoadOwnResources();
    LoadSettings();
    FollowLanguageInQt();
    m_pMainWnd = std::make_unique<CMainFrame>();
    m_pMainWnd->show();

    if (!astrFiles.isEmpty())
        OpenFile(astrFiles.front());
    else if (Settings.FileOpen)
        OnFileOpen();
    else if (Settings.LastFile) {
        if (theLastFileName.empty() || !ReadFile(theLastFileName)) {
            theLastFileName.clear();
            OnFileOpen();
        }
    }
    m_pMainWnd->update();
    return true;
}

int CGenealogyApp::ExitInstance()
{
    ClearTables();
    m_pMainWnd.reset();
    return 0;
}

bool CGenealogyApp::OnAppCommand(int nCommand)
{
    switch (nCommand) {
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    case ID_COMPARE_WITH_CONTACTS:
        OnCompareWithContacts();
        return true;
    default:
        return false;
    }
}

// Asked every time, so that another book can be taken; the stored one is
// selected at the start and one key keeps it.
std::wstring CGenealogyApp::LogonToContacts()
{
    const QString path = m_fnChooseAddressBook(m_pMainWnd.get(), ToQString(LoadLangString(IDS_SELECT_FILE)),
                                               QStringLiteral("vCard (*.vcf *.VCF)"),
                                               ToQString(AddressBookChoiceStart(Settings.ContactsPath)));
    if (path.isEmpty())
        return {};
    Settings.ContactsPath = AddressBookOf(FromQString(path));
    WriteRegString(L"ContactsPath", Settings.ContactsPath);
    return Settings.ContactsPath;
}

// The reports come one after the other: the box or the differences, then the
// matches once the first has closed.
void CGenealogyApp::OnCompareWithContacts()
{
    const std::wstring strAddressBook = LogonToContacts();
    const CContactsComparison result =
        strAddressBook.empty() ? MakeContactsFailure(CContactsFailure::Logon) : CompareWithContacts(strAddressBook);
    if (!result.m_strMessage.empty())
        ShowMessage(nullptr, result.m_strMessage, result.m_strCaption, result.m_icon);
    else if (!result.m_strDifferencesBody.empty())
        m_fnShowReport(result.m_strDifferencesBody);
    if (!result.m_strMatchesBody.empty())
        m_fnShowReport(result.m_strMatchesBody);
}

void CGenealogyApp::OnFileOpen()
{
    const QString path = m_fnChooseFile(m_pMainWnd.get(), ToQString(LoadLangString(IDS_SELECT_FILE)),
                                        LastFileFolder(), theFileFilter);
    if (!path.isEmpty())
        OpenFile(path);
}

bool CGenealogyApp::OpenFile(const QString& strPath)
{
    theLastFileName = FromQString(strPath);
    if (Settings.LastFile) {
        CWaitCursor wait;
        WriteRegString(L"LastFileName", theLastFileName);
    }
    return ReadFile(theLastFileName);
}

// The remembered name keeps its own rules. The reader's box, which stopped the
// reading, comes first; the start screen names only a file that was opened,
// and says so at once, before the opening message.
bool CGenealogyApp::ReadFile(const std::wstring& strPath)
{
    const CReadResult read = ReadGedcomFile(strPath);
    ShowMessages(nullptr, read.m_messages);
    const bool bRead = read.m_bRead;
    if (m_pMainWnd)
        m_pMainWnd->StartView()->SetLoadedFile(GetReadFailureText().empty() ? strPath : std::wstring());
    ShowMessages(m_pMainWnd.get(), GetOpeningMessage(strPath, bRead));
    return bRead;
}

void CGenealogyApp::OnAppAbout()
{
    CAboutDlg about(m_pMainWnd.get());
    m_fnRunDialog(about);
}

void CGenealogyApp::Quit(int nCode)
{
    m_fnQuit(nCode);
}
