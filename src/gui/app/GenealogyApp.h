#pragma once

#include "gui/platform/QtHelpLauncher.h"
#include "gui/platform/QtMessageSink.h"
#include "gui/platform/QtProgress.h"
#include "gui/platform/QtWaitCursor.h"
#include "qtcore/platform/IcuCollator.h"
#include "qtcore/platform/QtSettingsStore.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CDocument;
class CMainFrame;
class QWidget;

/// The application: start-up, the commands that belong to no window (Open,
/// About, Compare with Contacts) and the end of the run.
class CGenealogyApp {
public:
    CGenealogyApp();
    ~CGenealogyApp();
    CGenealogyApp(const CGenealogyApp&) = delete;
    CGenealogyApp& operator=(const CGenealogyApp&) = delete;

    /// Reads the settings, shows the main window and opens the first file: the
    /// one named on the command line, else as the settings say.
    bool InitInstance(const QStringList& astrFiles = {});
    int ExitInstance();

    /// True when the command is one of the application's own.
    bool OnAppCommand(int nCommand);
    /// File / Open: a file read into the window in front.
    void OnFileOpen();
    /// File / Open in New Window: a file read into a new window, the one in
    /// front staying as it is.
    void OnFileOpenInNewWindow();
    void OnAppAbout();
    /// File / Compare with Contacts: the birth dates of the address book
    /// against the persons of the same full name.
    void OnCompareWithContacts();

    /// Ends the run with `nCode`.
    void Quit(int nCode);

    /// The first window; nullptr when none is open.
    CMainFrame* MainFrame() const { return m_frames.empty() ? nullptr : m_frames.front().get(); }
    /// Every window, the first opened first.
    const std::vector<std::unique_ptr<CMainFrame>>& Frames() const { return m_frames; }
    /// The window the application's commands act on: the one in front last.
    CMainFrame* ActiveFrame() const { return m_pActiveFrame ? m_pActiveFrame : MainFrame(); }
    void SetActiveFrame(CMainFrame* pFrame) { m_pActiveFrame = pFrame; }
    /// The file of that window; an empty document while no window is open.
    const CDocument& ActiveDocument() const;
    /// Closes the window when another stays open, and says so; false for the
    /// last window, whose closing ends the program.
    bool CloseFrame(CMainFrame* pFrame);
    /// Every window follows the language in use now.
    void FollowLanguage();

    /// Asks for a file (title, folder to start in, filter); an empty answer
    /// is a cancel. Tests answer in place of the file dialog.
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)> m_fnChooseFile;
    /// Asks for an address book (title, filter, the file selected at the
    /// start); an empty answer is a cancel. Tests answer in its place.
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)> m_fnChooseAddressBook;
    /// Runs a modal dialog of the application (the About box); tests look at it
    /// instead.
    std::function<void(class QDialog&)> m_fnRunDialog;
    /// Shows a report body as a text page; tests record it instead.
    std::function<void(const std::wstring& strTitle, const std::wstring& strBody)> m_fnShowReport;
    /// Ends the event loop; tests record the code.
    std::function<void(int)> m_fnQuit;

private:
    /// A new window, shown.
    CMainFrame& NewFrame();
    /// Asks for a file; empty when the user cancels.
    QString ChooseFile();
    /// Takes `strPath` as the file last chosen and reads it into the window.
    bool OpenFile(const QString& strPath, CMainFrame& frame);
    /// Reads the file into the window, shows it on the start screen and tells
    /// the user when it cannot be opened or holds nothing; false as ReadFamilyFile.
    bool ReadFile(const std::wstring& strPath, CMainFrame& frame);
    /// The address book the user chooses now, asked with the stored one
    /// selected, and stored; empty when the user cancels.
    std::wstring LogonToContacts();

    CQtMessageSink m_messageSink;
    CQtHelpLauncher m_helpLauncher;
    CQtWaitCursorSink m_waitCursor;
    CQtProgressSink m_progress;
    CQtSettingsStore m_settingsStore;
    CIcuCollator m_collator;
    std::vector<std::unique_ptr<CMainFrame>> m_frames;
    CMainFrame* m_pActiveFrame = nullptr;
};

/// The one application object of the run, while it exists.
extern CGenealogyApp* theApp;
