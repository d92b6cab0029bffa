#pragma once

#include <chrono>

/// A day of the calendar as numbers; nothing checks that it exists.
struct CCalendarDate {
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
};

/// Where "today" comes from: the system's local date in the program, a pinned
/// date in tests, so that ages never drift. Also where the time for delays
/// comes from, so that tests can let it pass at once.
class CClock {
public:
    virtual ~CClock() = default;
    virtual CCalendarDate Today() const = 0;
    virtual std::chrono::steady_clock::time_point Now() const { return std::chrono::steady_clock::now(); }
};

/// Replaces the clock; nullptr restores the system's. Returns the clock that
/// was in place (nullptr for the system's).
CClock* SetClock(CClock* pClock);

/// Today's date by the clock in place.
CCalendarDate Today();

/// The time now by the clock in place, for measuring how long work has run.
std::chrono::steady_clock::time_point Now();
