#include "core/views/PersonPage.h"

#include "TestSupport.h"

#include <memory>

namespace {

class PersonPageTest : public CViewBuilderTest {};

// The whole page, from tests/data/expected/person-page/<case>.html after the
// GEDCOM it is read from; the file breaks its lines after each <br> for
// reading, the page has no line ends.
TEST_F(PersonPageTest, IsExactHtml)
{
    const struct {
        const char* m_pszName;
        const wchar_t* m_pszLang;
        bool m_bSexLetter;
    } cases[] = {
        {"OnlyName", L"En", false},
        {"WomanDivorcedWithoutHusband", L"En", false},
        {"ManWithParentsAndWife", L"En", true},
        {"ManWithParentsAndWifeRu", L"Ru", true},
        {"UnknownSexWithWife", L"En", true},
        {"UnknownSexWithWifeRu", L"Ru", true},
        {"ListSections", L"En", false},
        {"NotesUnderEvents", L"En", false},
        {"NotesPointingToRecords", L"En", false},
        {"EmptyFamilyIds", L"En", false},
        {"Citations", L"En", false},
        {"CitationsRu", L"Ru", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        UseLanguage(c.m_pszLang);
        auto [strGedcom, strExpected] = ReadGedcomAndExpected("person-page/" + std::string(c.m_pszName) + ".html");
        m_options.m_bSexLetter = c.m_bSexLetter;
        const std::string strPage =
            WideToUtf8(MakePageDocument(BuildPersonPageBody(*ReadGedcom(strGedcom).m_pDocument, 0, m_options)));
        std::erase(strExpected, '\n');
        EXPECT_EQ(strPage, strExpected);
    }
}

// The burial starts with its date unshown; the page marks it for good, and
// leaves the events the file never mentioned unmade.
TEST_F(PersonPageTest, MarksOnlyTheEventsItShows)
{
    CPerson& person = AddPerson({.m_strId = L"@I1@", .m_strName = L"Olga /Ivanova/", .m_strSex = L"F"});
    Doc().Edit(person.m_burial).m_strDate = Doc().AddText(L"1980");
    BuildPersonPageBody(Doc(), 0, m_options);
    EXPECT_EQ(Doc().Event(person.m_burial).m_bDateShown, 1);
    EXPECT_FALSE(person.m_birth.IsMade());
    EXPECT_FALSE(person.m_death.IsMade());
    EXPECT_FALSE(person.m_will.IsMade());
}

TEST_F(PersonPageTest, HasNoBodyForAnIndexOutsideTheTable)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"John /Smith/"});
    EXPECT_EQ(BuildPersonPageBody(Doc(), 1, m_options), L"");
    EXPECT_EQ(BuildPersonPageBody(Doc(), -1, m_options), L"");
}

} // namespace
