#pragma once

#include "app/Help.h"

#include <QUrl>

/// Opens the help file that comes with the program at the anchor, in the
/// desktop's HTML viewer.
class CQtHelpLauncher : public CHelpLauncher {
public:
    void Launch(const std::wstring& strCommandLine) override;

    /// The address a command line "Stemmark.htm#topic" stands for; empty when
    /// the help file cannot be found.
    static QUrl HelpUrl(const std::wstring& strCommandLine);
};
