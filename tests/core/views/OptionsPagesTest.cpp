#include "core/views/OptionsPages.h"

#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "TestSupport.h"

namespace {

class OptionsPagesTest : public CViewBuilderTest {};

// The leading number is the text layer's; the page keeps it within an int.
TEST_F(OptionsPagesTest, TheLevelIsTheFieldsLeadingNumberWithinAnInt)
{
    EXPECT_EQ(LevelFromText(L"4x"), 4);
    EXPECT_EQ(LevelFromText(L"99999999999"), 2147483647);
    EXPECT_EQ(LevelFromText(L"-99999999999"), -2147483647 - 1);
}

TEST_F(OptionsPagesTest, ConfirmingReloadsTheLabelsEvenInTheSameLanguage)
{
    UseLanguage(L"Ru");
    CGeneralPageValues values = OpenGeneralPage();
    EXPECT_EQ(values.m_strLang, L"Ru");
    CNote::theLabel = L"stale";
    ConfirmGeneralPage(values);
    EXPECT_NE(CNote::theLabel, L"stale");
    EXPECT_EQ(theStringOffset, 200);

    values.m_strLang = L"En";
    ConfirmGeneralPage(values);
    EXPECT_EQ(CNote::theLabel, LoadLangString(IDS_NOTES));
    EXPECT_EQ(Settings.Lang, L"En");
}

TEST_F(OptionsPagesTest, AnUnknownStoredCodeChecksNoButtonAndStays)
{
    UseLanguage(L"De");
    Settings.DateFormat = 5;
    const CGeneralPageValues values = OpenGeneralPage();
    EXPECT_EQ(values.m_strLang, L"");
    EXPECT_EQ(values.m_nDateFormat, -1);
    ConfirmGeneralPage(values);
    EXPECT_EQ(Settings.Lang, L"De");
    EXPECT_EQ(theStringOffset, 200);
    EXPECT_FALSE(theLangModuleInUse);
    EXPECT_EQ(Settings.DateFormat, 5);
}

} // namespace
