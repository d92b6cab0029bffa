#include "core/app/StartScreen.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"

std::wstring GetStartScreenFileLine(const std::wstring& strFileName)
{
    if (strFileName.empty())
        return {};
    const std::size_t slash = strFileName.find_last_of(L'/');
    const std::wstring strName = slash == std::wstring::npos ? strFileName : strFileName.substr(slash + 1);
    return L"GEDCOM-" + LoadLangString(IDS_FILE) + L": " + strName;
}
