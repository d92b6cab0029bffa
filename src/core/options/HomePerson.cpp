#include "core/options/HomePerson.h"

#include "core/options/Settings.h"
#include "core/text/WideText.h"

#include <filesystem>
#include <vector>

namespace {

constexpr wchar_t kStoredName[] = L"HomePersons";
constexpr std::size_t kKeptFiles = 100;

struct CHomeEntry {
    std::wstring m_strPath;
    std::wstring m_strId;
};

// One line a file, newest first: its path, a tab, the person's id.
std::vector<CHomeEntry> ReadEntries()
{
    std::wstring strStored;
    std::vector<CHomeEntry> entries;
    if (ReadRegString(kStoredName, strStored) < 0)
        return entries;
    for (std::size_t nStart = 0; nStart < strStored.size();) {
        const std::size_t nEnd = std::min(strStored.find(L'\n', nStart), strStored.size());
        const std::wstring_view line = std::wstring_view(strStored).substr(nStart, nEnd - nStart);
        const std::size_t nTab = line.find(L'\t');
        if (nTab != std::wstring_view::npos)
            entries.push_back({std::wstring(line.substr(0, nTab)), std::wstring(line.substr(nTab + 1))});
        nStart = nEnd + 1;
    }
    return entries;
}

// A file by its whole path, however it was typed.
std::wstring WholePath(const std::wstring& strPath)
{
    std::error_code error;
    const std::filesystem::path whole = std::filesystem::absolute(WideToUtf8(strPath), error);
    return error ? strPath : Utf8ToWide(whole.lexically_normal().string());
}

} // namespace

std::wstring ReadHomePerson(const std::wstring& strFile)
{
    const std::wstring strFilePath = WholePath(strFile);
    for (const CHomeEntry& entry : ReadEntries())
        if (entry.m_strPath == strFilePath)
            return entry.m_strId;
    return {};
}

void WriteHomePerson(const std::wstring& strFile, const std::wstring& strPersonId)
{
    const std::wstring strFilePath = strFile.empty() ? strFile : WholePath(strFile);
    const auto unfit = [](const std::wstring& strText) { return strText.find_first_of(L"\t\n") != std::wstring::npos; };
    if (strFilePath.empty() || unfit(strFilePath) || unfit(strPersonId))
        return;
    std::wstring strStored = strPersonId.empty() ? L"" : strFilePath + L'\t' + strPersonId;
    std::size_t nKept = strStored.empty() ? 0 : 1;
    for (const CHomeEntry& entry : ReadEntries()) {
        if (entry.m_strPath == strFilePath || nKept == kKeptFiles)
            continue;
        strStored += (strStored.empty() ? L"" : L"\n") + entry.m_strPath + L'\t' + entry.m_strId;
        ++nKept;
    }
    WriteRegString(kStoredName, strStored);
}
