#include "core/options/Language.h"
#include "core/options/StringIds.h"

#include "TestSupport.h"

#include <algorithm>
#include <set>

namespace {

const std::filesystem::path theResources = STEMMARK_RESOURCES;

struct CModuleFile {
    const char* m_pszFile;
    int m_nStringOffset;
    int m_nMenuOffset;
};

std::ptrdiff_t CountOf(const std::wstring& str, wchar_t c)
{
    return std::count(str.begin(), str.end(), c);
}

const CResourceTable& English()
{
    LoadOwnResources();
    return *theOwnResources;
}

// The shipped modules, read as they are: every English string and menu must
// stand at its offset, and nothing else but the captions of the menu bar.
class LangModuleFileTest : public testing::TestWithParam<CModuleFile> {
protected:
    void SetUp() override
    {
        const std::string text = ReadFileBytes(theResources / GetParam().m_pszFile);
        ASSERT_FALSE(text.empty()) << GetParam().m_pszFile;
        std::vector<CResourceError> errors;
        m_module.Parse(text, L"module", errors);
        for (const CResourceError& error : errors)
            ADD_FAILURE() << "line " << error.m_nLine << ": " << WideToUtf8(error.m_strReason);
    }

    CResourceTable m_module;
};

TEST_P(LangModuleFileTest, HasEveryEnglishStringAtItsOffsetAndNoOther)
{
    const int nOffset = GetParam().m_nStringOffset;
    std::size_t nEnglish = 0;
    for (int nId = 0; nId < 200; ++nId) {
        const std::wstring* pEnglish = English().FindString(nId);
        const std::wstring* pText = m_module.FindString(nId + nOffset);
        if (!pEnglish) {
            EXPECT_EQ(pText, nullptr) << "English has no " << nId;
            continue;
        }
        ++nEnglish;
        ASSERT_NE(pText, nullptr) << "missing " << nId;
        ASSERT_FALSE(pText->empty()) << nId;
        // The code joins these texts to dates, names and numbers; only the
        // count text may end in a blank, as the count follows it.
        EXPECT_EQ(pText->front() == L' ', pEnglish->front() == L' ') << nId;
        if (nId != IDS_PERSONS_IN_TOTAL) {
            EXPECT_EQ(pText->back() == L' ', pEnglish->back() == L' ') << nId;
        }
        EXPECT_EQ(CountOf(*pText, L'\n'), CountOf(*pEnglish, L'\n')) << nId;
    }
    EXPECT_EQ(*m_module.FindString(IDS_PRODUCT_NAME + nOffset), L"Stemmark");

    std::set<int> captionIds;
    for (int nId = IDM_HELP; nId <= IDM_MAIN_VIEW; ++nId) {
        if (const CMenuBarRecord* pRecord = m_module.FindMenuBar(nId + GetParam().m_nMenuOffset))
            captionIds.insert(pRecord->m_nCaptionId);
    }
    for (const int nCaptionId : captionIds) {
        EXPECT_TRUE(nCaptionId < nOffset || nCaptionId >= nOffset + 200) << nCaptionId;
        EXPECT_NE(m_module.FindString(nCaptionId), nullptr) << "caption " << nCaptionId;
    }
    EXPECT_EQ(m_module.GetStringCount(), nEnglish + captionIds.size());
}

TEST_P(LangModuleFileTest, HasEveryEnglishMenuWithItsCommands)
{
    for (int nId = IDM_HELP; nId <= IDM_MAIN_VIEW; ++nId) {
        const int nMenuId = nId + GetParam().m_nMenuOffset;
        const CMenuResource* pMenu = m_module.FindMenu(nMenuId);
        const CMenuBarRecord* pRecord = m_module.FindMenuBar(nMenuId);
        ASSERT_NE(pMenu, nullptr) << nMenuId;
        ASSERT_NE(pRecord, nullptr) << nMenuId;
        EXPECT_EQ(pRecord->m_nCommand, English().FindMenuBar(nId)->m_nCommand) << nMenuId;

        const std::vector<CMenuItem>& englishItems = English().FindMenu(nId)->m_items;
        ASSERT_EQ(pMenu->m_items.size(), englishItems.size()) << nMenuId;
        std::set<wchar_t> keys;
        for (std::size_t i = 0; i < englishItems.size(); ++i) {
            const CMenuItem& item = pMenu->m_items[i];
            const CMenuItem& english = englishItems[i];
            EXPECT_EQ(item.m_bSeparator, english.m_bSeparator) << nMenuId << " item " << i;
            EXPECT_EQ(item.m_nCommand, english.m_nCommand) << nMenuId << " item " << i;
            EXPECT_EQ(CountOf(item.m_strText, L'&'), CountOf(english.m_strText, L'&')) << nMenuId << " item " << i;
            EXPECT_EQ(CountOf(item.m_strText, L'\t'), CountOf(english.m_strText, L'\t')) << nMenuId << " item " << i;
            const std::size_t mark = item.m_strText.find(L'&');
            if (mark != std::wstring::npos && mark + 1 < item.m_strText.size()) {
                EXPECT_TRUE(keys.insert(LowerCaseOf(item.m_strText[mark + 1])).second)
                    << nMenuId << ": two items share one accelerator";
            }
        }
    }
    EXPECT_EQ(m_module.GetMenuCount(), 7u);
    EXPECT_EQ(m_module.GetMenuBarCount(), 7u);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LangModuleFileTest, testing::Values(
    CModuleFile{"StemmarkLangFra.lang", 400, 40},
    CModuleFile{"StemmarkLangDeu.lang", 600, 60},
    CModuleFile{"StemmarkLangIta.lang", 800, 80}),
    [](const testing::TestParamInfo<CModuleFile>& row) { return TestName(row.param.m_pszFile); });

} // namespace
