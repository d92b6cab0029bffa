#pragma once

#include <QMainWindow>

#include <functional>

class CStartView;
class QShortcut;

/// The program's one top-level window: the start screen, and the menu bar of
/// the top-level commands.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();

    /// Builds the menu bar in the current language: File, View, Help. On a
    /// failure the frame stays without menus.
    bool BuildMenuBar();
    void OnCommand(int nCommand);

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
    /// Makes the frame the window in front, then runs `fnOpen` if it is set.
    void OpenScreen(const std::function<void()>& fnOpen);

    CStartView* m_pStartView = nullptr;
    QShortcut* m_pOpenKey = nullptr;
    QShortcut* m_pHelpKey = nullptr;
};
