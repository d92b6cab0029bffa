#include "core/model/GedcomParser.h"
#include "core/model/GedcomReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct NormalCase {
    const char* m_pszName;
    const wchar_t* text;
    const wchar_t* normal;
    bool m_bPersonRecord = true;
};

class LineNormaliseTest : public testing::TestWithParam<NormalCase> {};

TEST_P(LineNormaliseTest, GivesTheLineTheReaderSees)
{
    std::wstring out = L"stale";
    NormaliseGedcomLine(GetParam().text, out, GetParam().m_bPersonRecord);
    EXPECT_EQ(out, GetParam().normal);
}

// Slash lines from real files: a dual year, a place, a link in a note.
INSTANTIATE_TEST_SUITE_P(Lines, LineNormaliseTest, testing::Values(
    NormalCase{"BlankRuns", L" \t1 NAME  John   Smith \r\n", L"1 NAME John Smith"},
    NormalCase{"BlankBeforeTheFirstSlashOnly", L"1 NAME John/Smith/", L"1 NAME John /Smith/"},
    NormalCase{"NameAfterABlankRun", L"1   NAME John/Smith/", L"1 NAME John /Smith/"},
    NormalCase{"NameOutsideAPerson", L"1 NAME Archive/Library", L"1 NAME Archive/Library", false},
    NormalCase{"TagThatOnlyStartsWithName", L"1 NAMEX a/b", L"1 NAMEX a/b"},
    NormalCase{"SlashesOfADate", L"2 DATE 12/05/1900", L"2 DATE 12/05/1900"},
    NormalCase{"DualYear", L"2 DATE 27 OCT 1699/00", L"2 DATE 27 OCT 1699/00"},
    NormalCase{"SlashInAPlace", L"2 PLAC Orleanais/Centre, France", L"2 PLAC Orleanais/Centre, France"},
    NormalCase{"LinkInANote", L"1 NOTE See http://www.gedcom.org/", L"1 NOTE See http://www.gedcom.org/"},
    NormalCase{"BlankAlreadyBeforeTheSlash", L"1 NAME /Smith/", L"1 NAME /Smith/"},
    NormalCase{"NothingBeforeTheSlash", L"/x", L"/x"},
    NormalCase{"BlankBeforeEachParenthesis", L"1 NOTE a(b)(c) (d)", L"1 NOTE a (b) (c) (d)"},
    NormalCase{"LeadingParenthesisEndsTheScan", L"(a)b(c)", L"(a)b(c)"},
    NormalCase{"InnerTabsStay", L"1 NOTE a\tb", L"1 NOTE a\tb"},
    NormalCase{"BlanksOnly", L" \t\r ", L""}), CByName());

class PlaceNormaliseTest : public testing::TestWithParam<NormalCase> {};

TEST_P(PlaceNormaliseTest, GivesTheStoredPlace)
{
    std::wstring place = GetParam().text;
    NormalisePlace(place);
    EXPECT_EQ(place, GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Places, PlaceNormaliseTest, testing::Values(
    NormalCase{"BlankAfterEachComma", L"Moscow,Russia", L"Moscow, Russia."},
    NormalCase{"TrailingCommaGoes", L"Moscow, Russia,", L"Moscow, Russia."},
    NormalCase{"OnlyOneTrailingCommaGoes", L"Town,,", L"Town, ."},
    NormalCase{"CommaRunsAndBlankRuns", L"A,,,B , C.", L"A, B , C."},
    NormalCase{"AlreadyNormalStays", L"Lyon, Rhône, France", L"Lyon, Rhône, France."},
    NormalCase{"EmptyPartsBetweenBlanks", L"a, , b", L"a, , b."},
    NormalCase{"CommaBeforeTwoBlanks", L"a,  b", L"a, b."},
    NormalCase{"LeadingComma", L",a", L", a."},
    NormalCase{"Empty", L"", L"."}), CByName());

} // namespace
