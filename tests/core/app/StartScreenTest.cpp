#include "core/app/StartScreen.h"

#include "TestSupport.h"

namespace {

struct CFileLineCase {
    const char* m_pszName;
    const wchar_t* m_pszLang;
    const wchar_t* m_pszPath;
    const wchar_t* m_pszLine;
};

class StartScreenTest : public testing::TestWithParam<CFileLineCase> {
protected:
    void TearDown() override { SetLanguage(L"En"); }
};

TEST_P(StartScreenTest, NamesTheFileWithoutItsFolders)
{
    SetLanguage(GetParam().m_pszLang);
    EXPECT_EQ(GetStartScreenFileLine(GetParam().m_pszPath), GetParam().m_pszLine);
}

INSTANTIATE_TEST_SUITE_P(Lines, StartScreenTest, testing::Values(
    CFileLineCase{"English", L"En", L"/home/ann/trees/family.ged", L"GEDCOM-file: family.ged"},
    CFileLineCase{"Russian", L"Ru", L"/home/ann/trees/family.ged", L"GEDCOM-файл: family.ged"},
    CFileLineCase{"NoFolderTheWholePath", L"En", L"family.ged", L"GEDCOM-file: family.ged"},
    CFileLineCase{"AFolderNamesNothing", L"En", L"/home/ann/trees/", L"GEDCOM-file: "},
    CFileLineCase{"NoFileNoLine", L"En", L"", L""}), CByName());

} // namespace
