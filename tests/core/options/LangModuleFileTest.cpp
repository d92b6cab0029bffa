#include "core/options/Language.h"
#include "core/options/StringIds.h"

#include "TestSupport.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

namespace {

std::size_t CountOf(const std::wstring& str, wchar_t c)
{
    return static_cast<std::size_t>(std::count(str.begin(), str.end(), c));
}

// What the code relies on in a table, a line a string or menu: which strings
// there are, their blanks at either end (the code joins them to dates, names
// and numbers; only the count text may end in one, as the count follows it)
// and line breaks; each menu's command and its items' commands, keys and tabs.
std::string Shape(const CResourceTable& table, int nStringOffset, int nMenuOffset)
{
    std::ostringstream shape;
    for (int nId = 0; nId < 200; ++nId) {
        if (const std::wstring* pText = table.FindString(nId + nStringOffset)) {
            shape << "string " << nId << (pText->empty() ? " empty" : "")
                  << (pText->starts_with(L' ') ? " lead" : "")
                  << (pText->ends_with(L' ') && nId != IDS_PERSONS_IN_TOTAL ? " trail" : "") << " lines "
                  << CountOf(*pText, L'\n') << '\n';
        }
    }
    for (int nId = IDM_HELP; nId <= IDM_MAIN_VIEW; ++nId) {
        const CMenuBarRecord* pRecord = table.FindMenuBar(nId + nMenuOffset);
        shape << "menu " << nId << " command " << (pRecord ? pRecord->m_nCommand : -1) << ':';
        if (const CMenuResource* pMenu = table.FindMenu(nId + nMenuOffset)) {
            for (const CMenuItem& item : pMenu->m_items) {
                shape << ' ' << (item.m_bSeparator ? -1 : item.m_nCommand)
                      << std::string(CountOf(item.m_strText, L'&'), '&')
                      << std::string(CountOf(item.m_strText, L'\t'), 't');
            }
        }
        shape << '\n';
    }
    return shape.str();
}

// The program's own Russian strings and menus stand 200 and 20 above the
// English ones, in the same shape but for keys some items lack; only Russian
// has no "No text set".
TEST(LangModuleFileTest, TheOwnRussianTableHasTheEnglishShape)
{
    LoadOwnResources();
    std::string strEnglish = Shape(*theOwnResources, 0, 0);
    std::string strRussian = Shape(*theOwnResources, 200, 20);
    const std::size_t nNoText = strEnglish.find("string " + std::to_string(IDS_NO_TEXT_SET) + " ");
    ASSERT_NE(nNoText, std::string::npos);
    strEnglish.erase(nNoText, strEnglish.find('\n', nNoText) + 1 - nNoText);
    std::erase(strEnglish, '&');
    std::erase(strRussian, '&');
    EXPECT_EQ(strRussian, strEnglish);
    EXPECT_EQ(strEnglish.find(":\n"), std::string::npos) << "an empty menu";
}

// The shipped modules, read as they are, have the English strings and menus at
// their offsets and no other strings but the captions of their menu bar; no
// two items of a menu share a key.
TEST(LangModuleFileTest, HasEveryEnglishStringAndMenuAtItsOffset)
{
    LoadOwnResources();
    const std::string strEnglish = Shape(*theOwnResources, 0, 0);
    const std::tuple<const char*, int, int> files[] = {{"StemmarkLangFra.lang", 400, 40},
                                                       {"StemmarkLangDeu.lang", 600, 60},
                                                       {"StemmarkLangIta.lang", 800, 80}};
    for (const auto& [pszFile, nStringOffset, nMenuOffset] : files) {
        SCOPED_TRACE(pszFile);
        const std::string text = ReadFileBytes(std::filesystem::path(STEMMARK_RESOURCES) / pszFile);
        ASSERT_FALSE(text.empty());
        CResourceTable module;
        std::vector<CResourceError> errors;
        module.Parse(text, L"module", errors);
        for (const CResourceError& error : errors)
            ADD_FAILURE() << "line " << error.m_nLine << ": " << WideToUtf8(error.m_strReason);
        EXPECT_EQ(Shape(module, nStringOffset, nMenuOffset), strEnglish);
        EXPECT_EQ(*module.FindString(IDS_PRODUCT_NAME + nStringOffset), L"Stemmark");

        std::set<int> captionIds;
        for (int nId = IDM_HELP + nMenuOffset; nId <= IDM_MAIN_VIEW + nMenuOffset; ++nId) {
            const CMenuBarRecord* pRecord = module.FindMenuBar(nId);
            const CMenuResource* pMenu = module.FindMenu(nId);
            ASSERT_TRUE(pRecord && pMenu) << nId;
            captionIds.insert(pRecord->m_nCaptionId);
            std::set<wchar_t> keys;
            for (const CMenuItem& item : pMenu->m_items) {
                const std::size_t mark = item.m_strText.find(L'&');
                if (mark != std::wstring::npos && mark + 1 < item.m_strText.size()) {
                    EXPECT_TRUE(keys.insert(LowerCaseOf(item.m_strText[mark + 1])).second)
                        << nId << ": two items share a key";
                }
            }
        }
        for (const int nCaptionId : captionIds) {
            EXPECT_TRUE(nCaptionId < nStringOffset || nCaptionId >= nStringOffset + 200) << nCaptionId;
            EXPECT_NE(module.FindString(nCaptionId), nullptr) << "caption " << nCaptionId;
        }
        std::size_t nStrings = captionIds.size();
        for (int nId = nStringOffset; nId < nStringOffset + 200; ++nId)
            nStrings += module.FindString(nId) ? 1 : 0;
        EXPECT_EQ(module.GetStringCount(), nStrings);
        EXPECT_EQ(module.GetMenuCount(), 8u);
        EXPECT_EQ(module.GetMenuBarCount(), 8u);
    }
}

} // namespace
