#include "core/contacts/ContactsComparison.h"

#include "TestSupport.h"

namespace {

const std::wstring theDifferencesTitle = L"<center><b>Differences with Contacts</b></center>";
const std::wstring theMatchesTitle = L"<center><b>Persons from Contacts that are found by full name in Stemmark</b></center>";

CContact MakeContact(const wchar_t* pszFirst, const wchar_t* pszMiddle, const wchar_t* pszLast,
                     CCalendarDate birthday = {}, bool bBirthdayUnreadable = false, const wchar_t* pszBirthday = L"")
{
    return CContact{pszFirst, pszMiddle, pszLast, birthday, bBirthdayUnreadable, pszBirthday};
}

class ContactsComparisonTest : public CViewBuilderTest {
protected:
    CPinnedClock m_clock{{2024, 6, 1}};
};

TEST_F(ContactsComparisonTest, ReportsTheFirstMatchOfEachContactAndItsDifferingDates)
{
    AddPerson({.m_strName = L"John /Smith/", .m_pszBirth = L"5 MAR 1950"});
    // Never reached: the first of a name wins.
    AddPerson({.m_strName = L"John /Smith/", .m_pszBirth = L"1 JAN 1900"});
    AddPerson({.m_strName = L"Ann /Jones/ (Brown)", .m_pszBirth = L"MAR 1950"});
    AddPerson({.m_strName = L"Taylor"});
    AddPerson({.m_strName = L"", .m_pszBirth = L"1 JAN 1800"});
    AddPerson({.m_strName = L"Ida /Hall/", .m_pszBirth = L"2 FEB 1960"});
    const CContactsComparison result = CompareContacts(Doc(), {
        MakeContact(L"John", L"", L"Smith", {1950, 3, 5}), // same date: matched, no difference
        MakeContact(L"Ann", L"", L"Jones", {1950, 3, 5}),  // shortened name; a month-year date takes day 01
        MakeContact(L"", L"", L"Taylor"),                  // no dates on either side
        MakeContact(L"", L"", L""),                        // no name finds the person without one
        MakeContact(L"Ida", L"", L"Hall", {0, 2, 3}),      // no year: day and month alone compared
        MakeContact(L"No", L"Such", L"Person", {1, 1, 1}, true)}); // unmatched: its birthday is never asked
    EXPECT_EQ(result.m_strMessage, L"");
    EXPECT_EQ(result.m_strDifferencesBody,
              theDifferencesTitle + L"<br>Ann Jones<br>&nbsp;- Contacts: 05.03.1950<br>&nbsp;- Stemmark: 01.03.1950<br>"
                                    L"<br><br>&nbsp;- Contacts: <br>&nbsp;- Stemmark: 01.01.1800<br>"
                                    L"<br>Ida Hall<br>&nbsp;- Contacts: 03.02<br>&nbsp;- Stemmark: 02.02.1960<br>");
    EXPECT_EQ(result.m_strMatchesBody, theMatchesTitle + L"<br>John Smith<br>Ann Jones<br>Taylor<br><br>Ida Hall");
}

CContact Ann(CCalendarDate birthday, const wchar_t* pszText = L"")
{
    return MakeContact(L"Ann", L"", L"Lee", birthday, false, pszText);
}

TEST_F(ContactsComparisonTest, ComparesOnlyThePartsOfTheBirthdayGiven)
{
    const struct {
        const char* m_pszName;
        CContact m_contact;
        const wchar_t* m_pszPersonDate; ///< nullptr: no birth
        const wchar_t* m_pszContacts;   ///< nullptr: the dates agree
        const wchar_t* m_pszStemmark;
    } cases[] = {
        {"a year agrees with a whole date", Ann({1985, 0, 0}), L"15 APR 1985", nullptr, nullptr},
        {"a year agrees with a year", Ann({1985, 0, 0}), L"1985", nullptr, nullptr},
        {"a year against another", Ann({1985, 0, 0}), L"15 APR 1986", L"1985", L"15.04.1986"},
        {"a year and no birth", Ann({1985, 0, 0}), nullptr, L"1985", L""},
        {"a year against a qualified date", Ann({1985, 0, 0}), L"BEF 1985", L"1985", L"BEF 1985"},
        {"a month and day agree with any year", Ann({0, 4, 15}), L"15 APR 1901", nullptr, nullptr},
        {"a month and day against another day", Ann({0, 4, 15}), L"16 APR 1901", L"15.04", L"16.04.1901"},
        {"a month and day against a year", Ann({0, 4, 15}), L"1901", L"15.04", L"1901"},
        {"a year and month agree with a month-and-year date", Ann({1985, 4, 0}), L"APR 1985", nullptr, nullptr},
        {"a year and month against another month", Ann({1985, 4, 0}), L"15 MAY 1985", L"04.1985", L"15.05.1985"},
        {"a month alone", Ann({0, 4, 0}), L"15 MAY 1985", L"--.04", L"15.05.1985"},
        {"a day alone", Ann({0, 0, 15}), L"16 MAY 1985", L"15.--", L"16.05.1985"},
        {"a year in the future reads as none", Ann({2030, 0, 0}), nullptr, nullptr, nullptr},
        {"text against a date", Ann({}, L"circa 1800"), L"1800", L"circa 1800", L"1800"},
        {"text that is the person's text", Ann({}, L"1800"), L"1800", nullptr, nullptr},
        {"text is shown as text", Ann({}, L"<1800 & later>"), nullptr, L"&lt;1800 &amp; later&gt;", L""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_pszName);
        CDocument doc;
        ::AddPerson(doc, {.m_strName = L"Ann /Lee/", .m_pszBirth = test.m_pszPersonDate});
        const CContactsComparison result = CompareContacts(doc, {test.m_contact});
        EXPECT_EQ(result.m_strMatchesBody, theMatchesTitle + L"<br>Ann Lee");
        if (!test.m_pszContacts) {
            EXPECT_EQ(result.m_strDifferencesBody, L"");
            EXPECT_EQ(result.m_strMessage.substr(0, 13), L"All the perso");
            continue;
        }
        EXPECT_EQ(result.m_strMessage, L"");
        EXPECT_EQ(result.m_strDifferencesBody, theDifferencesTitle + L"<br>Ann Lee<br>&nbsp;- Contacts: " +
                                                   test.m_pszContacts + L"<br>&nbsp;- Stemmark: " +
                                                   test.m_pszStemmark + L"<br>");
    }
}

const wchar_t theSameData[] =
    L"All the persons from Contacts, which match persons from Stemmark by full name, have the same data.";
TEST_F(ContactsComparisonTest, ShowsItsBox)
{
    AddPerson({.m_strName = L"John /Smith/", .m_pszBirth = L"5 MAR 1950"});
    AddPerson({.m_strName = L"Ann /Jones/"});
    const struct {
        const char* m_pszName;
        std::vector<CContact> m_contacts;
        const wchar_t* m_pszText;
        const wchar_t* m_pszCaption;
        CMessageIcon m_icon;
        bool m_bMatches;
    } cases[] = {
        {"no contacts", {}, L"Input file is empty or is not specified. Please use File / Open.", L"Message",
                 CMessageIcon::Exclamation, false},
        {"nobody found", {MakeContact(L"john", L"", L"smith", {1950, 3, 5})},
                 L"Persons from Contacts didn't found in Stemmark by full name.", L"Stemmark", CMessageIcon::Stop, false},
        {"same dates; a birthday after this year reads as none",
                 {MakeContact(L"John", L"", L"Smith", {1950, 3, 5}), MakeContact(L"Ann", L"", L"Jones", {2025, 1, 1})},
                 theSameData, L"Stemmark", CMessageIcon::Stop, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_pszName);
        const CContactsComparison result = CompareContacts(Doc(), test.m_contacts);
        EXPECT_EQ(result.m_strMessage, test.m_pszText);
        EXPECT_EQ(result.m_strCaption, test.m_pszCaption);
        EXPECT_EQ(result.m_icon, test.m_icon);
        EXPECT_EQ(result.m_strDifferencesBody, L"");
        EXPECT_EQ(!result.m_strMatchesBody.empty(), test.m_bMatches);
    }
}

// A card that cannot be read and a found contact whose birthday is no date
// are listed at the end of the differences page, and the rest is compared;
// with no difference the page says so in place of the box.
TEST_F(ContactsComparisonTest, ListsTheContactsItCannotCompare)
{
    AddPerson({.m_strName = L"John /Smith/", .m_pszBirth = L"5 MAR 1950"});
    AddPerson({.m_strName = L"Ann /Jones/"});
    CContact broken = MakeContact(L"Bo<b>", L"", L"");
    broken.m_unreadable = CContactsFailure::Item;
    CContact badName = MakeContact(L"", L"", L"");
    badName.m_unreadable = CContactsFailure::LastName;
    const std::wstring strSection =
        L"<br><center><b>Contacts not compared</b></center><br>Bo&lt;b&gt;<br>&nbsp;- the card cannot be read<br>"
        L"<br>Ann Jones<br>&nbsp;- the birthday is not a date: 1957-13-45<br>"
        L"<br>?<br>&nbsp;- the name cannot be read<br>";
    const struct {
        const char* m_pszName;
        CContact m_john;
        std::wstring m_strBetween; ///< the page between its title and the section
    } cases[] = {
        {"a difference", MakeContact(L"John", L"", L"Smith", {1951, 3, 5}),
         L"<br>John Smith<br>&nbsp;- Contacts: 05.03.1951<br>&nbsp;- Stemmark: 05.03.1950<br>"},
        {"none", MakeContact(L"John", L"", L"Smith", {1950, 3, 5}), L"<br>" + std::wstring(theSameData) + L"<br>"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_pszName);
        const CContactsComparison result = CompareContacts(
            Doc(), {broken, test.m_john, MakeContact(L"Ann", L"", L"Jones", {}, true, L"1957-13-45"), badName});
        EXPECT_EQ(result.m_strMessage, L"");
        EXPECT_EQ(result.m_strDifferencesBody, theDifferencesTitle + test.m_strBetween + strSection);
        EXPECT_EQ(result.m_strMatchesBody, theMatchesTitle + L"<br>John Smith<br>Ann Jones");
    }
}

// Under month/day/year both dates read in that order.
TEST_F(ContactsComparisonTest, ShowsTheDatesInTheChosenFormat)
{
    const struct {
        CCalendarDate m_birthday;
        const wchar_t* m_pszPerson;
        const wchar_t* m_pszContacts;
        const wchar_t* m_pszStemmark;
    } cases[] = {
        {{1985, 4, 15}, L"16 APR 1985", L"04/15/1985", L"04/16/1985"},
        {{1985, 4, 0}, L"16 MAY 1985", L"04/1985", L"05/16/1985"},
        {{0, 4, 15}, L"16 APR 1985", L"04/15", L"04/16/1985"},
        {{0, 4, 0}, L"16 MAY 1985", L"04/--", L"05/16/1985"},
        {{0, 0, 15}, L"16 MAY 1985", L"--/15", L"05/16/1985"},
        {{1985, 0, 0}, L"1986", L"1985", L"1986"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::PrintToString(test.m_pszContacts));
        CDocument doc;
        ::AddPerson(doc, {.m_strName = L"Ann /Lee/", .m_pszBirth = test.m_pszPerson});
        const CContactsComparison result = CompareContacts(doc, {Ann(test.m_birthday)}, CDateStyle{1});
        EXPECT_EQ(result.m_strDifferencesBody, theDifferencesTitle + L"<br>Ann Lee<br>&nbsp;- Contacts: " +
                                                   test.m_pszContacts + L"<br>&nbsp;- Stemmark: " +
                                                   test.m_pszStemmark + L"<br>");
    }
}

TEST_F(ContactsComparisonTest, ReadsSortsThenCompares)
{
    AddPerson({.m_strName = L"Bob /Y/"});
    AddPerson({.m_strName = L"Ann /X/"});
    CTempFolder folder;
    const std::filesystem::path file = folder.Path() / "book.vcf";
    WriteFileBytes(file, "BEGIN:VCARD\r\nN:Y;Bob\r\nEND:VCARD\r\nBEGIN:VCARD\r\nN:X;Ann\r\nEND:VCARD\r\n");
    EXPECT_EQ(CompareWithContacts(Doc(), file.wstring()).m_strMatchesBody, theMatchesTitle + L"<br>Ann X<br>Bob Y");

    WriteFileBytes(file, "0 HEAD\r\n");
    const CContactsComparison failure = CompareWithContacts(Doc(), file.wstring());
    EXPECT_EQ(failure.m_strMessage, L"Unable to get Contacts' items");
    EXPECT_EQ(failure.m_strCaption, L"Stemmark");
    EXPECT_EQ(failure.m_icon, CMessageIcon::Stop);
    EXPECT_EQ(failure.m_strMatchesBody + failure.m_strDifferencesBody, L"");
}

} // namespace
