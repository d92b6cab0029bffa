#pragma once

#include <chrono>
#include <cstdint>
#include <string>

/// Shows how far a long piece of work has come: a progress window in the
/// program, a percentage on a terminal in the command-line tool, nothing by
/// default.
class CProgressSink {
public:
    virtual ~CProgressSink() = default;
    /// The work named by string `nLabelId` is `nPercent` done (0 to 100);
    /// called again only when the whole percent changes.
    virtual void Show(int nLabelId, int nPercent) = 0;
    /// The work has ended; removes what Show put up.
    virtual void Hide() = 0;
};

/// Replaces the sink; nullptr restores the default, which does nothing.
/// Returns the sink that was in place (nullptr for the default).
CProgressSink* SetProgressSink(CProgressSink* pSink);

/// How long work runs before its progress is shown, so that short work does
/// not flash a window.
constexpr std::chrono::milliseconds kProgressDelay{500};

/// The progress of one piece of work, for its lifetime: nothing is shown
/// until kProgressDelay has passed, then the sink hears every new whole
/// percent, and the end removes what was shown.
class CProgress {
public:
    explicit CProgress(int nLabelId);
    ~CProgress();
    CProgress(const CProgress&) = delete;
    CProgress& operator=(const CProgress&) = delete;

    /// `nDone` of `nTotal` is done. Costs a division and a comparison unless
    /// the whole percent has changed.
    void Report(std::int64_t nDone, std::int64_t nTotal);
    /// Removes what was shown before the work ends, e.g. before a box.
    void End();

private:
    bool DelayPassed();

    CProgressSink* m_pSink;
    int m_nLabelId;
    std::chrono::steady_clock::time_point m_start;
    int m_nPercent = -1; ///< last reported, shown or not
    bool m_bShown = false;
    bool m_bEnded = false;
};
