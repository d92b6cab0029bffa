#include "core/views/PersonList.h"

#include "core/model/Dates.h"
#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/platform/Collator.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using CEntries = std::vector<std::pair<std::wstring, int>>;

class PersonListTest : public CViewBuilderTest {
protected:

    static CEntries Entries(const CPersonListCriteria& criteria = {})
    {
        CEntries entries;
        for (const CPersonListEntry& entry : BuildPersonList(criteria).m_entries)
            entries.emplace_back(entry.m_strText, entry.m_nPerson);
        return entries;
    }
};

enum : unsigned { kBirth = 1, kDeath = 2, kYearOnly = 4, kAge = 8 };

struct CEntryCase {
    const char* m_pszName;
    unsigned m_nOptions;
    const wchar_t* m_pszBirth;
    const wchar_t* m_pszDeath;
    const wchar_t* m_pszEntry;
};

class EntryTextTest : public PersonListTest, public testing::WithParamInterface<CEntryCase> {};

TEST_P(EntryTextTest, FollowsTheBracketRules)
{
    const CPinnedClock clock({2024, 6, 15});
    const CEntryCase& c = GetParam();
    Settings.PutBirthDate = c.m_nOptions & kBirth;
    Settings.PutDeathDate = c.m_nOptions & kDeath;
    Settings.YearOnly = c.m_nOptions & kYearOnly;
    Settings.PutAge = c.m_nOptions & kAge;
    EXPECT_EQ(FormatPersonListEntry(AddPerson({.m_strName = L"John /Smith/", .m_pszBirth = c.m_pszBirth,
                                               .m_pszDeath = c.m_pszDeath})), c.m_pszEntry);
}

INSTANTIATE_TEST_SUITE_P(Examples, EntryTextTest, testing::Values(
    CEntryCase{"BothYears", kBirth | kDeath | kYearOnly, L"3 MAR 1900", L"3 MAR 1950", L"Smith John [1900 - 1950]"},
    CEntryCase{"NoBirth", kBirth | kDeath | kYearOnly, nullptr, L"3 MAR 1950", L"Smith John [? - 1950]"},
    CEntryCase{"DeathWithoutDate", kBirth | kDeath | kYearOnly, L"3 MAR 1900", L"", L"Smith John [1900 - D]"},
    CEntryCase{"DeathYearOnly", kDeath | kYearOnly, L"3 MAR 1900", L"3 MAR 1950", L"Smith John [D 1950]"},
    CEntryCase{"DeathMarkOnly", kDeath | kYearOnly, L"3 MAR 1900", L"", L"Smith John [D]"},
    CEntryCase{"YearsAndAge", kBirth | kDeath | kYearOnly | kAge, L"3 MAR 1900", L"3 MAR 1950",
               L"Smith John [1900 - 1950 / 50 D]"},
    CEntryCase{"BirthDateAndAge", kBirth | kDeath | kAge, L"3 MAR 1900", nullptr, L"Smith John [03.03.1900 / 124]"},
    CEntryCase{"NoOptions", 0, L"3 MAR 1900", nullptr, L"Smith John"},
    CEntryCase{"TheMarkNeedsNoOption", 0, L"3 MAR 1900", L"1950", L"Smith John [D]"},
    CEntryCase{"DeathDateNotShown", kBirth, L"3 MAR 1900", L"1950", L"Smith John [03.03.1900 - D]"},
    CEntryCase{"QualifierCutOff", kBirth | kYearOnly, L"ABT 1900", nullptr, L"Smith John [1900]"},
    CEntryCase{"NoAgeAndNoMark", kAge, nullptr, L"", L"Smith John"}), CByName());

struct CCriteriaCase {
    CPersonListCriteria m_criteria;
    std::vector<int> m_anListed; // in file order
    const char* m_pszName;
};

CPersonListCriteria Names(const wchar_t* pszFirst, const wchar_t* pszLast, const wchar_t* pszFull = L"")
{
    return {pszLast, pszFirst, pszFull, L"", L"", false};
}

CPersonListCriteria Births(const wchar_t* pszFrom, const wchar_t* pszTo, bool bNoBirthYear = false)
{
    return {L"", L"", L"", pszFrom, pszTo, bNoBirthYear};
}

class CriteriaTest : public PersonListTest, public testing::WithParamInterface<CCriteriaCase> {};

TEST_P(CriteriaTest, ListsThePersonsThatMeetThemAll)
{
    AddPerson({.m_strName = L"John /Smith/", .m_pszBirth = L"1900"});
    AddPerson({.m_strName = L"Marjorie /Brown/", .m_pszBirth = L"5 MAR 1923"});
    AddPerson({.m_strName = L"Иван /Петров/", .m_pszBirth = L"12 DEC 1923"});
    AddPerson({.m_strName = L"Anna /Smithson/", .m_pszBirth = L"ABT 1923"});
    AddPerson({.m_strName = L"Peter /Jones/"});
    AddPerson({.m_strName = L""});
    AddPerson({.m_strName = L"Mary /Jo/", .m_pszBirth = L"31 DEC 1923"});
    std::vector<int> anListed;
    for (const auto& entry : Entries(GetParam().m_criteria))
        anListed.push_back(entry.second);
    std::sort(anListed.begin(), anListed.end());
    EXPECT_EQ(anListed, GetParam().m_anListed) << GetParam().m_pszName;
}

