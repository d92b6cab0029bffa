#include "core/platform/Clock.h"

#include <ctime>

namespace {

class CSystemClock : public CClock {
public:
    CCalendarDate Today() const override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        if (!localtime_r(&now, &local))
            return {1970, 1, 1};
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
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
