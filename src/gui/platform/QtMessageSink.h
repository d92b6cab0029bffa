#pragma once

#include "gui/platform/Messages.h"

/// Shows message boxes as QMessageBox, centred over the given window, else
/// the window in front, else the main window.
class CQtMessageSink : public CMessageSink {
public:
    void Show(QWidget* pOwner, const CMessageBox& box) override;
};
