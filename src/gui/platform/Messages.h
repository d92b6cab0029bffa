#pragma once

#include "core/platform/Message.h"

#include <string>

class QWidget;

/// The program window currently in front. Boxes raised outside a view's own
/// code (look-ups, selections, the reading of a file) are owned by it.
extern QWidget* theTopWindow;

/// Where message boxes go: a real box in the program, a recorder in tests.
class CMessageSink {
public:
    virtual ~CMessageSink() = default;
    /// Shows the box modally and returns when the user has closed it.
    virtual void Show(QWidget* pOwner, const CMessageBox& box) = 0;
};

/// Replaces the sink; nullptr restores the default, which writes to stderr.
/// Returns the sink that was in place (nullptr for the default).
CMessageSink* SetMessageSink(CMessageSink* pSink);

void ShowMessage(QWidget* pOwner, const CMessageBox& box);
void ShowMessage(QWidget* pOwner, const std::wstring& strText, const std::wstring& strCaption,
                 CMessageIcon icon);
/// The core's boxes in their order, each once the one before has closed.
void ShowMessages(QWidget* pOwner, const CMessages& messages);
