#include "core/views/FamilyView.h"

#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

#define LAB(text) L"<font color=blue><b>" text L"</b></font>"
#define HEAD(name) L"<b><i>Family<br>" name L"</i></b><hr size=1><br>"
#define RULE L"<hr size=1><br>"
#define SEPARATOR L"  ----------------------\r\n"

class FamilyViewTest : public CViewBuilderTest {};

CPerson& Person(const wchar_t* pszId, const wchar_t* pszName, const wchar_t* pszSex,
                std::initializer_list<const wchar_t*> fams = {}, const wchar_t* pszBirth = L"",
                const wchar_t* pszDeath = nullptr)
{
    CPerson& person = AddPerson(pszId, L"", fams);
    person.m_strName = pszName;
    person.m_strSex = pszSex;
    if (*pszBirth)
        person.m_birth.Edit().m_strDate = pszBirth;
    if (pszDeath) {
        person.m_death.Edit().m_bPresent = true;
        person.m_death.Edit().m_strDate = pszDeath;
    }
    return person;
}

// One child row a line: image, birth date, name, person.
std::wstring Rows(const std::vector<CChildRow>& rows)
{
    std::wstring strRows;
    for (const CChildRow& row : rows)
        strRows += std::to_wstring(row.m_nImage) + L"|" + row.m_strBirthDate + L"|" + row.m_strName + L"|" +
                   std::to_wstring(row.m_nPerson) + L"\n";
    return strRows;
}

void ManWithTwoWives()
{
    Person(L"@I1@", L"Ivan /Petrov/", L"M", {L"@F1@", L"@F2@"}, L"1 JAN 1900");
    Person(L"@I2@", L"Anna /Ivanova/", L"F", {}, L"1905", L"1950");
    Person(L"@I3@", L"Olga /Sidorova/", L"F");
    CFamily& first = AddFamily(L"@F1@", L"@I1@", L"@I2@");
    first.m_marriage.Edit().m_bPresent = true;
    first.m_marriage.Edit().m_strDate = L"1925";
    first.m_notes.Append(std::make_unique<CNote>(L"Met in Kiev"));
    AddFamily(L"@F2@", L"@I1@", L"@I3@");
}

void OnlyFamilyWithChildrenButNoSpouse()
{
    Person(L"@I1@", L"Mary /Brown/", L"F", {L"@F1@"});
    Person(L"@I2@", L"Tom /Brown/", L"M", {}, L"1930");
    Person(L"@I3@", L"Ann /Brown/", L"F");
    AddFamily(L"@F1@", L"@I9@", L"@I1@", {L"@I2@", L"@I3@"});
}

// A spouse id that finds nobody, a family id that finds nothing, and an empty
// one that must not find the family written without an id.
void FamiliesWithoutMembers()
{
    Person(L"@I1@", L"Lone /Wolf/", L"M", {L"@F1@", L"@F9@", L""});
    AddFamily(L"@F1@", L"@I1@", L"@I9@", {L"@I8@"});
    Person(L"@I2@", L"Other /One/", L"F");
    AddFamily(L"", L"@I1@", L"@I2@", {L"@I2@"});
}

void NoOwnFamily() { Person(L"@I1@", L"Lone /Wolf/", L"M", {}, L"", L""); }

// The family between the two has no husband, and divides them all the same.
void DivorcedWoman()
{
    Person(L"@I1@", L"Mary /Brown/", L"F", {L"@F1@", L"@F3@", L"@F2@"});
    Person(L"@I2@", L"John /Smith/", L"M", {}, L"", L"1970");
    Person(L"@I3@", L"Paul /Green/", L"M", {}, L"3 MAR 1931");
    CFamily& first = AddFamily(L"@F1@", L"@I2@", L"@I1@");
    first.m_bDivorced = 1;
    first.m_divorce.Edit().m_bPresent = true;
    first.m_divorce.Edit().m_strDate = L"1960";
    AddFamily(L"@F2@", L"@I3@", L"@I1@");
    AddFamily(L"@F3@", L"", L"@I1@");
}

// 02.01.1949 reads after 1950 as text but is earlier; the undated children
// come first, the later family's before the earlier one's.
void ChildrenOfTwoFamilies()
{
    Person(L"@I1@", L"Ivan /Petrov/", L"M", {L"@F1@", L"@F2@"});
    Person(L"@I2@", L"Ann /Petrova/", L"F", {}, L"1950");
    Person(L"@I3@", L"Boris /Petrov/", L"M");
    Person(L"@I4@", L"Vera /Petrova/", L"F", {}, L"2 JAN 1949");
    Person(L"@I5@", L"Gleb /Petrov/", L"M");
    AddFamily(L"@F1@", L"@I1@", L"", {L"@I2@", L"@I3@"});
    AddFamily(L"@F2@", L"@I1@", L"", {L"@I5@", L"@I9@", L"@I4@"});
}

