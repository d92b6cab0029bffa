#pragma once

/// Shows and removes the wait cursor: the application's override cursor in the
/// program, nothing by default, a counter in tests.
class CWaitCursorSink {
public:
    virtual ~CWaitCursorSink() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

/// Replaces the sink; nullptr restores the default, which does nothing.
/// Returns the sink that was in place (nullptr for the default).
CWaitCursorSink* SetWaitCursorSink(CWaitCursorSink* pSink);

/// Shows the wait cursor for its lifetime, so every way out of a long
/// operation removes it.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CWaitCursorSink* m_pSink;
};
