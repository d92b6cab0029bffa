#pragma once

#include <string>

/// A window of the program, opaque to the core: the gui keeps a QWidget* in it.
using CWindowHandle = void*;

/// The program window currently in front. Boxes raised outside a view's own
/// code (lookups, selections, tree collectors) are owned by it.
extern CWindowHandle theTopWindow;

enum class CMessageIcon { Exclamation, Information, Stop };

/// Where message boxes go: a real box in the program, a recorder in tests,
/// standard error in the command-line tool.
class CMessageSink {
public:
    virtual ~CMessageSink() = default;
    /// Shows the box modally and returns when the user has closed it.
    virtual void Show(CWindowHandle owner, const std::wstring& strText,
                      const std::wstring& strCaption, CMessageIcon icon) = 0;
};

/// Replaces the sink; nullptr restores the default, which writes to stderr.
/// Returns the sink that was in place (nullptr for the default).
CMessageSink* SetMessageSink(CMessageSink* pSink);

void ShowMessage(CWindowHandle owner, const std::wstring& strText,
                 const std::wstring& strCaption, CMessageIcon icon);