void FamilyNotePointingToRecord()
{
    theNoteRecords.Append(L"@N1@", L"Met in Kiev");
    Person(L"@I1@", L"Ivan /Petrov/", L"M", {L"@F1@"});
    Person(L"@I2@", L"Anna /Ivanova/", L"F");
    AddFamily(L"@F1@", L"@I1@", L"@I2@").m_notes.Append(std::make_unique<CNote>(L"@N1@"));
}

// The person is its family's husband too, so taking the wrong side shows.
void UnknownSex()
{
    Person(L"@I1@", L"Alex /Grey/", L"U", {L"@F1@"}, L"1900");
    Person(L"@I2@", L"Kate /Grey/", L"F");
    AddFamily(L"@F1@", L"@I1@", L"@I2@");
}

struct CBuildCase {
    const char* m_pszName;
    void (*m_build)();
    const wchar_t* m_pszHusbandBox;
    const wchar_t* m_pszWifeBox;
    const wchar_t* m_pszNotes;
    const wchar_t* m_pszRows;
    int m_nMessageId;
    bool m_bSpousesDeceased;
};

class BuildTest : public FamilyViewTest, public testing::WithParamInterface<CBuildCase> {};

TEST_P(BuildTest, ShowsTheFamily)
{
    const CBuildCase& test = GetParam();
    test.m_build();
    const CFamilyContent content = BuildFamilyView(0);
    EXPECT_EQ(content.m_strHusbandBox, test.m_pszHusbandBox);
    EXPECT_EQ(content.m_strWifeBox, test.m_pszWifeBox);
    EXPECT_EQ(content.m_strNotesHtml, test.m_pszNotes);
    EXPECT_EQ(Rows(content.m_children), test.m_pszRows);
    EXPECT_EQ(content.m_bChildrenListed, !content.m_children.empty() && content.m_children[0].m_nPerson >= 0);
    CMessages expected;
    if (test.m_nMessageId >= 0)
        expected.push_back({LoadLangString(test.m_nMessageId), L"Message", CMessageIcon::Information});
    EXPECT_EQ(content.m_messages, expected);
    EXPECT_EQ(content.m_bClose, test.m_nMessageId >= 0);
    EXPECT_EQ(content.m_bSpousesDeceased, test.m_bSpousesDeceased);
}

constexpr const wchar_t* kNoInformation = L"2| |No information|-1\n";

INSTANTIATE_TEST_SUITE_P(Cases, BuildTest, testing::Values(
    CBuildCase{"ManWithTwoWives", ManWithTwoWives,
        L"Ivan Petrov\r\n\r\nBorn 01.01.1900.\r\n",
        L"Anna Ivanova\r\n\r\nBorn 1905.\r\nDied 1950.\r\n" SEPARATOR L"Olga Sidorova\r\n\r\n",
        HEAD(L"Ivan Petrov") L"<b>Anna Ivanova</b><br><br>" LAB(L"Marriage") L": 1925<br><br>"
            LAB(L"Notes") L"<br>Met in Kiev<br>" RULE L"<b>Olga Sidorova</b><br><br>",
        kNoInformation, -1, false},
    CBuildCase{"OnlyFamilyWithChildrenButNoSpouse", OnlyFamilyWithChildrenButNoSpouse,
        L"", L"Mary Brown\r\n\r\n", L"",
        L"1||Brown Ann|2\n0|1930|Brown Tom|1\n", -1, true},
    CBuildCase{"FamiliesWithoutMembers", FamiliesWithoutMembers,
        L"Lone Wolf\r\n\r\n", L"", L"", kNoInformation, IDS_NO_INFORMATION_ABOUT_FAMILY_MEMBERS, true},
    CBuildCase{"NoOwnFamily", NoOwnFamily,
        L"Lone Wolf\r\n\r\n", L"", L"", L"", IDS_NO_INFORMATION_ABOUT_OWN_FAMILY, true},
    CBuildCase{"DivorcedWoman", DivorcedWoman,
        L"John Smith\r\n\r\nDied 1970.\r\nDivorced.\r\n" SEPARATOR SEPARATOR L"Paul Green\r\n\r\nBorn 03.03.1931.\r\n",
        L"Mary Brown\r\n\r\n",
        HEAD(L"Mary Brown") L"<b>John Smith</b><br><br>" LAB(L"Divorced") L": 1960<br><br>"
            RULE RULE L"<b>Paul Green</b><br><br>",
        kNoInformation, -1, false},
    CBuildCase{"ChildrenOfTwoFamilies", ChildrenOfTwoFamilies,
        L"Ivan Petrov\r\n\r\n", L"", L"",
        L"0||Petrov Gleb|4\n0||Petrov Boris|2\n1|02.01.1949|Petrova Vera|3\n1|1950|Petrova Ann|1\n", -1, true},
    CBuildCase{"FamilyNotePointingToRecord", FamilyNotePointingToRecord,
        L"Ivan Petrov\r\n\r\n", L"Anna Ivanova\r\n\r\n",
        HEAD(L"Ivan Petrov") L"<b>Anna Ivanova</b><br><br>" LAB(L"Notes") L"<br>Met in Kiev<br>",
        kNoInformation, -1, false},
    CBuildCase{"UnknownSex", UnknownSex,
        L"Kate Grey\r\n\r\n", L"Alex Grey\r\n\r\nBorn 1900.\r\n",
        HEAD(L"Alex Grey") L"<b>Kate Grey</b><br><br>", kNoInformation, -1, false}),
    [](const testing::TestParamInfo<CBuildCase>& param) { return std::string(param.param.m_pszName); });

