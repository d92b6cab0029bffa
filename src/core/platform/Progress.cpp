#include "core/platform/Progress.h"

#include "core/platform/Clock.h"

#include <algorithm>

namespace {

CProgressSink* theProgressSink = nullptr;

} // namespace

CProgressSink* SetProgressSink(CProgressSink* pSink)
{
    CProgressSink* pPrevious = theProgressSink;
    theProgressSink = pSink;
    return pPrevious;
}

// Without a sink the clock is never asked: the work pays nothing.
CProgress::CProgress(int nLabelId) : m_pSink(theProgressSink), m_nLabelId(nLabelId)
{
    if (m_pSink)
        m_start = Now();
}

CProgress::~CProgress()
{
    End();
}

// The clock is read only when the percent changes, so at most a hundred
// times; what is shown first may thus trail the delay by one percent of the
// work.
void CProgress::Report(std::int64_t nDone, std::int64_t nTotal)
{
    if (!m_pSink || m_bEnded || nTotal <= 0)
        return;
    const auto nPercent = static_cast<int>(std::clamp<std::int64_t>(nDone, 0, nTotal) * 100 / nTotal);
    if (nPercent == m_nPercent)
        return;
    m_nPercent = nPercent;
    if (!m_bShown && !DelayPassed())
        return;
    m_pSink->Show(m_nLabelId, nPercent);
}

bool CProgress::DelayPassed()
{
    if (Now() - m_start < kProgressDelay)
        return false;
    m_bShown = true;
    return true;
}

void CProgress::End()
{
    if (m_bShown && !m_bEnded)
        m_pSink->Hide();
    m_bEnded = true;
}
