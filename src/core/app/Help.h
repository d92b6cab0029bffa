#pragma once

#include <string>

/// Starts the help viewer with a command line: the help file's name, '#', and
/// the topic's anchor. The program opens the file in the desktop's viewer; tests
/// record the line.
class CHelpLauncher {
public:
    virtual ~CHelpLauncher() = default;
    virtual void Launch(const std::wstring& strCommandLine) = 0;
};

/// Replaces the launcher; nullptr restores the default, which does nothing.
/// Returns the launcher that was in place.
CHelpLauncher* SetHelpLauncher(CHelpLauncher* pLauncher);

/// Opens the help file at the topic ("overview", "selperson", ...).
void ShowHelpTopic(const std::wstring& strTopic);

/// Starts the viewer with strFilePrefix + strTopic and returns at once; a
/// viewer that cannot be started is not reported.
void RunHelpViewer(const std::wstring& strFilePrefix, const std::wstring& strTopic);

/// The help file's name with the anchor mark, as the viewer's command line starts.
extern const wchar_t* const theHelpFilePrefix;
