#include "app/OpeningMessage.h"

#include "TestSupport.h"
#include "model/GedcomReader.h"
#include "options/Language.h"

#include <gtest/gtest.h>

namespace {

struct COpeningCase {
    const char* m_pszName;
    const char* m_pszBytes; ///< nullptr: no file at all
    const wchar_t* m_pszText; ///< "%s" stands for the path
    const wchar_t* m_pszCaption;
    CMessageIcon m_icon;
};

class OpeningMessageTest : public testing::TestWithParam<COpeningCase> {
protected:
    void SetUp() override { SetLanguage(L"En"); }
    void TearDown() override
    {
        ClearTables();
        theFileFolder.clear();
    }

    CTempFolder m_folder;
    CRecordingSink m_boxes;
};

TEST_P(OpeningMessageTest, TellsWhatTheReadingGave)
{
    const std::filesystem::path path = m_folder.Path() / "file.ged";
    if (GetParam().m_pszBytes)
        WriteFileBytes(path, GetParam().m_pszBytes);
    const bool bRead = ReadGedcomFile(path.wstring());
    const COpeningMessage message = GetOpeningMessage(path.wstring(), bRead);
    std::wstring strText = GetParam().m_pszText;
    if (const std::size_t nAt = strText.find(L"%s"); nAt != std::wstring::npos)
        strText.replace(nAt, 2, path.wstring());
    EXPECT_EQ(message.m_strText, strText);
    EXPECT_EQ(message.m_strCaption, GetParam().m_pszCaption);
    EXPECT_EQ(message.m_icon, GetParam().m_icon);
}

INSTANTIATE_TEST_SUITE_P(Files, OpeningMessageTest, testing::Values(
    COpeningCase{"Missing", nullptr, L"Can't open source file %s.\nNo such file or directory", L"Stemmark",
                 CMessageIcon::Stop},
    COpeningCase{"FamilyOnly", "0 @F1@ FAM\n", L"", L"", CMessageIcon::Exclamation},     // not empty
    COpeningCase{"LevelAboveNine", "0 @I1@ INDI\n10 X\n", L"", L"", CMessageIcon::Exclamation}), // its own box
    [](const testing::TestParamInfo<COpeningCase>& param) { return std::string(param.param.m_pszName); });

} // namespace
