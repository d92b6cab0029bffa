#include "core/model/Dates.h"

#include "TestSupport.h"

namespace {

using DatesTest = CViewBuilderTest;

const CDateStyle theDotted;

// The results of the design's table, dd.mm.yyyy: tests/data/cases/dates-format.txt.
TEST_F(DatesTest, FormatGedcomDateGivesTheTextOfEachMode)
{
    for (const CCaseRow& c : ReadCases("dates-format")) {
        SCOPED_TRACE(c.m_strLine);
        EXPECT_EQ(FormatGedcomDate(c[0], DateTextMode::Display, theDotted), c[1]);
        EXPECT_EQ(FormatGedcomDate(c[0], DateTextMode::Dotted, theDotted), c[2]);
        EXPECT_EQ(FormatGedcomDate(c[0], DateTextMode::DottedFilled, theDotted), c[3]);
        EXPECT_EQ(FormatGedcomDate(c[0], DateTextMode::Raw, theDotted), c[0]);
    }
}

// tests/data/cases/dates-dual.txt, with dates that look like dual years and are none.
TEST_F(DatesTest, ADualYearIsShownAsWrittenAndCountsAsItsLaterYear)
{
    const CDateStyle slashed{1};
    for (const CCaseRow& c : ReadCases("dates-dual")) {
        SCOPED_TRACE(c.m_strLine);
        EXPECT_EQ(FormatGedcomDate(c[0], DateTextMode::Display, theDotted), c[1]);
        EXPECT_EQ(FormatGedcomDate(c[0], DateTextMode::Display, slashed), c[2]);
        const std::wstring strDotted = FormatGedcomDate(c[0], DateTextMode::Dotted, slashed);
        EXPECT_EQ(strDotted, c[3]);
        EXPECT_EQ(FormatGedcomDate(c[0], DateTextMode::DottedFilled, slashed), c[4]);
        EXPECT_EQ(CDateKey(strDotted).GetKey(), c.Int(5));
    }
}

TEST_F(DatesTest, OnlyDisplayFollowsTheDateFormat)
{
    const CDateStyle slashed{1};
    EXPECT_EQ(FormatGedcomDate(L"5 MAR 1900", DateTextMode::Display, slashed), L"03/05/1900");
    EXPECT_EQ(FormatGedcomDate(L"12 XYZ 1923", DateTextMode::Display, slashed), L"12/1923");
    EXPECT_EQ(FormatGedcomDate(L"12 DEC 23", DateTextMode::Display, slashed), L"12/12/");
    EXPECT_EQ(FormatGedcomDate(L"5 MAR 1900", DateTextMode::Dotted, slashed), L"05.03.1900");
    EXPECT_EQ(FormatGedcomDate(L"MAR 1900", DateTextMode::DottedFilled, slashed), L"01.03.1900");
    const CDateStyle unknown{2}; // empty, but only for dates that are cut
    EXPECT_EQ(FormatGedcomDate(L"12 DEC 1923", DateTextMode::Display, unknown), L"");
    EXPECT_EQ(FormatGedcomDate(L"ABT 1923", DateTextMode::Display, unknown), L"ABT 1923");
}

TEST_F(DatesTest, KeywordsArePutInTheLanguageAndTheRestStays)
{
    for (const CCaseRow& c : ReadCases("dates-russian")) {
        SCOPED_TRACE(c.m_strLine);
        for (const DateTextMode mode : {DateTextMode::Display, DateTextMode::Dotted, DateTextMode::DottedFilled}) {
            SetLanguage(L"En");
            EXPECT_EQ(FormatGedcomDate(c[0], mode, theDotted), c[0]);
            SetLanguage(L"Ru");
            EXPECT_EQ(FormatGedcomDate(c[0], mode, theDotted), c[1]);
        }
    }
}

TEST(DateTextTest, NormalAndSortableForms)
{
    for (const CCaseRow& c : ReadCases("dates-normal"))
        EXPECT_EQ(NormalizeDateText(c[0], TwoDigitYearPivot), c[1]) << c.m_strLine;
    for (const CCaseRow& c : ReadCases("dates-sortable")) {
        EXPECT_EQ(MakeSortableDate(c[0]), c[1]) << c.m_strLine;
        EXPECT_EQ(ComputeDateKey(c[0]), c.Int(2)) << c.m_strLine;
    }
}

TEST(DateTextTest, GedcomDateKeyOrdersByTheFirstDate)
{
    for (const CCaseRow& c : ReadCases("dates-gedcom-key"))
        EXPECT_EQ(ComputeGedcomDateKey(c[0]), c.Int(1)) << c.m_strLine;
}

TEST(DateKeyTest, HoldsTheNormalFormAndItsPlaces)
{
    CDateKey key(L"5.3.23");
    EXPECT_EQ(key.GetText(), L"05.03.1923");
    EXPECT_EQ(key.GetKey(), 19230305);
    EXPECT_EQ(key.GetDay(), 5);
    EXPECT_EQ(key.GetMonth(), 3);
    EXPECT_EQ(key.GetYear(), 1923);
    key = L"ABT 1923";
    EXPECT_EQ(key.GetText(), L"*");
    EXPECT_EQ(key.GetKey(), 0);
    EXPECT_EQ(key.GetYear(), 0) << "a one-character text has no year place";
    // A bound of a year matches a birth written as that year, not one within it.
    EXPECT_EQ(CDateKey(FormatGedcomDate(L"1923", DateTextMode::Dotted, theDotted)).GetKey(), CDateKey(L"1923").GetKey());
    EXPECT_NE(CDateKey(FormatGedcomDate(L"5 MAR 1923", DateTextMode::Dotted, theDotted)).GetKey(), CDateKey(L"1923").GetKey());
}

TEST_F(DatesTest, FormatAgeCountsCompletedYears)
{
    const CPinnedClock clock({2024, 6, 15});
    for (const CCaseRow& c : ReadCases("dates-age")) {
        CDocument doc;
        const CPerson& person = ::AddPerson(doc, {.m_pszBirth = c.Ptr(0), .m_pszDeath = c.Ptr(1)});
        EXPECT_EQ(FormatAge(doc, person), c[2]) << c.m_strLine;
    }
}

} // namespace
