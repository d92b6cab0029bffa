#include "gui/app/GenealogyApp.h"

#include "core/app/OpeningMessage.h"
#include "core/contacts/ContactsComparison.h"
#include "core/model/GedcomReader.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"
#include "core/views/ViewOptions.h"
#include "gui/app/AboutDlg.h"
#include "gui/app/MainFrame.h"
#include "gui/app/StartView.h"
#include "gui/platform/QtTranslation.h"
#include "gui/views/PersonInfoDlg.h"
#include "qtcore/platform/GedzipReader.h"
#include "qtcore/platform/QtText.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPoint>

CGenealogyApp* theApp = nullptr;

namespace {

// In the language in use, so it is made when asked for.
QString FileFilter()
{
    return ToQString(LoadLangString(IDS_GEDCOM_FILES)) + QStringLiteral(" (*.ged *.gdz);;") +
           ToQString(LoadLangString(IDS_ALL_FILES)) + QStringLiteral(" (*)");
}

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
    m_fnShowReport = [this](const std::wstring& strTitle, const std::wstring& strBody) {
        CPersonInfoDlg page(ActiveDocument());
        page.setWindowTitle(ToQString(strTitle));
        page.m_nPerson = -1;
        page.m_strTextTopic = L"contacts";
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
    CMainFrame& frame = NewFrame();

    if (!astrFiles.isEmpty())
        OpenFile(astrFiles.front(), frame);
    else if (Settings.FileOpen)
        OnFileOpen();
    else if (Settings.LastFile) {
        if (theLastFileName.empty() || !ReadFile(theLastFileName, frame)) {
            theLastFileName.clear();
            OnFileOpen();
        }
    }
    frame.update();
    return true;
}

int CGenealogyApp::ExitInstance()
{
    m_pActiveFrame = nullptr;
    m_frames.clear();
    return 0;
}

// A new window stands a little below and right of the one in front, so that
// both can be seen.
CMainFrame& CGenealogyApp::NewFrame()
{
    const CMainFrame* pBefore = ActiveFrame();
    CMainFrame& frame = *m_frames.emplace_back(std::make_unique<CMainFrame>());
    if (pBefore)
        frame.move(pBefore->pos() + QPoint(32, 32));
    m_pActiveFrame = &frame;
    frame.show();
    return frame;
}

const CDocument& CGenealogyApp::ActiveDocument() const
{
    return ActiveFrame() ? ActiveFrame()->Doc() : EmptyDocument();
}

bool CGenealogyApp::CloseFrame(CMainFrame* pFrame)
{
    if (m_frames.size() < 2)
        return false;
    const auto it = std::find_if(m_frames.begin(), m_frames.end(),
                                 [pFrame](const std::unique_ptr<CMainFrame>& p) { return p.get() == pFrame; });
    if (it == m_frames.end())
        return false;
    // The window may be inside its own close event: it goes once that is over.
    it->release()->deleteLater();
    m_frames.erase(it);
    if (m_pActiveFrame == pFrame)
        m_pActiveFrame = m_frames.front().get();
    if (theTopWindow == pFrame)
        theTopWindow = m_pActiveFrame;
    return true;
}

void CGenealogyApp::FollowLanguage()
{
    for (const std::unique_ptr<CMainFrame>& pFrame : m_frames)
        pFrame->FollowLanguage();
}

bool CGenealogyApp::OnAppCommand(int nCommand)
{
    switch (nCommand) {
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_FILE_OPEN_NEW_WINDOW:
        OnFileOpenInNewWindow();
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
    const QString path = m_fnChooseAddressBook(ActiveFrame(), ToQString(LoadLangString(IDS_SELECT_FILE)),
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
    // Cancelling the choice of the address book is the user's choice, not a failure.
    const std::wstring strAddressBook = LogonToContacts();
    if (strAddressBook.empty())
        return;
    const CContactsComparison result =
        CompareWithContacts(ActiveDocument(), strAddressBook, ViewOptionsFrom(Settings).m_dates);
    if (!result.m_strMessage.empty())
        ShowMessage(nullptr, result.m_strMessage, result.m_strCaption, result.m_icon);
    else if (!result.m_strDifferencesBody.empty())
        m_fnShowReport(LoadLangString(IDS_CONTACTS_DIFFERENCES), result.m_strDifferencesBody);
    if (!result.m_strMatchesBody.empty())
        m_fnShowReport(LoadLangString(IDS_CONTACTS_MATCHES), result.m_strMatchesBody);
}

QString CGenealogyApp::ChooseFile()
{
    return m_fnChooseFile(ActiveFrame(), ToQString(LoadLangString(IDS_SELECT_FILE)), LastFileFolder(), FileFilter());
}

void CGenealogyApp::OnFileOpen()
{
    const QString path = ChooseFile();
    if (!path.isEmpty() && ActiveFrame())
        OpenFile(path, *ActiveFrame());
}

// The new window opens only for a file chosen; it holds that file whether or
// not it reads, as a first window does.
void CGenealogyApp::OnFileOpenInNewWindow()
{
    const QString path = ChooseFile();
    if (!path.isEmpty())
        OpenFile(path, NewFrame());
}

bool CGenealogyApp::OpenFile(const QString& strPath, CMainFrame& frame)
{
    theLastFileName = FromQString(strPath);
    if (Settings.LastFile) {
        CWaitCursor wait;
        WriteRegString(L"LastFileName", theLastFileName);
    }
    return ReadFile(theLastFileName, frame);
}

// The remembered name keeps its own rules. The reader's box, which stopped the
// reading, comes first; the start screen names only a file that was opened,
// and says so at once, before the opening message.
bool CGenealogyApp::ReadFile(const std::wstring& strPath, CMainFrame& frame)
{
    CReadResult read = ReadFamilyFile(strPath);
    ShowMessages(&frame, read.m_messages);
    const bool bRead = read.m_bRead;
    const bool bOpened = read.m_pDocument->GetReadFailureText().empty();
    const CMessages opening = GetOpeningMessage(strPath, *read.m_pDocument, bRead);
    frame.SetDocument(std::move(read.m_pDocument), bOpened ? strPath : std::wstring());
    frame.StartView()->SetLoadedFile(bOpened ? strPath : std::wstring());
    ShowMessages(&frame, opening);
    return bRead;
}

void CGenealogyApp::OnAppAbout()
{
    CAboutDlg about(ActiveFrame());
    m_fnRunDialog(about);
}

void CGenealogyApp::Quit(int nCode)
{
    m_fnQuit(nCode);
}
