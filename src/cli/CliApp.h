#pragma once

#include <string>
#include <vector>

/// Runs stemmark-cli on its arguments (without the program's name): sets up
/// the options and the clock for this run, reads the file, runs the command
/// and writes its output to stdout. Returns the exit status.
int RunCli(const std::vector<std::string>& astrArgs);
