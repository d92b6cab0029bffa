#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

class CDocument;
class CStartView;
class QShortcut;

/// A top-level window of the program: the start screen of one open file, its
/// document, and the menu bar of the top-level commands. Each window holds a
/// file of its own.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    /// The file open in the window; an empty document before the first.
    const CDocument& Doc() const { return *m_pDocument; }
    /// Takes the document read from `strPath` for the window; the title names the file.
    void SetDocument(std::unique_ptr<CDocument> pDocument, const std::wstring& strPath);
    /// The path of the file open in the window; empty for none.
    const std::wstring& FilePath() const { return m_strPath; }
    /// Sets the title: the file's name, then the product's, in the current language.
    void UpdateTitle();
    /// Names the file's home person on the start screen, as the views left it.
    void ShowHomePerson();

    /// Builds the menu bar in the current language: File, View, Help. On a
    /// failure the frame stays without menus.
    bool BuildMenuBar();
    void OnCommand(int nCommand);
    /// The menus, the title and the start screen in the language in use now.
    void FollowLanguage();

    CStartView* StartView() const { return m_pStartView; }

    /// What opens each screen the frame's View menu names; each is set as its
    /// screen comes into being.
    std::function<void()> m_fnOpenSearch;
    std::function<void()> m_fnOpenPersonList;
    std::function<void()> m_fnOpenPatriarchy;
    std::function<void()> m_fnOpenOptions;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void OnOptions();
    void OnExit();
    /// The close button: this window goes, and the program with the last one.
    void OnClose();
    /// Makes the frame the window in front, then runs `fnOpen` if it is set.
    void OpenScreen(const std::function<void()>& fnOpen);

    std::unique_ptr<CDocument> m_pDocument;
    std::wstring m_strPath;
    CStartView* m_pStartView = nullptr;
    QShortcut* m_pOpenKey = nullptr;
    QShortcut* m_pHelpKey = nullptr;
};
