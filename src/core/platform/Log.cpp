#include "core/platform/Log.h"

#include "core/text/WideText.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>

namespace {

// The logs that have had this run's separator: two windows on two files
// write two logs.
std::set<std::filesystem::path> theSeparatedLogs;

constexpr char kSeparator[] = "--------\r\n";

std::filesystem::path StateFolder()
{
    const char* pszState = std::getenv("XDG_STATE_HOME");
    if (pszState && pszState[0] == '/')
        return std::filesystem::path(pszState) / "Stemmark";
    const char* pszHome = std::getenv("HOME");
    return std::filesystem::path(pszHome && pszHome[0] ? pszHome : "/tmp") / ".local" / "state" / "Stemmark";
}

struct CFileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

} // namespace

std::filesystem::path GetLogPath(const std::wstring& strFolder)
{
    if (!strFolder.empty())
        return std::filesystem::path(WideToUtf8(strFolder)) / "Stemmark.log";
    return StateFolder() / "Stemmark.log";
}

void WriteLog(const std::wstring& strFolder, const std::wstring& strText)
{
    const std::filesystem::path path = GetLogPath(strFolder);
    if (strFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
    }
    std::unique_ptr<std::FILE, CFileCloser> file(std::fopen(path.c_str(), "ab"));
    if (!file)
        return;
    std::fseek(file.get(), 0, SEEK_END);
    if (std::ftell(file.get()) > 0 && theSeparatedLogs.insert(path).second)
        std::fwrite(kSeparator, 1, sizeof kSeparator - 1, file.get());
    const std::string bytes = WideToUtf8(strText);
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

void ResetLogSeparator()
{
    theSeparatedLogs.clear();
}
