#pragma once

#include "core/app/Help.h"
#include "gui/platform/HelpWindow.h"

#include <QPointer>
#include <QUrl>

/// Shows the help file that comes with the program, in the current language
/// when it has one, at the anchor, in the program's own help window.
class CQtHelpLauncher : public CHelpLauncher {
public:
    CQtHelpLauncher() = default;
    ~CQtHelpLauncher() override;
    CQtHelpLauncher(const CQtHelpLauncher&) = delete;
    CQtHelpLauncher& operator=(const CQtHelpLauncher&) = delete;

    void Launch(const std::wstring& strCommandLine) override;

    /// The window of the last request; nullptr before the first.
    CHelpWindow* Window() const { return m_pWindow; }

    /// The address a command line "Stemmark.htm#topic" stands for: the file of
    /// the current language, else the English one; empty when neither is found.
    static QUrl HelpUrl(const std::wstring& strCommandLine);

private:
    QPointer<CHelpWindow> m_pWindow;
};
