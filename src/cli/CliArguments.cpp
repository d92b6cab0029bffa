#include "cli/CliArguments.h"

#include "core/options/Language.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <cstdio>

namespace {

struct CCommonOption {
    const char* m_pszName;
    const char* m_pszValue;
    const char* m_pszHelp;
};

// The codes of the language table, `pszLast` before the last and `pszBetween`
// between the others.
std::string LanguageCodes(const char* pszBetween, const char* pszLast)
{
    const std::span<const CLanguage> languages = Languages();
    std::string strCodes;
    for (const CLanguage& language : languages) {
        if (!strCodes.empty())
            strCodes += &language == &languages.back() ? pszLast : pszBetween;
        strCodes += WideToUtf8(language.m_pszCode);
    }
    return strCodes;
}

const char* LanguageChoices()
{
    static const std::string strChoices = LanguageCodes("|", "|");
    return strChoices.c_str();
}

const CCommonOption theCommonOptions[] = {
    {"--lang", LanguageChoices(), "the language of the texts"},
    {"--date-format", "0|1", "dates as dd.mm.yyyy (0) or mm/dd/yyyy (1)"},
    {"--set", "NAME=VALUE", "an option by its stored name, e.g. 1Name1=1 or LevForPatr=4"},
    {"--today", "YYYY-MM-DD", "the date ages are counted to"},
    {"--json", nullptr, "one JSON document instead of text"},
    {"--help", nullptr, "this help"},
};

// YYYY-MM-DD with a month and a day that can be.
std::optional<CCalendarDate> ParseDate(const std::string& strText)
{
    int nYear = 0, nMonth = 0, nDay = 0;
    char cEnd = 0;
    if (strText.size() != 10 || std::sscanf(strText.c_str(), "%4d-%2d-%2d%c", &nYear, &nMonth, &nDay, &cEnd) != 3 ||
        strText[4] != '-' || strText[7] != '-' || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31)
        return std::nullopt;
    return CCalendarDate{nYear, nMonth, nDay};
}

int TakeCommonOption(const std::string& strName, const std::string& strValue, CCliArguments& arguments)
{
    const std::wstring value = Utf8ToWide(strValue);
    if (strName == "--lang") {
        if (!FindLanguage(value))
            return ReportUsageError("--lang takes " + LanguageCodes(", ", " or "));
        arguments.m_settings.emplace_back(L"Lang", value);
    } else if (strName == "--date-format") {
        if (value != L"0" && value != L"1")
            return ReportUsageError("--date-format takes 0 or 1");
        arguments.m_settings.emplace_back(L"DateFormat", value);
    } else if (strName == "--set") {
        const std::size_t nEquals = value.find(L'=');
        if (nEquals == std::wstring::npos || nEquals == 0)
            return ReportUsageError("--set takes NAME=VALUE");
        arguments.m_settings.emplace_back(value.substr(0, nEquals), value.substr(nEquals + 1));
    } else if (strName == "--today") {
        arguments.m_today = ParseDate(strValue);
        if (!arguments.m_today)
            return ReportUsageError("--today takes a date as YYYY-MM-DD");
    }
    return kExitDone;
}

const CCommonOption* FindCommonOption(const std::string& strName)
{
    for (const CCommonOption& option : theCommonOptions) {
        if (strName == option.m_pszName)
            return &option;
    }
    return nullptr;
}

const CCommandOption* FindCommandOption(const CCliCommand* pCommand, const std::string& strName)
{
    if (!pCommand)
        return nullptr;
    for (const CCommandOption& option : pCommand->m_options) {
        if (strName == option.m_pszName)
            return &option;
    }
    return nullptr;
}

// The command is the second word, after the file; "stemmark-cli list --help"
// names it first.
const CCliCommand* NamedCommand(const std::vector<std::string>& astrArgs)
{
    for (std::size_t i = 0; i < astrArgs.size() && i < 2; ++i) {
        if (const CCliCommand* pCommand = FindCliCommand(astrArgs[i]))
            return pCommand;
    }
    return nullptr;
}

// One option at astrArgs[i], with its value from after '=' or from the next
// argument, which `i` then passes.
int TakeOption(const std::vector<std::string>& astrArgs, std::size_t& i, CCliArguments& arguments)
{
    const std::string& strArg = astrArgs[i];
    const std::size_t nEquals = strArg.find('=');
    const std::string strName = strArg.substr(0, nEquals);
    const CCommonOption* pCommon = FindCommonOption(strName);
    const CCommandOption* pOwn = FindCommandOption(arguments.m_pCommand, strName);
    if (!pCommon && !pOwn)
        return ReportUsageError(std::string(arguments.m_pCommand->m_pszName) + " has no option " + strName);
    const bool bTakesValue = (pCommon ? pCommon->m_pszValue : pOwn->m_pszValue) != nullptr;
    std::string strValue;
    if (nEquals != std::string::npos) {
        if (!bTakesValue)
            return ReportUsageError(strName + " takes no value");
        strValue = strArg.substr(nEquals + 1);
    } else if (bTakesValue) {
        if (i + 1 >= astrArgs.size())
            return ReportUsageError(strName + " needs a value");
        strValue = astrArgs[++i];
    }
    if (pOwn) {
        arguments.m_call.m_options[strName] = Utf8ToWide(strValue);
        return kExitDone;
    }
    if (strName == "--json") {
        arguments.m_call.m_bJson = true;
        return kExitDone;
    }
    return TakeCommonOption(strName, strValue, arguments);
}

void AppendOptionHelp(const char* pszName, const char* pszValue, const char* pszHelp, std::string& strHelp)
{
    std::string strLine = std::string("  ") + pszName + (pszValue ? std::string(" ") + pszValue : std::string());
    strLine.resize(std::max<std::size_t>(strLine.size() + 2, 30), ' ');
    strHelp += strLine + pszHelp + '\n';
}

std::string CommandLine(const CCliCommand& command)
{
    std::string strLine = command.m_pszName;
    if (*command.m_pszOperands)
        strLine += std::string(" ") + command.m_pszOperands;
    return strLine;
}

} // namespace