// A death or burial line without a date shows nothing in the box and still
// marks the person dead.
TEST_F(FamilyViewTest, MarksThePersonDeceasedByDeathOrBurial)
{
    Person(L"@I1@", L"Ann /Lee/", L"F", {}, L"", L"");
    Person(L"@I2@", L"Bob /Lee/", L"M").m_burial.Edit().m_bPresent = true;
    Person(L"@I3@", L"Cid /Lee/", L"M").m_burial.Edit().m_strDate = L"1980";
    const bool abExpected[] = {true, true, false};
    for (int i = 0; i < 3; ++i) {
        const CFamilyContent content = BuildFamilyView(i);
        EXPECT_EQ(content.m_bPersonDeceased, abExpected[i]) << i;
        EXPECT_EQ(content.m_bPersonOnHusbandSide, i > 0) << i;
    }
}

TEST_F(FamilyViewTest, BuildsNothingForAnIndexOutsideTheTable)
{
    Person(L"@I1@", L"Lone /Wolf/", L"M");
    EXPECT_TRUE(BuildFamilyView(1).m_messages.empty());
    EXPECT_TRUE(BuildFamilyView(-1).m_children.empty());
}

struct CSortCase {
    int m_nColumn;
    bool m_bAscending;
    const wchar_t* m_pszNames;
};

class SortTest : public FamilyViewTest, public testing::WithParamInterface<CSortCase> {};

// Rows 2 and 3 share a birth date: a stable sort keeps their order both ways.
TEST_P(SortTest, OrdersTheRows)
{
    std::vector<CChildRow> rows{{1, L"1950", L"Cid", 0}, {0, L"", L"Bob", 1},
                                {0, L"02.01.1949", L"Abe", 2}, {1, L"02.01.1949", L"Dan", 3}};
    SortChildRows(rows, GetParam().m_nColumn, GetParam().m_bAscending);
    std::wstring strNames;
    for (const CChildRow& row : rows)
        strNames += row.m_strName + L" ";
    EXPECT_EQ(strNames, GetParam().m_pszNames);
}

INSTANTIATE_TEST_SUITE_P(Cases, SortTest, testing::Values(
    CSortCase{1, true, L"Bob Abe Dan Cid "},
    CSortCase{1, false, L"Cid Abe Dan Bob "},
    CSortCase{2, true, L"Abe Bob Cid Dan "},
    CSortCase{2, false, L"Dan Cid Bob Abe "},
    CSortCase{0, true, L"Cid Bob Abe Dan "}));

struct CSideCase {
    const wchar_t* m_pszSex;
    const wchar_t* m_pszWanted;
    bool m_bFamilies;
    std::vector<int> m_persons;
    bool m_bNoOwnFamily;
};

class SideTest : public FamilyViewTest, public testing::WithParamInterface<CSideCase> {};

// The person is the husband of its first family and the wife of its second,
// which has no husband; a third is not in the file.
TEST_P(SideTest, FindsThePersons)
{
    const CSideCase& test = GetParam();
    CPerson& person = Person(L"@I1@", L"Alex /Grey/", test.m_pszSex);
    if (test.m_bFamilies) {
        for (const wchar_t* pszFams : {L"@F1@", L"@F9@", L"@F2@"})
            person.m_astrFams.Append(pszFams);
    }
    Person(L"@I2@", L"Kate /Grey/", L"F");
    AddFamily(L"@F1@", L"@I1@", L"@I2@");
    AddFamily(L"@F2@", L"", L"@I1@");
    bool bNoOwnFamily = !test.m_bNoOwnFamily;
    EXPECT_EQ(FamilySidePersons(0, test.m_pszWanted, bNoOwnFamily), test.m_persons);
    EXPECT_EQ(bNoOwnFamily, test.m_bNoOwnFamily);
}

INSTANTIATE_TEST_SUITE_P(Cases, SideTest, testing::Values(
    CSideCase{L"M", L"M", true, {0}, false},
    CSideCase{L"M", L"F", true, {1, 0}, false},
    CSideCase{L"U", L"M", true, {1, 0}, false},
    CSideCase{L"F", L"M", true, {0}, false},
    CSideCase{L"F", L"M", false, {}, true},
    CSideCase{L"F", L"F", false, {0}, false}));

} // namespace
