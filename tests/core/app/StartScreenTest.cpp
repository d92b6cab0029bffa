#include "core/app/StartScreen.h"

#include "TestSupport.h"

#include <tuple>

namespace {

TEST(StartScreenTest, NamesTheFileWithoutItsFolders)
{
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> lines[] = {
        {L"Ru", L"/home/ann/trees/family.ged", L"GEDCOM-файл: family.ged"},
        {L"En", L"family.ged", L"GEDCOM-file: family.ged"}, // no folder: the whole path
        {L"En", L"/home/ann/trees/", L"GEDCOM-file: "},     // a folder names nothing
        {L"En", L"", L""},                                  // no file, no line
    };
    for (const auto& [pszLang, pszPath, pszLine] : lines) {
        SetLanguage(pszLang);
        EXPECT_EQ(GetStartScreenFileLine(pszPath), pszLine) << WideToUtf8(pszPath);
    }
}

} // namespace
