#include "core/model/Dates.h"

#include "core/options/Settings.h"
#include "TestSupport.h"

#include <climits>

namespace {

using DatesTest = CViewBuilderTest;

// Rows named by their date text, which holds no two alike within a table.
struct CByDate {
    template <class TCase>
    std::string operator()(const testing::TestParamInfo<TCase>& info) const
    {
        return "On" + TestName(WideToUtf8(info.param.m_pszDate));
    }
};

// The results of the design's table, dd.mm.yyyy.
struct CFormatCase {
    const wchar_t* m_pszDate;
    const wchar_t* m_pszDisplay;
    const wchar_t* m_pszDotted;
    const wchar_t* m_pszFilled;
};

class FormatGedcomDateTest : public DatesTest, public testing::WithParamInterface<CFormatCase> {};

TEST_P(FormatGedcomDateTest, GivesTheTextOfEachMode)
{
    const CFormatCase& c = GetParam();
    EXPECT_EQ(FormatGedcomDate(c.m_pszDate, DateTextMode::Display), c.m_pszDisplay);
    EXPECT_EQ(FormatGedcomDate(c.m_pszDate, DateTextMode::Dotted), c.m_pszDotted);
    EXPECT_EQ(FormatGedcomDate(c.m_pszDate, DateTextMode::DottedFilled), c.m_pszFilled);
    EXPECT_EQ(FormatGedcomDate(c.m_pszDate, DateTextMode::Raw), c.m_pszDate);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatGedcomDateTest, testing::Values(
    CFormatCase{L"12 DEC 1923", L"12.12.1923", L"12.12.1923", L"12.12.1923"},
    CFormatCase{L"1 JAN 1900", L"01.01.1900", L"01.01.1900", L"01.01.1900"},
    CFormatCase{L"3 Mar 1900", L"03.03.1900", L"03.03.1900", L"03.03.1900"},
    CFormatCase{L"DEC 1923", L"DEC 1923", L"DEC 1923", L"01.12.1923"},
    CFormatCase{L"1923", L"1923", L"1923", L"1923"},
    CFormatCase{L"ABT 1923", L"ABT 1923", L"ABT 1923", L"ABT 1923"},
    CFormatCase{L"BEF 1923", L"BEF 1923", L"BEF 1923", L"BEF 1923"},
    CFormatCase{L"12 XYZ 1923", L"12.1923", L"12.1923", L"12.1923"},
    CFormatCase{L"12 DEC 23", L"12.12.", L"12.12.", L"12.12."}), CByDate());

INSTANTIATE_TEST_SUITE_P(EdgeCases, FormatGedcomDateTest, testing::Values(
    CFormatCase{L"BET1900", L"BET1900", L"BET1900", L"BET1900"},                 // no blank after the keyword
    CFormatCase{L"bet 1900 and 1910", L"bet 1900 and 1910", L"bet 1900 and 1910",
                L"bet 1900 and 1910"},                                            // keywords only in capitals
    CFormatCase{L"AFT 12 DEC 1923", L"AFT 12 DEC 1923", L"AFT 12 DEC 1923", L"AFT 12 DEC 1923"}, // not cut
    CFormatCase{L"3 dec 1923", L"03.12.1923", L"03.12.1923", L"03.12.1923"},      // upper-cased after a day
    CFormatCase{L"dec 1923", L"dec 1923", L"dec 1923", L"dec 1923"},             // but not at the start
    CFormatCase{L"DEC1923", L"DEC1923", L"DEC1923", L"01.12.1923"},
    CFormatCase{L"123 DEC 1923", L"123.12.1923", L"123.12.1923", L"123.12.1923"},
    CFormatCase{L"12 DEC 1923 (?)", L"12.12.", L"12.12.", L"12.12."},           // the year is the last four
    CFormatCase{L"", L"", L"", L""}), CByDate());

TEST_F(DatesTest, OnlyDisplayFollowsTheDateFormat)
{
    Settings.DateFormat = 1;
    EXPECT_EQ(FormatGedcomDate(L"5 MAR 1900", DateTextMode::Display), L"03/05/1900");
    EXPECT_EQ(FormatGedcomDate(L"12 XYZ 1923", DateTextMode::Display), L"12/1923");
    EXPECT_EQ(FormatGedcomDate(L"12 DEC 23", DateTextMode::Display), L"12/12/");
    EXPECT_EQ(FormatGedcomDate(L"5 MAR 1900", DateTextMode::Dotted), L"05.03.1900");
    EXPECT_EQ(FormatGedcomDate(L"MAR 1900", DateTextMode::DottedFilled), L"01.03.1900");
    Settings.DateFormat = 2; // unknown: empty, but only for dates that are cut
    EXPECT_EQ(FormatGedcomDate(L"12 DEC 1923", DateTextMode::Display), L"");
    EXPECT_EQ(FormatGedcomDate(L"ABT 1923", DateTextMode::Display), L"ABT 1923");
}

struct CQualifierCase {
    const wchar_t* m_pszDate;
    const wchar_t* m_pszRussian;
};

class QualifierTest : public DatesTest, public testing::WithParamInterface<CQualifierCase> {};

TEST_P(QualifierTest, KeywordsArePutInTheLanguageAndTheRestStays)
{
    for (const DateTextMode mode : {DateTextMode::Display, DateTextMode::Dotted, DateTextMode::DottedFilled}) {
        SetLanguage(L"En");
        EXPECT_EQ(FormatGedcomDate(GetParam().m_pszDate, mode), GetParam().m_pszDate);
        SetLanguage(L"Ru");
        EXPECT_EQ(FormatGedcomDate(GetParam().m_pszDate, mode), GetParam().m_pszRussian);
    }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndRussian, QualifierTest, testing::Values(
    CQualifierCase{L"AFT 12 JAN 1900", L"После 12 JAN 1900"},
    CQualifierCase{L"BET 1900 AND 1910", L"Между 1900 и 1910"},
    CQualifierCase{L"BEF 1923", L"Перед 1923"},
    CQualifierCase{L"EST 1923", L"Примерно 1923"},
    CQualifierCase{L"FROM 1900 TO 1910", L"С 1900 до 1910"},
    CQualifierCase{L"FROM 1900 TO 1905 TO 1910", L"С 1900 до 1905 до 1910"}, // every occurrence
    CQualifierCase{L"1900 TO 1910", L"1900 до 1910"},                        // not the first word
    CQualifierCase{L"ABT 1923", L"ABT 1923"},                                // no entry for ABT
    CQualifierCase{L"BET 1900 AND", L"Между 1900 AND"}), CByDate());          // no blank after AND

struct CNormalCase {
    const char* m_pszName;
    const wchar_t* m_pszTyped;
    const wchar_t* m_pszNormal;
};

class NormalizeDateTextTest : public testing::TestWithParam<CNormalCase> {};

TEST_P(NormalizeDateTextTest, GivesTheNormalForm)
{
    EXPECT_EQ(NormalizeDateText(GetParam().m_pszTyped, TwoDigitYearPivot), GetParam().m_pszNormal);
}

INSTANTIATE_TEST_SUITE_P(Table, NormalizeDateTextTest, testing::Values(
    CNormalCase{"Day", L"23.12.1923", L"23.12.1923"}, CNormalCase{"Month", L"12.1923", L"01.12.1923"},
    CNormalCase{"TwoDigitYear", L"5.3.23", L"05.03.1923"}, CNormalCase{"YearAfter2000", L"5.3.05", L"05.03.2005"},
    CNormalCase{"Year", L"1923", L"01.01.1923"},
    // The year becomes the month and no year is left: stored dates of this
    // shape stay unreadable; only the search form takes its point off.
    CNormalCase{"YearWithPoint", L"1923.", L"*"}, CNormalCase{"Slashes", L"23/12/1923", L"*"},
    CNormalCase{"ThreeDigitDay", L"123.12.1923", L"*"}, CNormalCase{"NoSuchMonth", L"45.13.1923", L"45.13.1923"}),
    CByName());

INSTANTIATE_TEST_SUITE_P(EdgeCases, NormalizeDateTextTest, testing::Values(
    CNormalCase{"Empty", L"", L""},
    CNormalCase{"PivotYear", L"5.3.20", L"05.03.2020"}, CNormalCase{"AfterThePivot", L"5.3.21", L"05.03.1921"},
    CNormalCase{"Year00", L"5.3.00", L"05.03.2000"},
    CNormalCase{"OneDigitYearPadded", L"5.3.5", L"05.03.2005"},
    CNormalCase{"ThreeDigitYearTooShort", L"5.3.923", L"*"},
    CNormalCase{"TextAfterAThirdPointIgnored", L"1.2.1923.7", L"01.02.1923"},
    CNormalCase{"TrailingBlank", L"23.12.1923 ", L"*"}, CNormalCase{"GedcomDate", L"12 DEC 1923", L"*"},
    CNormalCase{"FiveDigitYear", L"1.1.19234", L"*"}), CByName());

struct CSortCase {
    const char* m_pszName;
    const wchar_t* m_pszText;
    const wchar_t* m_pszSortable;
    int m_nKey;
};

class SortableDateTest : public testing::TestWithParam<CSortCase> {};

TEST_P(SortableDateTest, PutsTheYearFirstAndKeysTheDate)
{
    EXPECT_EQ(MakeSortableDate(GetParam().m_pszText), GetParam().m_pszSortable);
    EXPECT_EQ(ComputeDateKey(GetParam().m_pszText), GetParam().m_nKey);
}

INSTANTIATE_TEST_SUITE_P(BothFormats, SortableDateTest, testing::Values(
    CSortCase{"Year", L"1923", L"1923.01.01", 19230101},
    CSortCase{"DottedMonth", L"12.1923", L"1923.12.01", 19231201},
    CSortCase{"SlashedMonth", L"12/1923", L"1923/12/01", 19231201},
    CSortCase{"DottedDay", L"25.12.1923", L"1923.12.25", 19231225},
    CSortCase{"SlashedDay", L"12/25/1923", L"1923/12/25", 19231225},
    CSortCase{"QualifiedSortsByItsText", L"BEF 1923", L"BEF 1923", 0},
    CSortCase{"Unreadable", L"*", L"*", 0},
    CSortCase{"Empty", L"", L"", -1},
    CSortCase{"NoYear", L"12.12.", L"12.12.", 1212},
    CSortCase{"TooLargeForAKey", L"123456789012", L"123456789012", INT_MAX}), CByName());

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
    EXPECT_EQ(CDateKey(FormatGedcomDate(L"1923", DateTextMode::Dotted)).GetKey(), CDateKey(L"1923").GetKey());
    EXPECT_NE(CDateKey(FormatGedcomDate(L"5 MAR 1923", DateTextMode::Dotted)).GetKey(), CDateKey(L"1923").GetKey());
}

