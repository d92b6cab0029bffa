#include "core/views/PersonList.h"

#include "core/model/Dates.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
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

    CEntries Entries(const CPersonListCriteria& criteria = {})
    {
        CEntries entries;
        for (const CPersonListEntry& entry : BuildPersonList(Doc(), criteria, m_options).m_entries)
            entries.emplace_back(entry.m_strText, entry.m_nPerson);
        return entries;
    }
};

TEST_F(PersonListTest, EntryTextFollowsTheBracketRules)
{
    const CPinnedClock clock({2024, 6, 15});
    for (const CCaseRow& c : ReadCases("list-entry")) {
        SCOPED_TRACE(c.m_strLine);
        CDocument doc;
        CViewOptions options;
        const auto has = [&](const wchar_t* pszOption) { return c[0].find(pszOption) != std::wstring::npos; };
        options.m_list = {has(L"Birth"), has(L"Death"), has(L"Age"), has(L"YearOnly")};
        const CPerson& person = ::AddPerson(doc, {.m_strName = L"John /Smith/", .m_pszBirth = c.Ptr(1), .m_pszDeath = c.Ptr(2)});
        EXPECT_EQ(FormatPersonListEntry(doc, person, options), c[3]);
    }
}

CPersonListCriteria Names(const wchar_t* pszFirst, const wchar_t* pszLast, const wchar_t* pszFull = L"")
{
    return {pszLast, pszFirst, pszFull, L"", L"", false};
}

CPersonListCriteria Births(const wchar_t* pszFrom, const wchar_t* pszTo, bool bNoBirthYear = false)
{
    return {L"", L"", L"", pszFrom, pszTo, bNoBirthYear};
}

TEST_F(PersonListTest, ListsThePersonsThatMeetAllTheCriteria)
{
    AddPerson({.m_strName = L"John /Smith/", .m_pszBirth = L"1900"});
    AddPerson({.m_strName = L"Marjorie /Brown/", .m_pszBirth = L"5 MAR 1923"});
    AddPerson({.m_strName = L"Иван /Петров/", .m_pszBirth = L"12 DEC 1923"});
    AddPerson({.m_strName = L"Anna /Smithson/", .m_pszBirth = L"ABT 1923"});
    AddPerson({.m_strName = L"Peter /Jones/"});
    AddPerson({.m_strName = L""});
    AddPerson({.m_strName = L"Mary /Jo/", .m_pszBirth = L"31 DEC 1923"});
    const struct {
        CPersonListCriteria m_criteria;
        std::vector<int> m_anListed; // in file order
        const char* m_pszName;
    } cases[] = {
        {{}, {0, 1, 2, 3, 4, 6}, "no criteria: everyone with a name"},
        {Names(L"JO", L""), {0, 1}, "first-name substring, any case"},
        {Names(L"", L"smith"), {0, 3}, "last-name substring"},
        {Names(L"", L"", L"n sm"), {0}, "full-name substring across the blank"},
        {Names(L"ИВА", L"пЕТР"), {2}, "Cyrillic in either case"},
        {Names(L"jo", L"BROWN"), {1}, "all criteria together"},
        {Names(L" jo", L""), {}, "blanks belong to the criterion"},
        {Births(L"05.03.1923", L""), {1}, "first date alone: exactly that date"},
        {Births(L"", L"12.12.1923"), {2}, "second date alone: exactly that date"},
        {Births(L"01.01.1923", L""), {}, "a year bound is no range"},
        {Births(L"05.03.1923", L"31.12.1923"), {1, 2, 6}, "inclusive range"},
        {Births(L"", L"", true), {4}, "no birth year: not the unreadable ABT 1923"},
        {Births(L"01.01.1800", L"31.12.1999", true), {4}, "no birth year overrides the range"},
    };
    for (const auto& c : cases) {
        std::vector<int> anListed;
        for (const auto& entry : Entries(c.m_criteria))
            anListed.push_back(entry.second);
        std::sort(anListed.begin(), anListed.end());
        EXPECT_EQ(anListed, c.m_anListed) << c.m_pszName;
    }
}

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
    EXPECT_EQ(BuildPersonList(Doc(), {}, m_options).m_strCaption, L"Select person (2 persons in total)");
    UseLanguage(L"Ru");
    const CPersonListContent content = BuildPersonList(Doc(), {}, m_options);
    EXPECT_EQ(content.m_strCaption, L"Выберите лицо (всего: 2)") << "one blank before the count";
    EXPECT_EQ(content.m_entries[1].m_strText, L"Smith Mary [У]");
    EXPECT_TRUE(content.m_messages.empty());
    EXPECT_FALSE(content.m_bClose);
}

