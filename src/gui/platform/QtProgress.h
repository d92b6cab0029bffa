#pragma once

#include "core/platform/Progress.h"

#include <memory>

class QProgressDialog;

/// The progress as a small window over the window in front. The work runs on
/// the gui thread, so each new percent lets the window repaint, but takes no
/// input: the user cannot start other work meanwhile, nor cancel this one.
class CQtProgressSink : public CProgressSink {
public:
    CQtProgressSink();
    ~CQtProgressSink() override;
    CQtProgressSink(const CQtProgressSink&) = delete;
    CQtProgressSink& operator=(const CQtProgressSink&) = delete;

    void Show(int nLabelId, int nPercent) override;
    void Hide() override;

    /// The window while it is shown, else nullptr.
    QProgressDialog* Window() const { return m_pWindow.get(); }

private:
    void Open(const std::wstring& strLabel);

    std::unique_ptr<QProgressDialog> m_pWindow;
};
