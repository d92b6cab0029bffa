#include "app/StartScreen.h"

#include "options/Language.h"
#include "options/StringIds.h"

std::wstring GetStartScreenFileLine(const std::wstring& strLastFileName)
{
    if (strLastFileName.empty())
        return {};
    const std::size_t slash = strLastFileName.find_last_of(L'/');
    const std::wstring strName = slash == std::wstring::npos ? strLastFileName : strLastFileName.substr(slash + 1);
    return L"GEDCOM-" + LoadLangString(IDS_FILE) + L": " + strName;
}
