#include "core/views/FamilyView.h"

#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "TestSupport.h"

#include <memory>

namespace {

class FamilyViewTest : public CViewBuilderTest {};

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
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Ivan /Petrov/", .m_strSex = L"M",
               .m_astrFams = {L"@F1@", L"@F2@"}, .m_pszBirth = L"1 JAN 1900"});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Anna /Ivanova/", .m_strSex = L"F", .m_pszBirth = L"1905",
               .m_pszDeath = L"1950"});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Olga /Sidorova/", .m_strSex = L"F"});
    CFamily& first = AddFamily(L"@F1@", L"@I1@", L"@I2@");
    first.m_marriage.Edit().m_bPresent = true;
    first.m_marriage.Edit().m_strDate = L"1925";
    first.m_notes.Append(CNote(L"Met in Kiev"));
    AddFamily(L"@F2@", L"@I1@", L"@I3@");
}

void OnlyFamilyWithChildrenButNoSpouse()
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Mary /Brown/", .m_strSex = L"F", .m_astrFams = {L"@F1@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Tom /Brown/", .m_strSex = L"M", .m_pszBirth = L"1930"});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Ann /Brown/", .m_strSex = L"F"});
    AddFamily(L"@F1@", L"@I9@", L"@I1@", {L"@I2@", L"@I3@"});
}

// A spouse id that finds nobody, a family id that finds nothing, and an empty
// one that must not find the family written without an id.
void FamiliesWithoutMembers()
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Lone /Wolf/", .m_strSex = L"M",
               .m_astrFams = {L"@F1@", L"@F9@", L""}});
    AddFamily(L"@F1@", L"@I1@", L"@I9@", {L"@I8@"});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Other /One/", .m_strSex = L"F"});
    AddFamily(L"", L"@I1@", L"@I2@", {L"@I2@"});
}

void NoOwnFamily() { AddPerson({.m_strId = L"@I1@", .m_strName = L"Lone /Wolf/", .m_strSex = L"M",
                                .m_pszDeath = L""}); }

// The family between the two has no husband, and divides them all the same.
void DivorcedWoman()
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Mary /Brown/", .m_strSex = L"F",
               .m_astrFams = {L"@F1@", L"@F3@", L"@F2@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"John /Smith/", .m_strSex = L"M", .m_pszDeath = L"1970"});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Paul /Green/", .m_strSex = L"M",
               .m_pszBirth = L"3 MAR 1931"});
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
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Ivan /Petrov/", .m_strSex = L"M",
               .m_astrFams = {L"@F1@", L"@F2@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Ann /Petrova/", .m_strSex = L"F", .m_pszBirth = L"1950"});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Boris /Petrov/", .m_strSex = L"M"});
    AddPerson({.m_strId = L"@I4@", .m_strName = L"Vera /Petrova/", .m_strSex = L"F",
               .m_pszBirth = L"2 JAN 1949"});
    AddPerson({.m_strId = L"@I5@", .m_strName = L"Gleb /Petrov/", .m_strSex = L"M"});
    AddFamily(L"@F1@", L"@I1@", L"", {L"@I2@", L"@I3@"});
    AddFamily(L"@F2@", L"@I1@", L"", {L"@I5@", L"@I9@", L"@I4@"});
}

void FamilyNotePointingToRecord()
{
    theNoteRecords.Append(L"@N1@", L"Met in Kiev");
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Ivan /Petrov/", .m_strSex = L"M", .m_astrFams = {L"@F1@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Anna /Ivanova/", .m_strSex = L"F"});
    AddFamily(L"@F1@", L"@I1@", L"@I2@").m_notes.Append(CNote(L"@N1@"));
}

// The person is its family's husband too, so taking the wrong side shows.
void UnknownSex()
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Alex /Grey/", .m_strSex = L"U", .m_astrFams = {L"@F1@"},
               .m_pszBirth = L"1900"});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Kate /Grey/", .m_strSex = L"F"});
    AddFamily(L"@F1@", L"@I1@", L"@I2@");
}

struct CBuildCase {
    const char* m_pszName;
    void (*m_build)();
    int m_nMessageId;
    bool m_bSpousesDeceased;
};

// The view as tests/data/expected/family-view/<case>.txt writes it: each part
// under its name, the boxes' CR LF as "~" and a line end, the notes broken
// after each <br>, the child rows as Rows gives them.
std::string Shown(const CFamilyContent& content)
{
    const auto replaced = [](std::wstring str, std::wstring_view from, std::wstring_view to) {
        for (std::size_t i = 0; (i = str.find(from, i)) != std::wstring::npos; i += to.size())
            str.replace(i, from.size(), to);
        return WideToUtf8(str);
    };
    return "[husband]\n" + replaced(content.m_strHusbandBox, L"\r\n", L"~\n") + "[wife]\n" +
           replaced(content.m_strWifeBox, L"\r\n", L"~\n") + "[notes]\n" +
           replaced(content.m_strNotesHtml, L"<br>", L"<br>\n") + "\n[children]\n" + WideToUtf8(Rows(content.m_children));
}

class BuildTest : public FamilyViewTest, public testing::WithParamInterface<CBuildCase> {};

