#include "options/Language.h"

#include <gtest/gtest.h>

namespace {

struct CHelpFileCase {
    const char* m_pszName;
    const wchar_t* m_pszLang;
    const wchar_t* m_pszFile;
};

class LangHelpFileTest : public testing::TestWithParam<CHelpFileCase> {
protected:
    void TearDown() override { SetLanguage(L"En"); }
};

// Every language names its help file after its module; a stored code the
// program reads as Russian gets the Russian help.
TEST_P(LangHelpFileTest, TheLanguageNamesItsHelpFile)
{
    SetLanguage(GetParam().m_pszLang);
    EXPECT_EQ(LangHelpFile(L"Stemmark.htm"), GetParam().m_pszFile);
}

INSTANTIATE_TEST_SUITE_P(Languages, LangHelpFileTest,
                         testing::Values(CHelpFileCase{"English", L"En", L"Stemmark.htm"},
                                         CHelpFileCase{"Russian", L"Ru", L"StemmarkLangRus.htm"},
                                         CHelpFileCase{"French", L"Fr", L"StemmarkLangFra.htm"},
                                         CHelpFileCase{"German", L"Ge", L"StemmarkLangDeu.htm"},
                                         CHelpFileCase{"Italian", L"It", L"StemmarkLangIta.htm"},
                                         CHelpFileCase{"UnknownCodeReadsAsRussian", L"Xx", L"StemmarkLangRus.htm"}),
                         [](const testing::TestParamInfo<CHelpFileCase>& caseInfo) { return caseInfo.param.m_pszName; });

} // namespace
