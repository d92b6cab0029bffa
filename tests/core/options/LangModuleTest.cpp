#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/views/OptionsPages.h"

#include "core/model/Dates.h"
#include "core/platform/DataFolders.h"
#include "core/platform/Log.h"
#include "TestSupport.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A small French module made in the test: a few strings at id + 400 and the
// Help menu at 540.
const char theFrenchModule[] =
    "string 443 \"Anglais\"\n"
    "string 449 \"Stemmark\"\n"
    "string 33061 \"Aide\"\n"
    "menu 540 \"Aide\"\n"
    "  item 32820 \"&Rubrique\"\n"
    "  item 57666 \"&Sommaire\"\n"
    "  separator\n"
    "  item 57664 \"À &propos...\"\n"
    "end\n"
    "menubar 540 32813 33061\n";

class LangModuleTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_savedFolders = theDataFolders;
        theDataFolders = {m_modules.Path()};
        ::setenv("XDG_STATE_HOME", m_state.Path().c_str(), 1); // a log of the test's own
    }
    void TearDown() override
    {
        SetLanguage(L"En");
        theDataFolders = m_savedFolders;
    }
    void WriteModule(const std::string& strName, const std::string& strText)
    {
        WriteFileBytes(m_modules.Path() / strName, strText);
    }

    CTempFolder m_modules;
    CTempFolder m_state;
    std::vector<std::filesystem::path> m_savedFolders;
};

TEST_F(LangModuleTest, AModuleGivesItsStringsAtTheOffset)
{
    WriteModule("StemmarkLangFra.lang", theFrenchModule);
    SetLanguage(L"Fr");
    ASSERT_NE(theLangModule, nullptr);
    EXPECT_EQ(LoadLangString(IDS_ENGLISH), L"Anglais");
    EXPECT_EQ(LoadLangString(IDS_WARNING), L"Warning") << "a string the module lacks reads in English";

    std::vector<CMenuBarMenu> bar;
    ASSERT_TRUE(BuildMenuBar({IDM_HELP, IDM_FILE}, bar));
    EXPECT_EQ(bar[0].m_nMenuId, IDM_HELP + 40);
    EXPECT_EQ(bar[0].m_strCaption, L"Aide");
    EXPECT_EQ(bar[0].m_items[3].m_strText, L"À &propos...");
    EXPECT_EQ(bar[1].m_nMenuId, IDM_FILE) << "a menu the module lacks comes in English";
    EXPECT_EQ(bar[1].m_strCaption, L"File");
    EXPECT_TRUE(ReadFileBytes(GetLogPath()).empty()) << "a sound module leaves no log line";
}

TEST_F(LangModuleTest, AMissingModuleFallsBackToEnglishAndIsLogged)
{
    SetLanguage(L"Ge");
    EXPECT_TRUE(theLangModuleInUse);
    EXPECT_EQ(LoadLangString(IDS_DIRECTION), L"Direction");
    const std::string log = ReadFileBytes(GetLogPath());
    EXPECT_NE(log.find("StemmarkLangDeu.lang: not found"), std::string::npos) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << "one line";
}

TEST_F(LangModuleTest, OpeningTheGeneralPageResetsTheOffsetsWithoutReadingTheModule)
{
    SetLanguage(L"Ge");
    for (int nOpening = 0; nOpening < 2; ++nOpening) {
        theStringOffset = theMenuOffset = 0;
        EXPECT_EQ(OpenGeneralPage().m_strLang, L"Ge");
        EXPECT_EQ(theStringOffset, 600);
        EXPECT_EQ(theMenuOffset, 60);
    }
    const std::string log = ReadFileBytes(GetLogPath());
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << "the missing module is logged once: " << log;

    // A module that came after the language was set is read at the next switch only.
    WriteModule("StemmarkLangDeu.lang", "string 643 \"Englisch\"\n");
    OpenGeneralPage();
    EXPECT_EQ(theLangModule, nullptr);
    ConfirmGeneralPage(OpenGeneralPage());
    EXPECT_EQ(LoadLangString(IDS_ENGLISH), L"Englisch");
}

