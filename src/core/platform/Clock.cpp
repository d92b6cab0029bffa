#include "core/platform/Clock.h"

#include <ctime>

namespace {

class CSystemClock : public CClock {
public:
    // A list asks for today once per person: the local date is worked out
    // again only when the second has changed.
    CCalendarDate Today() const override
    {
        thread_local std::time_t lastSecond = -1;
        thread_local CCalendarDate lastDate{1970, 1, 1};
        const std::time_t now = std::time(nullptr);
        if (now != lastSecond) {
            std::tm local{};
            lastDate = localtime_r(&now, &local)
                           ? CCalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}
                           : CCalendarDate{1970, 1, 1};
            lastSecond = now;
        }
        return lastDate;
    }
};

CClock* theClock = nullptr;

const CClock& ClockInPlace()
{
    static const CSystemClock theSystemClock;
    return theClock ? *theClock : static_cast<const CClock&>(theSystemClock);
}

} // namespace

CClock* SetClock(CClock* pClock)
{
    CClock* pPrevious = theClock;
    theClock = pClock;
    return pPrevious;
}

CCalendarDate Today()
{
    return ClockInPlace().Today();
}

std::chrono::steady_clock::time_point Now()
{
    return ClockInPlace().Now();
}
