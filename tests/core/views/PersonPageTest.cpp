#include "core/views/PersonPage.h"

#include "core/options/Settings.h"
#include "TestSupport.h"

#include <memory>

namespace {

class PersonPageTest : public CViewBuilderTest {};

template <class TEvent = CEventInfo>
CEventInfo& AddEvent(CEventList& list, const wchar_t* pszValue)
{
    CEventInfo& event = list.Append(TEvent());
    event.m_strValue = pszValue;
    return event;
}

void AddNotes(CNoteList& notes, std::initializer_list<const wchar_t*> texts)
{
    for (const wchar_t* pszText : texts)
        notes.Append(CNote(pszText));
}

void OnlyName() { AddPerson({.m_strId = L"@I1@", .m_strName = L"John /Smith/"}); }

void WomanDivorcedWithoutHusband()
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Mary /Brown/", .m_strSex = L"F",
               .m_astrFams = {L"@F1@", L"@F2@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"John /Smith/", .m_strSex = L"M"});
    AddFamily(L"@F1@", L"@I2@", L"@I1@");
    AddFamily(L"@F2@", L"", L"@I1@").m_bDivorced = 1;
}

void ManWithParentsAndWife()
{
    Settings.PutSexLetter = true;
    CPerson& man = AddPerson({.m_strId = L"@I1@", .m_strName = L"Ivan /Petrov/", .m_strSex = L"M",
                              .m_strFamc = L"@F0@", .m_astrFams = {L"@F1@"}});
    man.m_birth.Edit().m_strDate = L"12 DEC 1923"; // no BIRT line read: the block shows all the same
    man.m_birth.Edit().m_strPlace = L"Moscow";
    man.m_death.Edit().m_bPresent = true;
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Petr /Petrov/", .m_strSex = L"M"});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Anna /Petrova/", .m_strSex = L"F"});
    AddPerson({.m_strId = L"@I4@", .m_strName = L"Olga /Petrova/", .m_strSex = L"F"});
    AddFamily(L"@F0@", L"@I2@", L"@I3@");
    AddFamily(L"@F1@", L"@I1@", L"@I4@");
}

// The person is the family's husband too, so taking the wrong side shows.
void UnknownSexWithWife()
{
    Settings.PutSexLetter = true;
    CPerson& person = AddPerson({.m_strId = L"@I1@", .m_strName = L"Alex /Grey/", .m_strSex = L"U",
                                 .m_astrFams = {L"@F1@"}});
    person.m_birth.Edit().m_strDate = L"1900";
    person.m_death.Edit().m_bPresent = true;
    person.m_death.Edit().m_strValue = L"Y";
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Kate /Grey/", .m_strSex = L"F"});
    AddFamily(L"@F1@", L"@I1@", L"@I2@");
}

void ListSections()
{
    CPerson& person = AddPerson({.m_strId = L"@I1@", .m_strName = L"Anna /Lee/", .m_strSex = L"F"});
    AddEvent<CReligionEvent>(person.m_religions, L"Orthodox");
    AddEvent<COccupationEvent>(person.m_occupations, L"Teacher");
    AddEvent<COccupationEvent>(person.m_occupations, L"");
    AddEvent<COccupationEvent>(person.m_occupations, L"Writer").m_strPlace = L"Paris";
    CEventInfo& event = AddEvent(person.m_events, L"");
    event.m_strType = L"Graduation";
    event.m_strDate = L"1950"; // a listed event has no date line of its own
    AddNotes(person.m_notes, {L"First<br>line", L"<b>Bold</b>"});
}

void NotesUnderEvents()
{
    CPerson& person = AddPerson({.m_strId = L"@I1@", .m_strName = L"Olga /Ivanova/", .m_strSex = L"F"});
    person.m_christening.Edit().m_bPresent = true;
    CEventInfo& death = person.m_death.Edit();
    death.m_bPresent = true;
    death.m_strDate = L"3 MAR 1980";
    death.m_strAge = L"80";
    death.m_strCause = L"Fever";
    AddNotes(death.m_notes, {L"Quiet"});
    CEventInfo& burial = person.m_burial.Edit();
    burial.m_strDate = L"1980";
    burial.m_strPlace = L"Novgorod";
    AddNotes(burial.m_notes, {L"a", L"b"});
}