INSTANTIATE_TEST_SUITE_P(Table, CriteriaTest, testing::Values(
    CCriteriaCase{{}, {0, 1, 2, 3, 4, 6}, "no criteria: everyone with a name"},
    CCriteriaCase{Names(L"JO", L""), {0, 1}, "first-name substring, any case"},
    CCriteriaCase{Names(L"", L"smith"), {0, 3}, "last-name substring"},
    CCriteriaCase{Names(L"", L"", L"n sm"), {0}, "full-name substring across the blank"},
    CCriteriaCase{Names(L"ИВА", L"пЕТР"), {2}, "Cyrillic in either case"},
    CCriteriaCase{Names(L"jo", L"BROWN"), {1}, "all criteria together"},
    CCriteriaCase{Names(L" jo", L""), {}, "blanks belong to the criterion"},
    CCriteriaCase{Births(L"05.03.1923", L""), {1}, "first date alone: exactly that date"},
    CCriteriaCase{Births(L"", L"12.12.1923"), {2}, "second date alone: exactly that date"},
    CCriteriaCase{Births(L"01.01.1923", L""), {}, "a year bound is no range"},
    CCriteriaCase{Births(L"05.03.1923", L"31.12.1923"), {1, 2, 6}, "inclusive range"},
    CCriteriaCase{Births(L"", L"", true), {4}, "no birth year: not the unreadable ABT 1923"},
    CCriteriaCase{Births(L"01.01.1800", L"31.12.1999", true), {4}, "no birth year overrides the range"}),
    CByName());

TEST_F(PersonListTest, SortsCaseInsensitivelyAndKeepsEveryPerson)
{
    for (const wchar_t* pszName : {L"Иван /Ёлкин/", L"Zoe /berg/", L"anna /berg/", L"Anna /Berg/",
                                   L"Bob /Adams/", L"Anna /Berg/", L"Zoe /Abercrombie-Smith/",
                                   L"Anna /Abercrombie-Smith/", L"anna /Abercrombie-Smith/"})
        AddPerson({.m_strName = pszName}); // the last three differ only after their first 16 characters
    EXPECT_EQ(Entries(), (CEntries{{L"Abercrombie-Smith Anna", 7}, {L"Abercrombie-Smith anna", 8},
                                   {L"Abercrombie-Smith Zoe", 6}, {L"Adams Bob", 4}, {L"berg anna", 2},
                                   {L"Berg Anna", 3}, {L"Berg Anna", 5}, {L"berg Zoe", 1},
                                   {L"Ёлкин Иван", 0}}));
}

// Orders by the last character only, unlike the default.
class CLastLetterCollator : public CCollator {
    void AppendSortKey(std::wstring_view text, std::string& key) const override { key += char(text.back()); }
};

TEST_F(PersonListTest, SortsByTheCollatorInPlace)
{
    AddPerson({.m_strName = L"Anna /Berg/"});
    AddPerson({.m_strName = L"Bob /Adams/"});
    CLastLetterCollator collator;
    CCollator* pPrevious = SetCollator(&collator);
    const CEntries entries = Entries();
    SetCollator(pPrevious);
    EXPECT_EQ(entries, (CEntries{{L"Berg Anna", 0}, {L"Adams Bob", 1}}));
}

TEST_F(PersonListTest, CaptionCountsTheEntriesInTheLanguage)
{
    AddPerson({.m_strName = L"John /Smith/"});
    AddPerson({.m_strName = L""});
    AddPerson({.m_strName = L"Mary /Smith/", .m_pszDeath = L""});
    EXPECT_EQ(BuildPersonList({}).m_strCaption, L"Select person (2 persons in total)");
    UseLanguage(L"Ru");
    const CPersonListContent content = BuildPersonList({});
    EXPECT_EQ(content.m_strCaption, L"Выберите лицо (всего: 2)") << "one blank before the count";
    EXPECT_EQ(content.m_entries[1].m_strText, L"Smith Mary [У]");
    EXPECT_TRUE(content.m_messages.empty());
    EXPECT_FALSE(content.m_bClose);
}

struct CEmptyCase {
    const char* m_pszName;
    const wchar_t* m_pszOnlyName; // nullptr: no file loaded
    bool m_bCriteria;
    int m_nMessageId;
};

class EmptyListTest : public PersonListTest, public testing::WithParamInterface<CEmptyCase> {};

