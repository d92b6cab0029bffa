#pragma once

/// A day of the calendar as numbers; nothing checks that it exists.
struct CCalendarDate {
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
};

/// Where "today" comes from: the system's local date in the program, a pinned
/// date in tests, so that ages never drift.
class CClock {
public:
    virtual ~CClock() = default;
    virtual CCalendarDate Today() const = 0;
};

/// Replaces the clock; nullptr restores the system's. Returns the clock that
/// was in place (nullptr for the system's).
CClock* SetClock(CClock* pClock);

/// Today's date by the clock in place.
CCalendarDate Today();