struct CAgeCase {
    const wchar_t* m_pszBirth; // nullptr: no birth event
    const wchar_t* m_pszDeath; // nullptr: no death event; "" a death without date
    const wchar_t* m_pszAge;
    const char* m_pszName;
};

class FormatAgeTest : public DatesTest, public testing::WithParamInterface<CAgeCase> {};

TEST_P(FormatAgeTest, CountsCompletedYears)
{
    const CPinnedClock clock({2024, 6, 15});
    CPerson& person = AddPerson({.m_strId = L"@I1@"});
    if (GetParam().m_pszBirth)
        person.m_birth.Edit().m_strDate = GetParam().m_pszBirth;
    if (GetParam().m_pszDeath) {
        person.m_death.Edit().m_bPresent = true;
        person.m_death.Edit().m_strDate = GetParam().m_pszDeath;
    }
    EXPECT_EQ(FormatAge(person), GetParam().m_pszAge) << GetParam().m_pszName;
}

INSTANTIATE_TEST_SUITE_P(LivingAndDead, FormatAgeTest, testing::Values(
    CAgeCase{L"5 MAR 1923", nullptr, L"101", "living, to today"},
    CAgeCase{L"15 JUN 1924", nullptr, L"100", "a birthday today completes the year"},
    CAgeCase{L"1923", nullptr, L"101", "a year alone is its first of January"},
    CAgeCase{L"DEC 1923", nullptr, L"100", "a month is its first day"},
    CAgeCase{L"5 MAR 1923", L"10 JAN 1990", L"66 D", "dead, to the death date"},
    CAgeCase{L"3 MAR 1900", L"3 MAR 1950", L"50 D", "the fiftieth birthday completes fifty years"},
    CAgeCase{L"29 FEB 1904", L"28 FEB 1905", L"0 D", "a leap-day birth is one on the first of March"},
    CAgeCase{L"29 FEB 1904", L"1 MAR 1905", L"1 D", "and the first of March completes the year"},
    CAgeCase{L"5 MAR 1923", L"", L"101 D*", "dead without a death date"},
    CAgeCase{L"5 MAR 1923", L"ABT 1990", L"101 D*", "dead with an unusable death date"},
    CAgeCase{L"5 MAR 1923", L"1 JAN 0000", L"101 D*", "a death in year 0"},
    CAgeCase{nullptr, nullptr, L"", "no birth date"},
    CAgeCase{L"ABT 1923", nullptr, L"", "a birth without a usable year"},
    CAgeCase{L"ABT 1923", L"1990", L" D", "the mark alone"},
    CAgeCase{L"1 JAN 0000", L"", L" D", "a birth in year 0: the mark alone"},
    CAgeCase{L"1 JAN 2030", nullptr, L"-5", "a birth in the future"}), CByName());

INSTANTIATE_TEST_SUITE_P(NoCalendarDates, FormatAgeTest, testing::Values(
    CAgeCase{L"31 FEB 1900", L"4 MAR 1950", L"50 D", "31.02.1900 runs on to 3 March"},
    CAgeCase{L"31 FEB 1900", L"2 MAR 1950", L"49 D", "so the 2nd of March is short of 50"},
    CAgeCase{L"45.13 JAN 1923", nullptr, L"22", "45.13.2001 runs on to 14 February 2002"},
    CAgeCase{L"1 JAN 1900", L"99 DEC 1999", L"100 D", "an impossible death day"}), CByName());

} // namespace
