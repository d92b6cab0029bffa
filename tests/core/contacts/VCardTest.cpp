#include "core/contacts/VCard.h"

#include "TestSupport.h"

namespace {

struct CFormCase {
    const char* m_pszName;
    const char* m_pszCard; ///< the lines between BEGIN:VCARD and END:VCARD
    const wchar_t* m_pszFirst;
    const wchar_t* m_pszMiddle;
    const wchar_t* m_pszLast;
};

// The one contact of a card of these lines.
CContact ReadCard(const std::string& strLines)
{
    std::vector<CContact> contacts;
    EXPECT_EQ(ReadVCardText("BEGIN:VCARD\r\n" + strLines + "\r\nEND:VCARD\r\n", contacts), CContactsFailure::None);
    EXPECT_EQ(contacts.size(), 1u);
    return contacts.empty() ? CContact{} : contacts[0];
}

class VCardFormTest : public testing::TestWithParam<CFormCase> {};

TEST_P(VCardFormTest, ReadsTheName)
{
    const CContact contact = ReadCard(GetParam().m_pszCard);
    EXPECT_EQ(contact.m_strFirstName, GetParam().m_pszFirst);
    EXPECT_EQ(contact.m_strMiddleName, GetParam().m_pszMiddle);
    EXPECT_EQ(contact.m_strLastName, GetParam().m_pszLast);
}

INSTANTIATE_TEST_SUITE_P(Forms, VCardFormTest, testing::Values(
    CFormCase{"2.1 quoted-printable in Latin-1 with a soft line break",
              "VERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=\r\nohn;;;",
              L"John", L"", L"M\u00FCller"},
    CFormCase{"2.1 bare QUOTED-PRINTABLE in UTF-8", "VERSION:2.1\r\nN;QUOTED-PRINTABLE;CHARSET=UTF-8:"
              "=D0=98=D0=B2=D0=B0=D0=BD=D0=BE=D0=B2;=D0=98=D0=B2=D0=B0=D0=BD",
              L"\u0418\u0432\u0430\u043D", L"", L"\u0418\u0432\u0430\u043D\u043E\u0432"},
    CFormCase{"2.1 windows-1252 bytes", "VERSION:2.1\r\nN;CHARSET=windows-1252:Dvo\x9A\xE1k;Anton",
              L"Anton", L"", L"Dvo\u0161\u00E1k"},
    CFormCase{"3.0 escapes; a list of additional names reads blank-separated",
              "VERSION:3.0\r\nN:Smith\\, Jr\\;;John;Paul,Peter;Dr.;", L"John", L"Paul Peter", L"Smith, Jr;"},
    CFormCase{"a group and a lower-case name", "VERSION:3.0\r\nitem1.n:Smith;John", L"John", L"", L"Smith"},
    CFormCase{"folded with a blank and with a tab", "VERSION:3.0\r\nN:Jo\r\n nes;A\r\n\tnn", L"Ann", L"", L"Jones"},
    CFormCase{"a quoted parameter holding ':'", "VERSION:4.0\r\nN;LANGUAGE=\"a:b\":Smith;John", L"John", L"", L"Smith"},
    CFormCase{"no N: no name", "VERSION:4.0\r\nFN:John Smith", L"", L"", L""}), CByName());

struct CBirthdayCase {
    const char* m_pszName;
    const char* m_pszLine; ///< the BDAY line
    CCalendarDate m_birthday;
    const wchar_t* m_pszText;
    bool m_bUnreadable;
};

class VCardBirthdayTest : public testing::TestWithParam<CBirthdayCase> {};

TEST_P(VCardBirthdayTest, KeepsThePartsGiven)
{
    const CBirthdayCase& form = GetParam();
    const CContact contact = ReadCard(std::string("VERSION:4.0\r\nN:S;J\r\n") + form.m_pszLine);
    EXPECT_EQ(contact.m_birthday.m_nYear, form.m_birthday.m_nYear);
    EXPECT_EQ(contact.m_birthday.m_nMonth, form.m_birthday.m_nMonth);
    EXPECT_EQ(contact.m_birthday.m_nDay, form.m_birthday.m_nDay);
    EXPECT_EQ(contact.m_strBirthdayText, form.m_pszText);
    EXPECT_EQ(contact.m_bBirthdayUnreadable, form.m_bUnreadable);
}

INSTANTIATE_TEST_SUITE_P(Birthdays, VCardBirthdayTest, testing::Values(
    CBirthdayCase{"basic date", "BDAY:19500305", {1950, 3, 5}, L"", false},
    CBirthdayCase{"extended date with a time", "BDAY:1950-03-05T10:00:00Z", {1950, 3, 5}, L"", false},
    CBirthdayCase{"4.0 without year", "BDAY:--0305", {0, 3, 5}, L"", false},
    CBirthdayCase{"3.0 without year", "BDAY:--03-05", {0, 3, 5}, L"", false},
    CBirthdayCase{"29 February without year", "BDAY:--0229", {0, 2, 29}, L"", false},
    CBirthdayCase{"an empty BDAY is no birthday", "BDAY:", {}, L"", false},
    CBirthdayCase{"no such day", "BDAY:1950-02-29", {}, L"", true},
    CBirthdayCase{"a year alone", "BDAY:1985", {1985, 0, 0}, L"", false},
    CBirthdayCase{"a month and a day", "BDAY:--0415", {0, 4, 15}, L"", false},
    CBirthdayCase{"a year and a month", "BDAY:1985-04", {1985, 4, 0}, L"", false},
    CBirthdayCase{"a month alone", "BDAY:--04", {0, 4, 0}, L"", false},
    CBirthdayCase{"a day alone", "BDAY:---15", {0, 0, 15}, L"", false},
    CBirthdayCase{"a time alone gives no date", "BDAY:T102200Z", {}, L"", false},
    CBirthdayCase{"text", "BDAY;VALUE=text:circa 1800", {}, L"circa 1800", false},
    CBirthdayCase{"text with a quoted, upper-case VALUE", "BDAY;VALUE=\"TEXT\":1800\\, spring", {}, L"1800, spring",
                  false},
    CBirthdayCase{"a year and a month without the dash", "BDAY:198504", {}, L"", true},
    CBirthdayCase{"no month 13", "BDAY:--1301", {}, L"", true},
    CBirthdayCase{"no day 0", "BDAY:---00", {}, L"", true},
    CBirthdayCase{"text not marked as text", "BDAY:circa 1800", {}, L"", true}),
    CByName());

struct CFailureCase {
    const char* m_pszName;
    const char* m_pszText;
    CContactsFailure m_failure;
};

class VCardFailureTest : public testing::TestWithParam<CFailureCase> {};

TEST_P(VCardFailureTest, StopsWhereTheSourceFails)
{
    std::vector<CContact> contacts;
    EXPECT_EQ(ReadVCardText(GetParam().m_pszText, contacts), GetParam().m_failure);
}

#define CARD(lines) "BEGIN:VCARD\r\nVERSION:2.1\r\n" lines "\r\nEND:VCARD\r\n"
INSTANTIATE_TEST_SUITE_P(Failures, VCardFailureTest, testing::Values(
    CFailureCase{"blank lines only", "\xEF\xBB\xBF\r\n \r\n", CContactsFailure::None},
    CFailureCase{"not a vCard", "0 HEAD\r\n1 CHAR UTF-8\r\n", CContactsFailure::Items},
    CFailureCase{"text after the last card", CARD("N:S;J") "junk\r\n", CContactsFailure::Items},
    CFailureCase{"BEGIN without END", "BEGIN:VCARD\r\nN:S;J\r\n", CContactsFailure::Item},
    CFailureCase{"a card inside a card", CARD("BEGIN:VCARD"), CContactsFailure::Item},
    CFailureCase{"a line without colon", CARD("N:S;J\r\nno colon here"), CContactsFailure::Item},
    CFailureCase{"broken quoted-printable in the given name", CARD("N;QUOTED-PRINTABLE:Smith;J=G1"),
                 CContactsFailure::FirstName},
    CFailureCase{"broken quoted-printable in the additional name",
                 CARD("N;ENCODING=QUOTED-PRINTABLE:Smith;John;=4"), CContactsFailure::MiddleName},
    CFailureCase{"invalid UTF-8 in the family name of 3.0", "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Sm\xFFth;John\r\n"
                 "END:VCARD\r\n", CContactsFailure::LastName},
    CFailureCase{"a byte US-ASCII lacks", CARD("N;CHARSET=US-ASCII:Sm\xE9th;John"), CContactsFailure::LastName},
    CFailureCase{"an encoding names cannot have", CARD("N;ENCODING=BASE64:U21pdGg="), CContactsFailure::FirstName},
    CFailureCase{"an unreadable birthday is no failure yet", CARD("N:S;J\r\nBDAY:someday"), CContactsFailure::None}),
    CByName());
#undef CARD

TEST(VCardTest, LongLinesAndJunkStayLinear)
{
    std::string strText = "BEGIN:VCARD\r\nN;QUOTED-PRINTABLE:" + std::string(4'000'000, 'x') + ";J=\r\n";
    for (int i = 0; i < 200'000; ++i)
        strText += "a=\r\n";
    strText += "b\r\n" + std::string(1'000'000, '\x01') + "\r\nEND:VCARD\r\n";
    std::vector<CContact> contacts;
    EXPECT_EQ(ReadVCardText(strText, contacts), CContactsFailure::Item) << "the junk line has no colon";
    strText.replace(strText.find('\x01'), 1'000'000, "X-JUNK:");
    EXPECT_EQ(ReadVCardText(strText, contacts), CContactsFailure::None);
    ASSERT_EQ(contacts.size(), 1u);
    EXPECT_EQ(contacts[0].m_strLastName.size(), 4'000'000u);
    EXPECT_EQ(contacts[0].m_strFirstName.size(), 200'002u) << "soft line breaks joined";
}

TEST(VCardTest, ReadsAFolderSortedByFirstNameKeepingFileOrderOfEqualNames)
{
    CTempFolder folder;
    WriteFileBytes(folder.Path() / "b.VCF", "BEGIN:VCARD\nN:Second;ann\nEND:VCARD\nBEGIN:VCARD\nN:X;Carl\nEND:VCARD\n");
    WriteFileBytes(folder.Path() / "a.vcf", "BEGIN:VCARD\nN:Y;Bob\nEND:VCARD\nBEGIN:VCARD\nN:First;Ann\nEND:VCARD\n");
    WriteFileBytes(folder.Path() / "notes.txt", "not a card");
    std::vector<CContact> contacts;
    ASSERT_EQ(ReadAddressBook(folder.Path().wstring(), contacts), CContactsFailure::None);
    std::vector<std::wstring> astrNames;
    for (const CContact& contact : contacts)
        astrNames.push_back(contact.m_strFirstName + L" " + contact.m_strLastName);
    EXPECT_EQ(astrNames, (std::vector<std::wstring>{L"Ann First", L"ann Second", L"Bob Y", L"Carl X"}));

    WriteFileBytes(folder.Path() / "c.vcf", "BEGIN:VCARD\nN:Z;Dan\n");
    EXPECT_EQ(ReadAddressBook(folder.Path().wstring(), contacts), CContactsFailure::Item);
    EXPECT_TRUE(contacts.empty()) << "a failure drops what was read before it";
    EXPECT_EQ(ReadAddressBook((folder.Path() / "missing.vcf").wstring(), contacts), CContactsFailure::Access);
    EXPECT_EQ(ReadAddressBook(L"", contacts), CContactsFailure::Access);
}

} // namespace

// A one-card file among others stands for its folder, and a choice starts
// where accepting it keeps the book.
TEST(VCardTest, AOneCardFileAmongOthersStandsForItsFolder)
{
    const std::string strBob = "BEGIN:VCARD\nN:Y;Bob\nEND:VCARD\n", strAnn = "BEGIN:VCARD\nN:Z;Ann\nEND:VCARD\n";
    CTempFolder synced, exported, alone;
    WriteFileBytes(synced.Path() / "2.vcf", strAnn);
    WriteFileBytes(synced.Path() / "1.vcf", strBob);
    WriteFileBytes(synced.Path() / "0.txt", "not a card");
    WriteFileBytes(exported.Path() / "all.vcf", strBob + strAnn);
    WriteFileBytes(exported.Path() / "one.vcf", strBob);
    WriteFileBytes(alone.Path() / "me.vcf", strBob);
    const auto wide = [](const std::filesystem::path& path) { return Utf8ToWide(path.string()); };
    EXPECT_EQ(AddressBookOf(wide(synced.Path() / "1.vcf")), wide(synced.Path()));
    EXPECT_EQ(AddressBookOf(wide(exported.Path() / "all.vcf")), wide(exported.Path() / "all.vcf"));
    EXPECT_EQ(AddressBookOf(wide(alone.Path() / "me.vcf")), wide(alone.Path() / "me.vcf"));

    EXPECT_EQ(AddressBookChoiceStart(wide(synced.Path())), wide(synced.Path() / "1.vcf"));
    EXPECT_EQ(AddressBookChoiceStart(wide(synced.Path() / "2.vcf")), wide(synced.Path() / "2.vcf"));
    EXPECT_EQ(AddressBookChoiceStart(L"/no/such/book.vcf"), L"/no/such/book.vcf");
    EXPECT_EQ(AddressBookChoiceStart(L""), L"");
}
