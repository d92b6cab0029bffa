#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

extern const char theOwnResourceText[];
extern const std::size_t theOwnResourceTextSize;

namespace {

class StringTableTest : public testing::Test {
protected:
    void SetUp() override { SetLanguage(L"En"); }
    void TearDown() override { SetLanguage(L"En"); }
};

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
        const bool bAbsent = nId == 29 || nId == 66;
        EXPECT_EQ(theOwnResources->FindString(nId) == nullptr, bAbsent) << "English " << nId;
        const bool bRussianAbsent = bAbsent || nId == 0;
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
    int m_nId;
    const wchar_t* m_pszEnglish;
    const wchar_t* m_pszRussian;
};

class ExactTextTest : public testing::TestWithParam<CExactText> {
protected:
    void TearDown() override { SetLanguage(L"En"); }
};

TEST_P(ExactTextTest, BothLanguagesGiveTheTextToTheLetter)
{
    SetLanguage(L"En");
    EXPECT_EQ(LoadLangString(GetParam().m_nId), GetParam().m_pszEnglish);
    SetLanguage(L"Ru");
    EXPECT_EQ(LoadLangString(GetParam().m_nId), GetParam().m_pszRussian);
}

INSTANTIATE_TEST_SUITE_P(Table, ExactTextTest, testing::Values(
    CExactText{84, L" AFT ", L" После "},           // qualifiers keep their blanks
    CExactText{85, L" AND ", L" и "},
    CExactText{90, L" TO ", L" до "},
    CExactText{47, L"persons in total", L"всего: "}, // Russian ends in a blank
    CExactText{49, L"Stemmark", L"Stemmark"},        // the product name in every language
    CExactText{26, L"No information about parents' family", L"Нет информации о семье родителей"},
    CExactText{48, L"Person list", L"Cписок лиц"},   // as shipped: a Latin C
    CExactText{108, L"Possible formats of birth date:\n23.12.1923\n12.1923\n1923.\nPlease check your data.",
               L"Возможные форматы дня рождения:\n23.12.1923\n12.1923\n1923.\nПроверьте, пожалуйста, Ваши данные."},
    CExactText{0, L"No text set", L""},              // no Russian entry: empty
    CExactText{29, L"", L""}));                      // no entry in either

TEST_F(StringTableTest, BaseStringsIgnoreTheLanguage)
{
    SetLanguage(L"Ru");
    EXPECT_EQ(LoadBaseString(IDS_QUAL_AFT), L" AFT ");
    EXPECT_EQ(LoadLangString(IDS_ENGLISH), L"Английский");
    EXPECT_EQ(LoadBaseString(IDS_ENGLISH), L"English");
}

// The offsets of each stored language; anything unknown reads as Russian.
TEST_F(StringTableTest, StoredLanguagesSetTheOffsets)
{
    struct CCase { const wchar_t* m_pszLang; int m_nString; int m_nMenu; bool m_bModule; };
    const CCase cases[] = {
        {L"En", 0, 0, false}, {L"Ru", 200, 20, false}, {L"Fr", 400, 40, true},
        {L"Ge", 600, 60, true}, {L"It", 800, 80, true}, {L"Xx", 200, 20, false},
        {L"", 200, 20, false}, {L"en", 200, 20, false},
    };
    for (const CCase& c : cases) {
        SetLanguage(c.m_pszLang);
        EXPECT_EQ(theStringOffset, c.m_nString) << WideToUtf8(c.m_pszLang);
        EXPECT_EQ(theMenuOffset, c.m_nMenu) << WideToUtf8(c.m_pszLang);
        EXPECT_EQ(theLangModuleInUse, c.m_bModule) << WideToUtf8(c.m_pszLang);
        EXPECT_EQ(Settings.Lang, c.m_pszLang) << "the stored code is kept as it was";
    }
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
    const CMenuFact menus[] = {
        {500, 32813, L"Help", L"Помощь", {32820, 57666, 0, 57664}},
        {501, 32813, L"Edit", L"&Редактирование", {57643, 0, 57635, 57634, 57637}},
        {502, 32813, L"File", L"Файл", {57601, 32828, 0, 32773, 57665}},
        {503, 32813, L"Info", L"Данные", {32796, 32797, 32798, 32799}},
        {504, 32870, L"View", L"Просмотр", {32772, 32771, 32786, 32808, 32804}},
        {505, 32823, L"Row", L"Строка", {32826, 32827}},
        {506, 32871, L"View", L"Просмотр", {32844, 0, 32774, 32775}},
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
        EXPECT_EQ(bar[0].m_nMenuId, fact.m_nMenu + 20);
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
}

TEST_F(StringTableTest, AMissingMenuFailsTheBar)
{
    std::vector<CMenuBarMenu> bar;
    EXPECT_FALSE(BuildMenuBar({IDM_HELP, 507}, bar));
}

} // namespace
