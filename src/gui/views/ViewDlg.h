#pragma once

#include "gui/platform/Messages.h"

#include <QBrush>
#include <QDialog>

#include <string>
#include <vector>

class CDocument;
class QMenuBar;
class QShortcut;
class QVBoxLayout;

/// The base of every full-screen view: it opens at the size of the window in
/// front, keeps theTopWindow, colours read-only boxes, carries the view's menu
/// bar, and can be minimised and maximised like any desktop window.
class CViewDlg : public QDialog {
    Q_OBJECT
public:
    /// A view of `doc`, which outlives it.
    explicit CViewDlg(const CDocument& doc, QWidget* pParent = nullptr);

    /// The document the view shows.
    const CDocument& Doc() const { return m_doc; }

    /// Initialises the view and runs it modally; a view whose initialisation
    /// ends it returns at once.
    int RunModal();

    /// Runs a command of the view's menu bar: the view first, then the
    /// application's own commands.
    void RunCommand(int nCommand);

    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QVBoxLayout* Layout() const { return m_pLayout; }

    /// Minimises or restores the main window and every open view together.
    static void ShowProgramMinimised(bool bMinimised);

protected:
    /// Derived views call this first. False ends the view before it is shown.
    virtual bool OnInitDialog();
    /// Adds the menus of these English ids; false when one is missing, and the
    /// view then leaves the rest of its menu bar alone.
    bool AddMenus(const std::vector<int>& anMenuIds);
    /// True when the view handled the command.
    virtual bool OnCommand(int nCommand);
    /// The help anchor of the view; empty for none.
    virtual std::wstring GetHelpTopic() const { return {}; }
    /// The kind of view whose size and place are kept between runs; empty
    /// for a view that opens over the window in front every time.
    virtual std::wstring GetPlaceKind() const { return {}; }
    /// Draws a read-only box on m_brBack, the background of a text field.
    void ColourReadOnlyBox(QWidget* pBox) const;
    /// Draws a read-only box on the dialog's own colour.
    void ColourPlainReadOnlyBox(QWidget* pBox) const;

    void changeEvent(QEvent* pEvent) override;

    QWidget* m_pPrevTopWindow = nullptr;
    QBrush m_brBack;

private:
    static std::vector<QWidget*> WindowStack();

    const CDocument& m_doc;

    QVBoxLayout* m_pLayout = nullptr;
    QMenuBar* m_pMenuBar = nullptr;
    QShortcut* m_pHelpKey = nullptr; ///< F1 while the bar has no Topic item
};
