#include "core/platform/Log.h"

#include "core/text/WideText.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

std::wstring theFileFolder;

namespace {

bool theLogSeparatorDue = true;

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

std::filesystem::path GetLogPath()
{
    if (!theFileFolder.empty())
        return std::filesystem::path(WideToUtf8(theFileFolder)) / "Stemmark.log";
    return StateFolder() / "Stemmark.log";
}

void WriteLog(const std::wstring& strText)
{
    const std::filesystem::path path = GetLogPath();
    if (theFileFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
    }
    std::unique_ptr<std::FILE, CFileCloser> file(std::fopen(path.c_str(), "ab"));
    if (!file)
        return;
    std::fseek(file.get(), 0, SEEK_END);
    if (std::ftell(file.get()) > 0 && theLogSeparatorDue) {
        std::fwrite(kSeparator, 1, sizeof kSeparator - 1, file.get());
        theLogSeparatorDue = false;
    }
    const std::string bytes = WideToUtf8(strText);
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

void ResetLogSeparator()
{
    theLogSeparatorDue = true;
}
