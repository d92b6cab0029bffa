#include "BenchSupport.h"

#include <fstream>
#include <string>

std::size_t PeakResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return static_cast<std::size_t>(std::stoull(line.substr(6))) * 1024;
    }
    return 0;
}