TEST_P(BuildTest, ShowsTheFamily)
{
    const CBuildCase& test = GetParam();
    test.m_build();
    const CFamilyContent content = BuildFamilyView(0);
    EXPECT_EQ(Shown(content), ReadFileBytes(std::filesystem::path(STEMMARK_TEST_DATA) / "expected" / "family-view" /
                                            (std::string(test.m_pszName) + ".txt")));
    EXPECT_EQ(content.m_bChildrenListed, !content.m_children.empty() && content.m_children[0].m_nPerson >= 0);
    CMessages expected;
    if (test.m_nMessageId >= 0)
        expected.push_back({LoadLangString(test.m_nMessageId), L"Message", CMessageIcon::Information});
    EXPECT_EQ(content.m_messages, expected);
    EXPECT_EQ(content.m_bClose, test.m_nMessageId >= 0);
    EXPECT_EQ(content.m_bSpousesDeceased, test.m_bSpousesDeceased);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildTest, testing::Values(
    CBuildCase{"ManWithTwoWives", ManWithTwoWives, -1, false},
    CBuildCase{"OnlyFamilyWithChildrenButNoSpouse", OnlyFamilyWithChildrenButNoSpouse, -1, true},
    CBuildCase{"FamiliesWithoutMembers", FamiliesWithoutMembers, IDS_NO_INFORMATION_ABOUT_FAMILY_MEMBERS, true},
    CBuildCase{"NoOwnFamily", NoOwnFamily, IDS_NO_INFORMATION_ABOUT_OWN_FAMILY, true},
    CBuildCase{"DivorcedWoman", DivorcedWoman, -1, false},
    CBuildCase{"ChildrenOfTwoFamilies", ChildrenOfTwoFamilies, -1, true},
    CBuildCase{"FamilyNotePointingToRecord", FamilyNotePointingToRecord, -1, false},
    CBuildCase{"UnknownSex", UnknownSex, -1, false}),
    CByName());

// A death or burial line without a date shows nothing in the box and still
// marks the person dead.
TEST_F(FamilyViewTest, MarksThePersonDeceasedByDeathOrBurial)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Ann /Lee/", .m_strSex = L"F", .m_pszDeath = L""});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Bob /Lee/",
               .m_strSex = L"M"}).m_burial.Edit().m_bPresent = true;
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Cid /Lee/",
               .m_strSex = L"M"}).m_burial.Edit().m_strDate = L"1980";
    const bool abExpected[] = {true, true, false};
    for (int i = 0; i < 3; ++i) {
        const CFamilyContent content = BuildFamilyView(i);
        EXPECT_EQ(content.m_bPersonDeceased, abExpected[i]) << i;
        EXPECT_EQ(content.m_bPersonOnHusbandSide, i > 0) << i;
    }
}

TEST_F(FamilyViewTest, BuildsNothingForAnIndexOutsideTheTable)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Lone /Wolf/", .m_strSex = L"M"});
    EXPECT_TRUE(BuildFamilyView(1).m_messages.empty());
    EXPECT_TRUE(BuildFamilyView(-1).m_children.empty());
}

struct CSortCase {
    const char* m_pszName;
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
    CSortCase{"BirthDateUp", 1, true, L"Bob Abe Dan Cid "},
    CSortCase{"BirthDateDown", 1, false, L"Cid Abe Dan Bob "},
    CSortCase{"NameUp", 2, true, L"Abe Bob Cid Dan "},
    CSortCase{"NameDown", 2, false, L"Dan Cid Bob Abe "},
    CSortCase{"ImageColumnKeepsTheOrder", 0, true, L"Cid Bob Abe Dan "}), CByName());

struct CSideCase {
    const char* m_pszName;
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
    CPerson& person = AddPerson({.m_strId = L"@I1@", .m_strName = L"Alex /Grey/", .m_strSex = test.m_pszSex});
    if (test.m_bFamilies) {
        for (const wchar_t* pszFams : {L"@F1@", L"@F9@", L"@F2@"})
            person.m_astrFams.Append(pszFams);
    }
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Kate /Grey/", .m_strSex = L"F"});
    AddFamily(L"@F1@", L"@I1@", L"@I2@");
    AddFamily(L"@F2@", L"", L"@I1@");
    bool bNoOwnFamily = !test.m_bNoOwnFamily;
    EXPECT_EQ(FamilySidePersons(0, test.m_pszWanted, bNoOwnFamily), test.m_persons);
    EXPECT_EQ(bNoOwnFamily, test.m_bNoOwnFamily);
}

INSTANTIATE_TEST_SUITE_P(Cases, SideTest, testing::Values(
    CSideCase{"ManHisOwnSide", L"M", L"M", true, {0}, false},
    CSideCase{"ManHisWivesSide", L"M", L"F", true, {1, 0}, false},
    CSideCase{"UnknownSexIsAWoman", L"U", L"M", true, {1, 0}, false},
    CSideCase{"WomanHerHusbandsSide", L"F", L"M", true, {0}, false},
    CSideCase{"WomanWithoutFamilies", L"F", L"M", false, {}, true},
    CSideCase{"WomanWithoutFamiliesHerOwnSide", L"F", L"F", false, {0}, false}), CByName());

} // namespace
