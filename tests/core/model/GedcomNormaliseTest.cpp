#include "core/model/GedcomParser.h"
#include "core/model/GedcomReader.h"

#include <gtest/gtest.h>

namespace {

struct NormalCase {
    const wchar_t* text;
    const wchar_t* normal;
};

class LineNormaliseTest : public testing::TestWithParam<NormalCase> {};

TEST_P(LineNormaliseTest, GivesTheLineTheReaderSees)
{
    std::wstring out = L"stale";
    NormaliseGedcomLine(GetParam().text, out);
    EXPECT_EQ(out, GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineNormaliseTest, testing::Values(
    NormalCase{L" \t1 NAME  John   Smith \r\n", L"1 NAME John Smith"},
    NormalCase{L"1 NAME John/Smith/", L"1 NAME John /Smith/"},      // only the first slash
    NormalCase{L"2 DATE 12/05/1900", L"2 DATE 12 /05/1900"},
    NormalCase{L"1 NAME /Smith/", L"1 NAME /Smith/"},               // a blank is there already
    NormalCase{L"/x", L"/x"},                                       // nothing before the slash
    NormalCase{L"1 NOTE a(b)(c) (d)", L"1 NOTE a (b) (c) (d)"},
    NormalCase{L"(a)b(c)", L"(a)b(c)"},                             // a leading parenthesis ends the scan
    NormalCase{L"1 NOTE a\tb", L"1 NOTE a\tb"},                      // inner tabs stay
    NormalCase{L" \t\r ", L""}));

class PlaceNormaliseTest : public testing::TestWithParam<NormalCase> {};

TEST_P(PlaceNormaliseTest, GivesTheStoredPlace)
{
    std::wstring place = GetParam().text;
    NormalisePlace(place);
    EXPECT_EQ(place, GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Places, PlaceNormaliseTest, testing::Values(
    NormalCase{L"Moscow,Russia", L"Moscow, Russia."},
    NormalCase{L"Moscow, Russia,", L"Moscow, Russia."},             // one trailing comma goes
    NormalCase{L"Town,,", L"Town, ."},                              // only one
    NormalCase{L"A,,,B , C.", L"A, B , C."},                         // comma runs, blank runs
    NormalCase{L"", L"."}));

} // namespace
