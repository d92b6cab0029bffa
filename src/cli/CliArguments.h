#pragma once

#include "cli/Commands.h"
#include "core/platform/Clock.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

/// The command line of stemmark-cli, taken apart.
struct CCliArguments {
    std::string m_strFile;
    const CCliCommand* m_pCommand = nullptr;
    CCommandCall m_call;
    /// Options by stored value name, in the order typed: --set, and --lang and
    /// --date-format, which stand for --set Lang= and --set DateFormat=.
    std::vector<std::pair<std::wstring, std::wstring>> m_settings;
    std::optional<CCalendarDate> m_today;
    bool m_bHelp = false;
};

/// Takes the arguments (without the program's name) apart. Returns kExitDone,
/// or kExitUsage after saying what is wrong. With --help only m_pCommand (when
/// a command is named) counts.
int ParseCliArguments(const std::vector<std::string>& astrArgs, CCliArguments& arguments);

/// The help of the tool, or of one command when `pCommand` is given.
std::string CliHelp(const CCliCommand* pCommand);
