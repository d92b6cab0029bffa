#include "core/contacts/VCard.h"

#include "TestSupport.h"

namespace {

// The one contact of a card of these lines (those between BEGIN:VCARD and END:VCARD).
CContact ReadCard(const std::string& strLines)
{
    std::vector<CContact> contacts;
    const std::string strText = "BEGIN:VCARD\r\n" + strLines + "\r\nEND:VCARD\r\n";
    EXPECT_EQ(ReadVCardText(strText, contacts), CContactsFailure::None);
    EXPECT_EQ(contacts.size(), 1u);
    return contacts.empty() ? CContact{} : contacts[0];
}

TEST(VCardTest, ReadsTheNameInEveryForm)
{
    const std::pair<const char*, const wchar_t*> cards[] = { // lines, first|middle|last
        // Quoted-printable in Latin-1 with a soft line break, and bare in UTF-8.
        {"VERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=\r\nohn;;;",
         L"John||M\u00FCller"},
        {"VERSION:2.1\r\nN;QUOTED-PRINTABLE;CHARSET=UTF-8:"
         "=D0=98=D0=B2=D0=B0=D0=BD=D0=BE=D0=B2;=D0=98=D0=B2=D0=B0=D0=BD",
         L"\u0418\u0432\u0430\u043D||\u0418\u0432\u0430\u043D\u043E\u0432"},
        // Escapes of 3.0; a list of additional names reads blank-separated.
        {"VERSION:3.0\r\nN:Smith\\, Jr\\;;John;Paul,Peter;Dr.;", L"John|Paul Peter|Smith, Jr;"},
        {"VERSION:3.0\r\nitem1.n:Smith;John", L"John||Smith"},          // a group, a lower-case name
        {"VERSION:3.0\r\nN:Jo\r\n nes;A\r\n\tnn", L"Ann||Jones"},         // folded with a blank and a tab
        {"VERSION:4.0\r\nN;LANGUAGE=\"a:b\":Smith;John", L"John||Smith"}, // a quoted parameter holds ':'
        // Without a name in N, the formatted name FN stands for the whole name.
        {"VERSION:4.0\r\nFN:John Smith", L"John Smith||"},
        {"VERSION:3.0\r\nN:;;;;\r\nFN:Ann\\, Lee", L"Ann, Lee||"},
        {"VERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann", L"Ann||Lee"},
    };
    for (const auto& [pszLines, pszName] : cards) {
        const CContact contact = ReadCard(pszLines);
        EXPECT_EQ(contact.m_strFirstName + L"|" + contact.m_strMiddleName + L"|" + contact.m_strLastName,
                  pszName) << pszLines;
    }
}

// The parts of a birthday a card gives, left at 0 when it gives none.
TEST(VCardTest, KeepsThePartsOfTheBirthdayGiven)
{
    const std::pair<const char*, const wchar_t*> birthdays[] = {
        {"BDAY:19500305", L"1950-3-5"}, {"BDAY:1950-03-05T10:00:00Z", L"1950-3-5"},
        {"BDAY:--0305", L"0-3-5"}, {"BDAY:--03-05", L"0-3-5"}, {"BDAY:--0229", L"0-2-29"},
        {"BDAY:1985", L"1985-0-0"}, {"BDAY:1985-04", L"1985-4-0"}, {"BDAY:--04", L"0-4-0"},
        {"BDAY:---15", L"0-0-15"}, {"BDAY:T102200Z", L"0-0-0"}, {"BDAY:", L"0-0-0"},
        {"BDAY;VALUE=\"TEXT\":1800\\, spring", L"0-0-0 1800, spring"},
        {"BDAY:1950-02-29", L"0-0-0 1950-02-29 unreadable"}, {"BDAY:198504", L"0-0-0 198504 unreadable"},
        {"BDAY:--1301", L"0-0-0 --1301 unreadable"}, {"BDAY:---00", L"0-0-0 ---00 unreadable"},
        {"BDAY:circa 1800", L"0-0-0 circa 1800 unreadable"}, // text not marked as text
    };
    for (const auto& [pszLine, pszBirthday] : birthdays) {
        const CContact contact = ReadCard(std::string("VERSION:4.0\r\nN:S;J\r\n") + pszLine);
        const CCalendarDate& date = contact.m_birthday;
        std::wstring strBirthday = std::to_wstring(date.m_nYear) + L"-" + std::to_wstring(date.m_nMonth) +
                                   L"-" + std::to_wstring(date.m_nDay);
        if (!contact.m_strBirthdayText.empty())
            strBirthday += L" " + contact.m_strBirthdayText;
        if (contact.m_bBirthdayUnreadable)
            strBirthday += L" unreadable";
        EXPECT_EQ(strBirthday, pszBirthday) << pszLine;
    }
}

// Only a text that is no vCards stops the reading; a card that cannot be
// read is kept with what could be read of its name and why, and the next
// card is read.
TEST(VCardTest, ReadsOnPastACardItCannotRead)
{
#define CARD(lines) "BEGIN:VCARD\r\nVERSION:2.1\r\n" lines "\r\nEND:VCARD\r\n"
    using enum CContactsFailure;
    const struct {
        const char* m_pszText;
        CContactsFailure m_failure;
        std::vector<std::pair<const wchar_t*, CContactsFailure>> m_cards; ///< first|last, why unreadable
    } texts[] = {
        {"\xEF\xBB\xBF\r\n \r\n", None, {}}, // blank lines only
        {"0 HEAD\r\n1 CHAR UTF-8\r\n", Items, {}},
        {"BEGIN:VCARD\r\nN:S;J\r\n", None, {{L"J|S", Item}}}, // no END
        {"BEGIN:VCARD\r\nN:S;J\r\n" CARD("N:T;K"), None, {{L"J|S", Item}, {L"K|T", None}}},
        {CARD("N:S;J\r\nno colon here") CARD("N:T;K"), None, {{L"J|S", Item}, {L"K|T", None}}},
        {CARD("N:S;J\r\nEND:VCALENDAR\r\nBEGIN:VEVENT"), None, {{L"J|S", Item}}},
        {CARD("N;QUOTED-PRINTABLE:Smith;J=G1\r\nFN:J Smith"), None, {{L"|Smith", FirstName}}},
        {CARD("N;ENCODING=QUOTED-PRINTABLE:Smith;John;=4"), None, {{L"John|Smith", MiddleName}}},
        {"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Sm\xFFth;John\r\nEND:VCARD\r\n", None, {{L"John|", LastName}}},
        {CARD("N;CHARSET=US-ASCII:Sm\xE9th;John"), None, {{L"John|", LastName}}},
        {CARD("N;ENCODING=BASE64:U21pdGg=\r\nFN:Ann Lee"), None, {{L"Ann Lee|", FirstName}}},
        {CARD("FN;ENCODING=BASE64:QW5u"), None, {{L"|", FirstName}}},
        {CARD("N:S;J\r\nBDAY:someday"), None, {{L"J|S", None}}}, // the comparison judges the birthday
        {CARD("N:S;J") "0 HEAD\r\n" CARD("N:T;K"), Items, {{L"J|S", None}}},
    };
#undef CARD
    for (const auto& test : texts) {
        SCOPED_TRACE(testing::PrintToString(std::string(test.m_pszText)));
        std::vector<CContact> contacts;
        EXPECT_EQ(ReadVCardText(test.m_pszText, contacts), test.m_failure);
        ASSERT_EQ(contacts.size(), test.m_cards.size());
        for (std::size_t i = 0; i < contacts.size(); ++i) {
            EXPECT_EQ(contacts[i].m_strFirstName + L"|" + contacts[i].m_strLastName, test.m_cards[i].first);
            EXPECT_EQ(contacts[i].m_unreadable, test.m_cards[i].second);
        }
    }
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

    WriteFileBytes(folder.Path() / "c.vcf", "not a card");
    EXPECT_EQ(ReadAddressBook(folder.Path().wstring(), contacts), CContactsFailure::Items);
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