TEST_P(EmptyListTest, NamesTheMessage)
{
    if (GetParam().m_pszOnlyName)
        AddPerson({.m_strName = GetParam().m_pszOnlyName});
    const CPersonListContent content =
        BuildPersonList(Names(L"", GetParam().m_bCriteria ? L"nobody" : L""));
    EXPECT_TRUE(content.m_entries.empty() && content.m_strCaption.empty());
    const CMessages expected = {
        {LoadLangString(GetParam().m_nMessageId), LoadLangString(IDS_MESSAGE), CMessageIcon::Exclamation}};
    EXPECT_EQ(content.m_messages, expected);
    EXPECT_TRUE(content.m_bClose);
}

INSTANTIATE_TEST_SUITE_P(Messages, EmptyListTest, testing::Values(
    CEmptyCase{"NoFile", nullptr, false, IDS_INPUT_FILE_EMPTY},
    CEmptyCase{"NoFileCriteriaNeverTested", nullptr, true, IDS_INPUT_FILE_EMPTY},
    CEmptyCase{"UnnamedPersonStopsBeforeTheCriteria", L"", true, IDS_INPUT_FILE_EMPTY},
    CEmptyCase{"NobodyMeetsTheCriteria", L"John /Smith/", true, IDS_DATA_NOT_FOUND}), CByName());

struct CBoundCase {
    const char* m_pszName;
    const wchar_t* m_pszTyped;
    const wchar_t* m_pszBound; ///< nullptr: refused with the formats message
};

class BirthBoundTest : public PersonListTest, public testing::WithParamInterface<CBoundCase> {};

TEST_P(BirthBoundTest, TakesEveryListedFormat)
{
    UseLanguage(L"En");
    CMessages messages;
    std::wstring strBound = L"unchanged";
    const bool bTaken = TakeBirthBound(GetParam().m_pszTyped, strBound, messages);
    if (GetParam().m_pszBound) {
        EXPECT_TRUE(bTaken);
        EXPECT_EQ(strBound, GetParam().m_pszBound);
        EXPECT_TRUE(messages.empty());
    } else {
        EXPECT_FALSE(bTaken);
        EXPECT_EQ(strBound, L"unchanged");
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_EQ(messages[0].m_strText.rfind(L"Possible formats of birth date:", 0), 0U);
        EXPECT_EQ(messages[0].m_strCaption, L"Direction");
        EXPECT_EQ(messages[0].m_icon, CMessageIcon::Exclamation);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, BirthBoundTest, testing::Values(
    CBoundCase{"Day", L"23.12.1923", L"23.12.1923"},
    CBoundCase{"Month", L"12.1923", L"01.12.1923"},
    CBoundCase{"YearWithPoint", L"1923.", L"01.01.1923"},
    CBoundCase{"Year", L"1923", L"01.01.1923"},
    CBoundCase{"ShortYearWithPoint", L"23.", L"01.01.1923"},
    CBoundCase{"Empty", L"", L"unchanged"},
    CBoundCase{"PointAlone", L".", nullptr},
    CBoundCase{"TwoPoints", L"1923..", nullptr},
    CBoundCase{"PointFirst", L".1923", nullptr},
    CBoundCase{"Words", L"soon", nullptr}),
    CByName());

// The list makes a date's display text and the text its age is counted from
// in one pass; both must be what the page and the age make of it one by one.
TEST_F(PersonListTest, ListDatesReadAsTheirTextsOneByOne)
{
    const wchar_t* const apszDates[] = {L"", L"12 DEC 1923", L"3 dec 1923", L"DEC 1923", L"Dec 1923", L"1923",
                                        L"23", L"ABT 1900", L"BET 1900 AND 1905", L"FROM 1 JAN 1900 TO 1910",
                                        L"AFT", L"EST 1850 (from a census)", L"(died young)",
                                        L"@#DJULIAN@ 1 JAN 1700", L"1 JAN 0000", L"TO  1900", L"  BEF 1 MAR 1800"};
    std::wstring strDisplay;
    std::wstring strFilled;
    for (const wchar_t* pszLang : {L"En", L"Ru", L"Fr"}) {
        UseLanguage(pszLang);
        for (const int nFormat : {0, 1, 2}) {
            Settings.DateFormat = nFormat;
            for (const wchar_t* pszDate : apszDates) {
                FormatListDateTo(strDisplay, strFilled, pszDate);
                EXPECT_EQ(strDisplay, FormatGedcomDate(pszDate, DateTextMode::Display)) << pszLang << nFormat << pszDate;
                EXPECT_EQ(strFilled, FormatGedcomDate(pszDate, DateTextMode::DottedFilled)) << pszLang << pszDate;
            }
        }
    }
}

TEST_F(PersonListTest, SelectedPersonWarnsWhenNothingIsSelected)
{
    CMessages messages;
    EXPECT_EQ(SelectedPerson(3, messages), 3);
    EXPECT_EQ(SelectedPerson(-1, messages), -1);
    const CMessages expected = {{L"Please select a person", L"Direction", CMessageIcon::Exclamation}};
    EXPECT_EQ(messages, expected);
}

} // namespace
