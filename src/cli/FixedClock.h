#pragma once

#include "core/platform/Clock.h"

/// The date given by --today, so that ages in scripted output never drift.
class CFixedClock : public CClock {
public:
    explicit CFixedClock(CCalendarDate today) : m_today(today) {}
    CCalendarDate Today() const override { return m_today; }

private:
    CCalendarDate m_today;
};