// Notes that point to a note record show its text, an unknown record's id
// stays as written.
void NotesPointingToRecords()
{
    theNoteRecords.Append(L"@N1@", L"Shared<br>text");
    CPerson& person = AddPerson({.m_strId = L"@I1@", .m_strName = L"Eva /Berg/", .m_strSex = L"F"});
    CEventInfo& birth = person.m_birth.Edit();
    birth.m_strDate = L"1900";
    AddNotes(birth.m_notes, {L"@N1@"});
    AddNotes(person.m_notes, {L"@N1@", L"@N2@"});
}

// A family written without an id must not pass for the family of a person
// whose FAMC or FAMS is empty.
void EmptyFamilyIds()
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Lone /Wolf/", .m_strSex = L"M", .m_astrFams = {L""}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Other /One/", .m_strSex = L"F"});
    AddFamily(L"", L"@I2@", L"@I2@");
}

struct CPageCase {
    const char* m_pszName;
    const wchar_t* m_pszLang;
    void (*m_build)();
};

class PageTest : public PersonPageTest, public testing::WithParamInterface<CPageCase> {};

// The whole page, from tests/data/expected/person-page/<case>.html; the file
// breaks its lines after each <br> for reading, the page has no line ends.
TEST_P(PageTest, IsExactHtml)
{
    UseLanguage(GetParam().m_pszLang);
    GetParam().m_build();
    const std::string strPage = WideToUtf8(MakePageDocument(BuildPersonPageBody(0)));
    std::string strExpected = ReadFileBytes(std::filesystem::path(STEMMARK_TEST_DATA) / "expected" /
                                            "person-page" / (std::string(GetParam().m_pszName) + ".html"));
    std::erase(strExpected, '\n');
    EXPECT_EQ(strPage, strExpected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageTest, testing::Values(
    CPageCase{"OnlyName", L"En", OnlyName},
    CPageCase{"WomanDivorcedWithoutHusband", L"En", WomanDivorcedWithoutHusband},
    CPageCase{"ManWithParentsAndWife", L"En", ManWithParentsAndWife},
    CPageCase{"ManWithParentsAndWifeRu", L"Ru", ManWithParentsAndWife},
    CPageCase{"UnknownSexWithWife", L"En", UnknownSexWithWife},
    CPageCase{"UnknownSexWithWifeRu", L"Ru", UnknownSexWithWife},
    CPageCase{"ListSections", L"En", ListSections},
    CPageCase{"NotesUnderEvents", L"En", NotesUnderEvents},
    CPageCase{"NotesPointingToRecords", L"En", NotesPointingToRecords},
    CPageCase{"EmptyFamilyIds", L"En", EmptyFamilyIds}),
    CByName());

// The burial starts with its date unshown; the page marks it for good, and
// leaves the events the file never mentioned unmade.
TEST_F(PersonPageTest, MarksOnlyTheEventsItShows)
{
    CPerson& person = AddPerson({.m_strId = L"@I1@", .m_strName = L"Olga /Ivanova/", .m_strSex = L"F"});
    person.m_burial.Edit().m_strDate = L"1980";
    BuildPersonPageBody(0);
    EXPECT_EQ(person.m_burial->m_bDateShown, 1);
    EXPECT_FALSE(person.m_birth.IsMade());
    EXPECT_FALSE(person.m_death.IsMade());
    EXPECT_FALSE(person.m_will.IsMade());
}

TEST_F(PersonPageTest, HasNoBodyForAnIndexOutsideTheTable)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"John /Smith/"});
    EXPECT_EQ(BuildPersonPageBody(1), L"");
    EXPECT_EQ(BuildPersonPageBody(-1), L"");
}

} // namespace
