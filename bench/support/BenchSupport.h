#pragma once

#include <chrono>
#include <cstddef>

/// Peak resident memory of this process so far, in bytes (VmHWM).
std::size_t PeakResidentBytes();

/// Seconds since `start`.
inline double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
