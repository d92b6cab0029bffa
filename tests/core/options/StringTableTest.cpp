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

struct CMenuFact {
    int m_nMenu;
    int m_nButton;
    const wchar_t* m_pszCaption;
    const wchar_t* m_pszRussianCaption;
    std::vector<int> m_anCommands; // 0 for a separator
};

std::vector<int> Commands(const CMenuBarMenu& menu)
{
    std::vector<int> commands;
    for (const CMenuItem& item : menu.m_items)
        commands.push_back(item.m_bSeparator ? 0 : item.m_nCommand);
    return commands;
}

TEST_F(StringTableTest, MenusCarryTheirCommandsInBothLanguages)
{
    // The commands of the bar's buttons, which the code never names.
    constexpr int kMenuButton = 32813, kViewButton = 32870, kRowButton = 32823, kMainViewButton = 32871;
    const CMenuFact menus[] = {
        {IDM_HELP, kMenuButton, L"Help", L"Помощь", {ID_HELP_TOPIC, ID_HELP_CONTENTS, 0, ID_APP_ABOUT}},
        {IDM_EDIT, kMenuButton, L"Edit", L"&Редактирование",
         {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}},
        {IDM_FILE, kMenuButton, L"File", L"Файл", {ID_FILE_OPEN, ID_COMPARE_WITH_CONTACTS, 0, ID_OPTIONS, ID_APP_EXIT}},
        {IDM_INFO, kMenuButton, L"Info", L"Данные",
         {ID_INFO_HUSBAND, ID_INFO_WIFE, ID_INFO_CHILD, ID_INFO_FAMILY_NOTES}},
        {IDM_VIEW, kViewButton, L"View", L"Просмотр",
         {ID_VIEW_ANCESTORS, ID_VIEW_DESCENDANTS, ID_VIEW_OWN_FAMILY, ID_VIEW_PARENTS_FAMILY, ID_VIEW_INFORMATION}},
        {IDM_ROW, kRowButton, L"Row", L"Строка", {ID_ROW_EXPAND, ID_ROW_COLLAPSE}},
        {IDM_MAIN_VIEW, kMainViewButton, L"View", L"Просмотр", {ID_SEARCH, 0, ID_PERSON_LIST, ID_PATRIARCHY}},
    };
    for (const CMenuFact& fact : menus) {
        std::vector<CMenuBarMenu> bar;
        SetLanguage(L"En");
        ASSERT_TRUE(BuildMenuBar({fact.m_nMenu}, bar)) << fact.m_nMenu;
        EXPECT_EQ(bar[0].m_nMenuId, fact.m_nMenu);
        EXPECT_EQ(bar[0].m_nButtonCommand, fact.m_nButton);
        EXPECT_EQ(bar[0].m_strCaption, fact.m_pszCaption);
        EXPECT_EQ(Commands(bar[0]), fact.m_anCommands) << fact.m_nMenu;

        SetLanguage(L"Ru");
        ASSERT_TRUE(BuildMenuBar({fact.m_nMenu}, bar)) << fact.m_nMenu;
        EXPECT_EQ(bar[0].m_nMenuId, fact.m_nMenu + 20) << "the Russian menus stand 20 above";
        EXPECT_EQ(bar[0].m_nButtonCommand, fact.m_nButton);
        EXPECT_EQ(bar[0].m_strCaption, fact.m_pszRussianCaption) << fact.m_nMenu;
        EXPECT_EQ(Commands(bar[0]), fact.m_anCommands) << fact.m_nMenu;
    }
}

TEST_F(StringTableTest, MenuItemsKeepTheirMarksAndShortcuts)
{
    std::vector<CMenuBarMenu> bar;
    ASSERT_TRUE(BuildMenuBar({IDM_FILE, IDM_MAIN_VIEW, IDM_HELP}, bar));
    ASSERT_EQ(bar.size(), 3u);
    EXPECT_EQ(bar[0].m_items[1].m_strText, L"&Compare with Contacts");
    EXPECT_EQ(bar[1].m_items[3].m_strText, L"Pa&triarchy");
    EXPECT_EQ(bar[2].m_items[3].m_strText, L"&About...");

    ASSERT_TRUE(BuildMenuBar({IDM_EDIT}, bar));
    EXPECT_EQ(bar[0].m_items[0].m_strText, L"&Undo\tCtrl+Z");
    SetLanguage(L"Ru");
    ASSERT_TRUE(BuildMenuBar({IDM_VIEW}, bar));
    EXPECT_EQ(bar[0].m_items[3].m_strText, L"Семья &родителей");
    EXPECT_FALSE(BuildMenuBar({IDM_HELP, IDM_MAIN_VIEW + 1}, bar)) << "a missing menu fails the bar";
}

} // namespace
