#pragma once

#include "core/platform/Message.h"

/// Shows the core's message boxes as QMessageBox, owned by the given window,
/// or by the window in front when none is given.
class CQtMessageSink : public CMessageSink {
public:
    void Show(CWindowHandle owner, const std::wstring& strText, const std::wstring& strCaption,
              CMessageIcon icon) override;
};
