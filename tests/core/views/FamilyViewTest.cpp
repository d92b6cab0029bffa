#include "core/views/FamilyView.h"

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

// The view as tests/data/expected/family-view/<case>.txt writes it after the
// GEDCOM it is read from: each part under its name, the boxes' CR LF as "~" and a line end, the notes broken
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

TEST_F(FamilyViewTest, ShowsTheFamily)
{
    const struct {
        const char* m_pszName;
        int m_nMessageId;
        bool m_bSpousesDeceased;
    } cases[] = {
        {"ManWithTwoWives", -1, false},
        {"OnlyFamilyWithChildrenButNoSpouse", -1, true},
        {"FamiliesWithoutMembers", IDS_NO_INFORMATION_ABOUT_FAMILY_MEMBERS, true},
        {"NoOwnFamily", IDS_NO_INFORMATION_ABOUT_OWN_FAMILY, true},
        {"DivorcedWoman", -1, false},
        {"ChildrenOfTwoFamilies", -1, true},
        {"FamilyNotePointingToRecord", -1, false},
        {"UnknownSex", -1, false},
        {"CitedMarriageNoDivorce", -1, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_pszName);
        const auto [strGedcom, strExpected] = ReadGedcomAndExpected("family-view/" + std::string(test.m_pszName) + ".txt");
        const CFamilyContent content = BuildFamilyView(*ReadGedcom(strGedcom).m_pDocument, 0, m_options);
        EXPECT_EQ(Shown(content), strExpected);
        EXPECT_EQ(content.m_bChildrenListed, !content.m_children.empty() && content.m_children[0].m_nPerson >= 0);
        CMessages expected;
        if (test.m_nMessageId >= 0)
            expected.push_back({LoadLangString(test.m_nMessageId), L"Message", CMessageIcon::Information});
        EXPECT_EQ(content.m_messages, expected);
        EXPECT_EQ(content.m_bClose, test.m_nMessageId >= 0);
        EXPECT_EQ(content.m_bSpousesDeceased, test.m_bSpousesDeceased);
    }
}

// A death or burial line without a date shows nothing in the box and still
// marks the person dead.
TEST_F(FamilyViewTest, MarksThePersonDeceasedByDeathOrBurial)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Ann /Lee/", .m_strSex = L"F", .m_pszDeath = L""});
    Doc().Edit(AddPerson({.m_strId = L"@I2@", .m_strName = L"Bob /Lee/", .m_strSex = L"M"}).m_burial).m_bPresent =
        true;
    Doc().Edit(AddPerson({.m_strId = L"@I3@", .m_strName = L"Cid /Lee/", .m_strSex = L"M"}).m_burial).m_strDate =
        Doc().AddText(L"1980");
    const bool abExpected[] = {true, true, false};
    for (int i = 0; i < 3; ++i) {
        const CFamilyContent content = BuildFamilyView(Doc(), i, m_options);
        EXPECT_EQ(content.m_bPersonDeceased, abExpected[i]) << i;
        EXPECT_EQ(content.m_bPersonOnHusbandSide, i > 0) << i;
    }
}

TEST_F(FamilyViewTest, BuildsNothingForAnIndexOutsideTheTable)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Lone /Wolf/", .m_strSex = L"M"});
    EXPECT_TRUE(BuildFamilyView(Doc(), 1, m_options).m_messages.empty());
    EXPECT_TRUE(BuildFamilyView(Doc(), -1, m_options).m_children.empty());
}

// Rows 2 and 3 share a birth date: a stable sort keeps their order both ways.
TEST(FamilyRowsTest, SortOrdersTheRows)
{
    const struct {
        int m_nColumn;
        bool m_bAscending;
        const wchar_t* m_pszNames;
    } cases[] = {
        {1, true, L"Bob Abe Dan Cid "},  {1, false, L"Cid Abe Dan Bob "}, {2, true, L"Abe Bob Cid Dan "},
        {2, false, L"Dan Cid Bob Abe "}, {0, true, L"Cid Bob Abe Dan "}, // the image column keeps the order
    };
    for (const auto& c : cases) {
        std::vector<CChildRow> rows{{1, L"1950", L"Cid", 0, 19500000},
                                    {0, L"", L"Bob", 1, -1},
                                    {0, L"02.01.1949", L"Abe", 2, 19490102},
                                    {1, L"02.01.1949", L"Dan", 3, 19490102}};
        SortChildRows(rows, c.m_nColumn, c.m_bAscending);
        std::wstring strNames;
        for (const CChildRow& row : rows)
            strNames += row.m_strName + L" ";
        EXPECT_EQ(strNames, c.m_pszNames) << c.m_nColumn << c.m_bAscending;
    }
}

