#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"

#include "TestSupport.h"

#include <tuple>

extern const char theOwnResourceText[];
extern const std::size_t theOwnResourceTextSize;

namespace {

// The two gaps in the numbering of the strings.
constexpr int kUnusedIds[] = {29, 66};

using StringTableTest = CViewBuilderTest;

TEST_F(StringTableTest, OwnResourcesHaveNoFaultyLine)
{
    CResourceTable table;
    std::vector<CResourceError> errors;
    table.Parse(std::string_view(theOwnResourceText, theOwnResourceTextSize), L"Stemmark.lang", errors);
    for (const CResourceError& error : errors)
        ADD_FAILURE() << "line " << error.m_nLine << ": " << WideToUtf8(error.m_strReason);
}

// Russian has the same ids (LangModuleFileTest); a menu not in the table fails the bar.
TEST_F(StringTableTest, EveryIdStandsInTheTable)
{
    LoadOwnResources();
    for (int nId = 0; nId <= IDS_LAST + 1; ++nId) {
        const bool bAbsent = nId == kUnusedIds[0] || nId == kUnusedIds[1] || nId > IDS_LAST;
        EXPECT_EQ(theOwnResources->FindString(nId) == nullptr, bAbsent) << nId;
    }
    std::vector<CMenuBarMenu> bar;
    EXPECT_FALSE(BuildMenuBar({IDM_HELP, IDM_CHART + 1}, bar));
}

// Texts whose blanks, line breaks or letters are easy to get wrong; base
// strings are English whatever the language.
TEST_F(StringTableTest, BothLanguagesGiveTheTextToTheLetter)
{
    const std::tuple<int, const wchar_t*, const wchar_t*> texts[] = {
        {IDS_QUAL_AFT, L" AFT ", L" После "},
        {IDS_QUAL_TO, L" TO ", L" до "},
        {IDS_PERSONS_IN_TOTAL, L"persons in total", L"всего: "}, // the count follows
        {IDS_PRODUCT_NAME, L"Stemmark", L"Stemmark"},
        {IDS_NO_INFORMATION_ABOUT_PARENTS_FAMILY, L"No information about parents' family",
         L"Нет информации о семье родителей"},
        {IDS_PERSON_LIST, L"Person list", L"Cписок лиц"}, // with a Latin C, as shipped
        {IDS_BIRTH_DATE_FORMATS,
         L"Possible formats of birth date:\n23.12.1923\n12.1923\n1923.\nPlease check your data.",
         L"Возможные форматы дня рождения:\n23.12.1923\n12.1923\n1923.\nПроверьте, пожалуйста, Ваши данные."},
        {IDS_NO_TEXT_SET, L"No text set", L""}, // no Russian entry
    };
    for (const auto& [nId, pszEnglish, pszRussian] : texts) {
        SCOPED_TRACE(nId);
        SetLanguage(L"En");
        EXPECT_EQ(LoadLangString(nId), pszEnglish);
        SetLanguage(L"Ru");
        EXPECT_EQ(LoadLangString(nId), pszRussian);
        EXPECT_EQ(LoadBaseString(nId), pszEnglish);
    }
}

} // namespace
