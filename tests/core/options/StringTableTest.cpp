#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"

#include "TestSupport.h"

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

TEST_F(StringTableTest, EveryIdStandsInBothLanguages)
{
    LoadOwnResources();
    for (int nId = 0; nId <= IDS_LAST; ++nId) {
        const bool bAbsent = nId == kUnusedIds[0] || nId == kUnusedIds[1];
        EXPECT_EQ(theOwnResources->FindString(nId) == nullptr, bAbsent) << "English " << nId;
        const bool bRussianAbsent = bAbsent || nId == IDS_NO_TEXT_SET;
        EXPECT_EQ(theOwnResources->FindString(nId + 200) == nullptr, bRussianAbsent) << "Russian " << nId;
        if (!bRussianAbsent) {
            EXPECT_FALSE(theOwnResources->FindString(nId + 200)->empty()) << nId;
        }
    }
    EXPECT_EQ(theOwnResources->FindString(IDS_LAST + 1), nullptr);
    EXPECT_EQ(theOwnResources->FindString(IDS_LAST + 201), nullptr);
}

// Texts whose blanks, line breaks or letters are easy to get wrong.
struct CExactText {
    const char* m_pszName;
    int m_nId;
    const wchar_t* m_pszEnglish;
    const wchar_t* m_pszRussian;
};

class ExactTextTest : public CViewBuilderTest, public testing::WithParamInterface<CExactText> {};

TEST_P(ExactTextTest, BothLanguagesGiveTheTextToTheLetter)
{
    SetLanguage(L"En");
    EXPECT_EQ(LoadLangString(GetParam().m_nId), GetParam().m_pszEnglish);
    SetLanguage(L"Ru");
    EXPECT_EQ(LoadLangString(GetParam().m_nId), GetParam().m_pszRussian);
}

INSTANTIATE_TEST_SUITE_P(Table, ExactTextTest, testing::Values(
    CExactText{"QualifierKeepsItsBlanks", IDS_QUAL_AFT, L" AFT ", L" После "},
    CExactText{"QualifierAnd", IDS_QUAL_AND, L" AND ", L" и "},
    CExactText{"QualifierTo", IDS_QUAL_TO, L" TO ", L" до "},
    CExactText{"RussianCountEndsInABlank", IDS_PERSONS_IN_TOTAL, L"persons in total", L"всего: "},
    CExactText{"ProductNameInEveryLanguage", IDS_PRODUCT_NAME, L"Stemmark", L"Stemmark"},
    CExactText{"Apostrophe", IDS_NO_INFORMATION_ABOUT_PARENTS_FAMILY, L"No information about parents' family",
               L"Нет информации о семье родителей"},
    CExactText{"LatinCAsShipped", IDS_PERSON_LIST, L"Person list", L"Cписок лиц"},
    CExactText{"LineBreaks", IDS_BIRTH_DATE_FORMATS,
               L"Possible formats of birth date:\n23.12.1923\n12.1923\n1923.\nPlease check your data.",
               L"Возможные форматы дня рождения:\n23.12.1923\n12.1923\n1923.\nПроверьте, пожалуйста, Ваши данные."},
    CExactText{"NoRussianEntryReadsEmpty", IDS_NO_TEXT_SET, L"No text set", L""},
    CExactText{"NoEntryInEither", kUnusedIds[0], L"", L""}), CByName());

TEST_F(StringTableTest, BaseStringsIgnoreTheLanguage)
{
    SetLanguage(L"Ru");
    EXPECT_EQ(LoadBaseString(IDS_QUAL_AFT), L" AFT ");
    EXPECT_EQ(LoadLangString(IDS_ENGLISH), L"Английский");
    EXPECT_EQ(LoadBaseString(IDS_ENGLISH), L"English");
}

std::vector<int> Commands(const CMenuBarMenu& menu)
{
    std::vector<int> commands;
    for (const CMenuItem& item : menu.m_items)
        commands.push_back(item.m_bSeparator ? 0 : item.m_nCommand);
    return commands;
}

// Every menu stands 20 above in Russian, with the English items in their order.
TEST_F(StringTableTest, RussianMenusHoldTheEnglishCommands)
{
    std::vector<CMenuBarMenu> english, russian;
    for (int nMenu = IDM_HELP; nMenu <= IDM_MAIN_VIEW; ++nMenu) {
        SetLanguage(L"En");
        ASSERT_TRUE(BuildMenuBar({nMenu}, english)) << nMenu;
        SetLanguage(L"Ru");
        ASSERT_TRUE(BuildMenuBar({nMenu}, russian)) << nMenu;
        EXPECT_EQ(russian[0].m_nMenuId, nMenu + 20);
        EXPECT_FALSE(english[0].m_items.empty()) << nMenu;
        EXPECT_EQ(Commands(russian[0]), Commands(english[0])) << nMenu;
    }
    EXPECT_FALSE(BuildMenuBar({IDM_HELP, IDM_MAIN_VIEW + 1}, russian)) << "a missing menu fails the bar";
}

} // namespace
