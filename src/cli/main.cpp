#include "cli/CliApp.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const int nStatus = RunCli(std::vector<std::string>(argv + 1, argv + argc));
    // The tables of a large file take long to free, and the process ends anyway.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(nStatus);
}
