#pragma once

#include "core/platform/WaitCursor.h"

/// The wait cursor as the application's override cursor.
class CQtWaitCursorSink : public CWaitCursorSink {
public:
    void Show() override;
    void Hide() override;
};