TEST_F(LangModuleTest, OpeningTheGeneralPageOverAnotherModuleSwitchesIt)
{
    WriteModule("StemmarkLangFra.lang", theFrenchModule);
    SetLanguage(L"Ru");
    Settings.Lang = L"Fr";
    OpenGeneralPage();
    EXPECT_EQ(theStringOffset, 400);
    EXPECT_EQ(LoadLangString(IDS_ENGLISH), L"Anglais");
}

TEST_F(LangModuleTest, AFaultyModuleKeepsItsGoodLinesAndNamesTheFault)
{
    WriteModule("StemmarkLangFra.lang", "string 443 \"Anglais\"\nstring 406 \"Indication\n\xFF\xFE junk\n");
    SetLanguage(L"Fr");
    EXPECT_EQ(LoadLangString(IDS_ENGLISH), L"Anglais");
    EXPECT_EQ(LoadLangString(IDS_DIRECTION), L"Direction");

    const std::string log = ReadFileBytes(GetLogPath());
    EXPECT_NE(log.find("StemmarkLangFra.lang: line 2: unterminated quote (2 faulty lines skipped)"),
              std::string::npos) << log;
}

TEST_F(LangModuleTest, BinaryJunkAsAModuleDoesNoHarm)
{
    std::string junk;
    for (int i = 0; i < 100000; ++i)
        junk.push_back(static_cast<char>((i * 7919) % 256));
    WriteModule("StemmarkLangFra.lang", junk);
    SetLanguage(L"Fr");
    EXPECT_EQ(LoadLangString(IDS_ENGLISH), L"English");
    std::vector<CMenuBarMenu> bar;
    EXPECT_TRUE(BuildMenuBar({IDM_HELP}, bar));
}

// Changing the language while running takes texts, date words and menus from
// the program's own table or from the shipped module, found where the program
// looks; a module replaces the one before it.
TEST_F(LangModuleTest, EachKindOfLanguageGivesItsOwnTextsAndMenus)
{
    theDataFolders = {STEMMARK_RESOURCES};
    struct CStep {
        const wchar_t* m_pszLang;
        const wchar_t* m_pszAncestors;
        const wchar_t* m_pszRange; // BET 1900 AND 1910 as shown
        int m_nMenuId;
        const wchar_t* m_pszViewCaption;
    };
    const CStep steps[] = {
        {L"En", L"Ancestors", L"BET 1900 AND 1910", IDM_VIEW, L"View"},
        {L"Ru", L"Предки", L"Между 1900 и 1910", IDM_VIEW + 20, L"Просмотр"},
        {L"Fr", L"Ascendants", L"entre 1900 et 1910", IDM_VIEW + 40, L"Affichage"},
        {L"It", L"Antenati", L"tra il 1900 e il 1910", IDM_VIEW + 80, L"Visualizza"},
    };
    for (const CStep& step : steps) {
        SCOPED_TRACE(WideToUtf8(step.m_pszLang));
        SetLanguage(step.m_pszLang);
        EXPECT_EQ(LoadLangString(IDS_ANCESTORS), step.m_pszAncestors);
        EXPECT_EQ(FormatGedcomDate(L"BET 1900 AND 1910", DateTextMode::Display, CDateStyle()), step.m_pszRange);
        std::vector<CMenuBarMenu> bar;
        ASSERT_TRUE(BuildMenuBar({IDM_VIEW}, bar));
        EXPECT_EQ(bar[0].m_nMenuId, step.m_nMenuId);
        EXPECT_EQ(bar[0].m_strCaption, step.m_pszViewCaption);
        EXPECT_EQ(bar[0].m_items[0].m_nCommand, ID_VIEW_ANCESTORS);
    }
    EXPECT_EQ(ReadFileBytes(GetLogPath()), "") << "every module was found and read without fault";
}

} // namespace
