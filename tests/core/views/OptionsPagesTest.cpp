#include "core/views/OptionsPages.h"

#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class OptionsPagesTest : public CViewBuilderTest {};

TEST_F(OptionsPagesTest, TheLevelIsTheFieldsLeadingNumber)
{
    const struct {
        const wchar_t* m_pszText;
        int m_nLevel;
    } cases[] = {{L"007", 7}, {L"", 0}, {L"4x", 4}, {L"99999999999", 2147483647}, {L" 5", 5}};
    for (const auto& c : cases)
        EXPECT_EQ(LevelFromText(c.m_pszText), c.m_nLevel) << WideToUtf8(c.m_pszText);
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

TEST_F(OptionsPagesTest, ItalianStoredChecksNoButtonAndStays)
{
    UseLanguage(L"It");
    Settings.DateFormat = 5;
    const CGeneralPageValues values = OpenGeneralPage();
    EXPECT_EQ(values.m_strLang, L"");
    EXPECT_EQ(values.m_nDateFormat, -1);
    ConfirmGeneralPage(values);
    EXPECT_EQ(Settings.Lang, L"It");
    EXPECT_EQ(theStringOffset, 800);
    EXPECT_TRUE(theLangModuleInUse);
    EXPECT_EQ(Settings.DateFormat, 5);
}

class OptionBoxTest : public CViewBuilderTest, public testing::WithParamInterface<const CStoredOption*> {};

// Each plain box opens as its option stands and confirms into it alone.
TEST_P(OptionBoxTest, OpensAndConfirmsItsOwnOption)
{
    const CStoredOption& option = *GetParam();
    bool& bSetting = *SettingOf<bool>(option);
    bSetting = !bSetting;
    CGeneralPageValues general = OpenGeneralPage();
    CDisplayPageValues display = OpenDisplayPage();
    COptionBoxes& boxes = option.m_page == EOptionsPage::General ? general.m_boxes : display.m_boxes;
    const COptionBoxes opened = boxes;
    ASSERT_EQ(opened.size(), OptionsOnPage(option.m_page, EOptionControl::CheckBox).size());
    EXPECT_EQ(opened.at(&option), bSetting);
    boxes.at(&option) = !bSetting;
    ConfirmGeneralPage(general);
    ConfirmDisplayPage(display);
    for (const auto& [pOther, bOpened] : opened)
        EXPECT_EQ(*SettingOf<bool>(*pOther), pOther == &option ? !bOpened : bOpened) << WideToUtf8(pOther->m_pszName);
}

std::vector<const CStoredOption*> EveryBox()
{
    std::vector<const CStoredOption*> options = OptionsOnPage(EOptionsPage::General, EOptionControl::CheckBox);
    for (const CStoredOption* pOption : OptionsOnPage(EOptionsPage::Display, EOptionControl::CheckBox))
        options.push_back(pOption);
    return options;
}

INSTANTIATE_TEST_SUITE_P(Table, OptionBoxTest, testing::ValuesIn(EveryBox()),
                         [](const testing::TestParamInfo<const CStoredOption*>& option) {
                             return WideToUtf8(option.param->m_pszName);
                         });

} // namespace
