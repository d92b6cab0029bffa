#pragma once

#include "gui/platform/Messages.h"

/// Shows message boxes as QMessageBox, owned by the given window, or by the
/// window in front when none is given.
class CQtMessageSink : public CMessageSink {
public:
    void Show(QWidget* pOwner, const CMessageBox& box) override;
};