// The children of one family, born as written, listed in file order.
TEST_F(FamilyViewTest, ListsTheChildrenInBirthOrder)
{
    const struct {
        const char* m_pszName;
        std::vector<const wchar_t*> m_apszBirths; // nullptr: no birth
        const wchar_t* m_pszOrder;                // the children by their place in the file
    } cases[] = {
        {"months among full dates",
         {L"12 AUG 1904", L"JUN 1897", L"18 JUN 1901", L"26 JUN 1899", L"NOV 1895"},
         L"4 1 3 2 0 "},
        {"a year, then a month, then its days; no date first",
         {L"5 MAR 1900", L"1900", L"MAR 1900", nullptr, L"(unknown)"},
         L"3 4 1 2 0 "},
        {"qualified, ranges and dual years",
         {L"ABT 1710", L"BET 5 APR 1712/13 AND 1714", L"27 OCT 1699/00", L"BEF 1700"},
         L"3 2 0 1 "},
        {"equal keys keep file order", {L"1900", L"ABT 1900", L"1900"}, L"0 1 2 "},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_pszName);
        m_pDoc = std::make_unique<CDocument>();
        AddPerson({.m_strId = L"@P@", .m_strName = L"Pat /Roe/", .m_strSex = L"M", .m_astrFams = {L"@F1@"}});
        CFamily& family = AddFamily(L"@F1@", L"@P@", L"");
        for (std::size_t i = 0; i < test.m_apszBirths.size(); ++i) {
            const std::wstring strId = L"@C" + std::to_wstring(i) + L"@";
            AddPerson({.m_strId = strId, .m_strName = L"Kim /Roe/", .m_pszBirth = test.m_apszBirths[i]});
            Doc().Append(family.m_astrChildren, Doc().AddText(strId));
        }
        std::vector<CChildRow> rows = BuildFamilyView(Doc(), 0, m_options).m_children;
        const auto order = [&rows] {
            std::wstring strOrder;
            for (const CChildRow& row : rows)
                strOrder += std::to_wstring(row.m_nPerson - 1) + L" ";
            return strOrder;
        };
        EXPECT_EQ(order(), test.m_pszOrder);
        SortChildRows(rows, 1, false);
        SortChildRows(rows, 1, true);
        EXPECT_EQ(order(), test.m_pszOrder) << "the Birthdate column sorts the same way";
    }
}

// The person is the husband of its first family and the wife of its second,
// which has no husband; a third is not in the file.
TEST(FamilySideTest, FindsThePersons)
{
    const struct {
        const char* m_pszName;
        const wchar_t* m_pszSex;
        const wchar_t* m_pszWanted;
        bool m_bFamilies;
        std::vector<int> m_persons;
        bool m_bNoOwnFamily;
    } cases[] = {
        {"a man, his own side", L"M", L"M", true, {0}, false},
        {"a man, his wives' side", L"M", L"F", true, {1, 0}, false},
        {"an unknown sex is a woman", L"U", L"M", true, {1, 0}, false},
        {"a woman, her husbands' side", L"F", L"M", true, {0}, false},
        {"a woman without families", L"F", L"M", false, {}, true},
        {"a woman without families, her own side", L"F", L"F", false, {0}, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_pszName);
        CDocument doc;
        CPerson& person = AddPerson(doc, {.m_strId = L"@I1@", .m_strName = L"Alex /Grey/", .m_strSex = test.m_pszSex});
        if (test.m_bFamilies) {
            for (const wchar_t* pszFams : {L"@F1@", L"@F9@", L"@F2@"})
                doc.Append(person.m_astrFams, doc.AddText(pszFams));
        }
        AddPerson(doc, {.m_strId = L"@I2@", .m_strName = L"Kate /Grey/", .m_strSex = L"F"});
        AddFamily(doc, L"@F1@", L"@I1@", L"@I2@");
        AddFamily(doc, L"@F2@", L"", L"@I1@");
        bool bNoOwnFamily = !test.m_bNoOwnFamily;
        EXPECT_EQ(FamilySidePersons(doc, 0, test.m_pszWanted, bNoOwnFamily), test.m_persons);
        EXPECT_EQ(bNoOwnFamily, test.m_bNoOwnFamily);
    }
}

} // namespace
