#include "core/platform/WaitCursor.h"

namespace {

CWaitCursorSink* theWaitCursorSink = nullptr;

} // namespace

CWaitCursorSink* SetWaitCursorSink(CWaitCursorSink* pSink)
{
    CWaitCursorSink* pPrevious = theWaitCursorSink;
    theWaitCursorSink = pSink;
    return pPrevious;
}

// The sink is kept so that the cursor is removed where it was shown, even if
// the sink is replaced meanwhile.
CWaitCursor::CWaitCursor() : m_pSink(theWaitCursorSink)
{
    if (m_pSink)
        m_pSink->Show();
}

CWaitCursor::~CWaitCursor()
{
    if (m_pSink)
        m_pSink->Hide();
}