int ParseCliArguments(const std::vector<std::string>& astrArgs, CCliArguments& arguments)
{
    for (const std::string& strArg : astrArgs)
        arguments.m_bHelp = arguments.m_bHelp || strArg == "--help";
    if (arguments.m_bHelp) {
        arguments.m_pCommand = NamedCommand(astrArgs);
        return kExitDone;
    }
    if (astrArgs.size() < 2)
        return ReportUsageError("a file and a command are needed");
    arguments.m_strFile = astrArgs[0];
    arguments.m_pCommand = FindCliCommand(astrArgs[1]);
    if (!arguments.m_pCommand)
        return ReportUsageError("no command '" + astrArgs[1] + "'");
    std::vector<std::wstring>& astrOperands = arguments.m_call.m_astrOperands;
    for (std::size_t i = 2; i < astrArgs.size(); ++i) {
        if (astrArgs[i].size() > 2 && astrArgs[i].compare(0, 2, "--") == 0) {
            if (const int nStatus = TakeOption(astrArgs, i, arguments); nStatus != kExitDone)
                return nStatus;
        } else {
            astrOperands.push_back(Utf8ToWide(astrArgs[i]));
        }
    }
    const CCliCommand& command = *arguments.m_pCommand;
    if (astrOperands.size() > static_cast<std::size_t>(command.m_nOperands) ||
        astrOperands.size() + static_cast<std::size_t>(command.m_nOptionalOperands) <
            static_cast<std::size_t>(command.m_nOperands))
        return ReportUsageError(std::string(command.m_pszName) + " takes " +
                                (command.m_nOperands ? command.m_pszOperands : "no operand"));
    return kExitDone;
}

std::string CliHelp(const CCliCommand* pCommand)
{
    std::string strHelp;
    if (pCommand) {
        strHelp = "Usage: stemmark-cli FILE " + CommandLine(*pCommand) + " [options]\n\n" + pCommand->m_pszSummary + ".\n";
        if (!pCommand->m_options.empty()) {
            strHelp += "\nOptions:\n";
            for (const CCommandOption& option : pCommand->m_options)
                AppendOptionHelp(option.m_pszName, option.m_pszValue, option.m_pszHelp, strHelp);
        }
    } else {
        strHelp = "Usage: stemmark-cli FILE COMMAND [options]\n\nShows what Stemmark shows of a GEDCOM file.\n\n"
                  "Commands:\n";
        for (const CCliCommand& command : CliCommands())
            AppendOptionHelp(CommandLine(command).c_str(), nullptr, command.m_pszSummary, strHelp);
    }
    strHelp += "\nOptions of every command:\n";
    for (const CCommonOption& option : theCommonOptions)
        AppendOptionHelp(option.m_pszName, option.m_pszValue, option.m_pszHelp, strHelp);
    if (!pCommand)
        strHelp += "\nExit status: 0 done, 1 nothing to show, 2 wrong command line, 3 file not read.\n";
    return strHelp;
}