TEST_F(PersonListTest, AnEmptyListNamesItsMessage)
{
    const struct {
        const char* m_pszName;
        const wchar_t* m_pszOnlyName; // nullptr: no file loaded
        bool m_bCriteria;
        int m_nMessageId;
    } cases[] = {
        {"no file", nullptr, false, IDS_INPUT_FILE_EMPTY},
        {"no file: the criteria are never tested", nullptr, true, IDS_INPUT_FILE_EMPTY},
        {"an unnamed person stops before the criteria", L"", true, IDS_INPUT_FILE_EMPTY},
        {"nobody meets the criteria", L"John /Smith/", true, IDS_DATA_NOT_FOUND},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        CDocument doc;
        if (c.m_pszOnlyName)
            ::AddPerson(doc, {.m_strName = c.m_pszOnlyName});
        const CPersonListContent content = BuildPersonList(doc, Names(L"", c.m_bCriteria ? L"nobody" : L""), m_options);
        EXPECT_TRUE(content.m_entries.empty() && content.m_strCaption.empty());
        const CMessages expected = {
            {LoadLangString(c.m_nMessageId), LoadLangString(IDS_MESSAGE), CMessageIcon::Exclamation}};
        EXPECT_EQ(content.m_messages, expected);
        EXPECT_TRUE(content.m_bClose);
    }
}

TEST_F(PersonListTest, BirthBoundsTakeEveryListedFormat)
{
    for (const CCaseRow& c : ReadCases("list-bounds")) {
        SCOPED_TRACE(c.m_strLine);
        CMessages messages;
        std::wstring strBound = L"unchanged";
        const CDateStyle dates{c.Int(0)};
        const bool bTaken = TakeBirthBound(c[1], strBound, messages, dates);
        EXPECT_EQ(bTaken, c.Ptr(2) != nullptr);
        EXPECT_EQ(strBound, bTaken ? c[2] : L"unchanged");
        ASSERT_EQ(messages.size(), bTaken ? 0U : 1U);
        if (!bTaken) {
            const int nFormats = dates.m_nFormat == 1 ? IDS_BIRTH_DATE_FORMATS_MDY : IDS_BIRTH_DATE_FORMATS;
            const CMessages expected = {{LoadLangString(nFormats), L"Direction", CMessageIcon::Exclamation}};
            EXPECT_EQ(messages, expected);
        }
    }
}

// The list makes a date's display text and the text its age is counted from
// in one pass; both must be what the page and the age make of it one by one.
TEST_F(PersonListTest, ListDatesReadAsTheirTextsOneByOne)
{
    const wchar_t* const apszDates[] = {L"", L"12 DEC 1923", L"3 dec 1923", L"DEC 1923", L"Dec 1923", L"1923",
                                        L"23", L"ABT 1900", L"BET 1900 AND 1905", L"FROM 1 JAN 1900 TO 1910",
                                        L"AFT", L"EST 1850 (from a census)", L"(died young)",
                                        L"@#DJULIAN@ 1 JAN 1700", L"1 JAN 0000", L"TO  1900", L"  BEF 1 MAR 1800",
                                        L"12 FEB 1693/94", L"FEB 1699/00", L"1708/9"};
    std::wstring strDisplay;
    std::wstring strFilled;
    for (const wchar_t* pszLang : {L"En", L"Ru", L"Fr"}) {
        UseLanguage(pszLang);
        for (const int nFormat : {0, 1, 2}) {
            const CDateStyle style{nFormat};
            for (const wchar_t* pszDate : apszDates) {
                FormatListDateTo(strDisplay, strFilled, pszDate, style);
                EXPECT_EQ(strDisplay, FormatGedcomDate(pszDate, DateTextMode::Display, style)) << pszLang << nFormat << pszDate;
                EXPECT_EQ(strFilled, FormatGedcomDate(pszDate, DateTextMode::DottedFilled, style)) << pszLang << pszDate;
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
