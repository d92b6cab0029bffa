#include "core/views/PersonPage.h"

#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The markup, written out here so that a change of it in the code shows.
#define LAB(text) L"<font color=blue><b>" text L"</b></font>"
#define SUB(text) L"<font color=blue><i>" text L"</i></font>"
#define PAGE(body) L"<html><head></head><body>" body L"</body></html>"

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
    const wchar_t* m_pszPage;
};

class PageTest : public PersonPageTest, public testing::WithParamInterface<CPageCase> {};

TEST_P(PageTest, IsExactHtml)
{
    UseLanguage(GetParam().m_pszLang);
    GetParam().m_build();
    EXPECT_EQ(MakePageDocument(BuildPersonPageBody(0)), GetParam().m_pszPage);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageTest, testing::Values(
    CPageCase{"OnlyName", L"En", OnlyName,
        PAGE(L"<b>John Smith</b><br><br>")},
    CPageCase{"WomanDivorcedWithoutHusband", L"En", WomanDivorcedWithoutHusband,
        PAGE(L"<b>Mary Brown</b><br><br>" LAB(L"Spouses") L"<br>John Smith.<br> (Divorced).<br><br>")},
    CPageCase{"WomanDivorcedWithoutHusbandRu", L"Ru", WomanDivorcedWithoutHusband,
        PAGE(L"<b>Mary Brown</b><br><br>" LAB(L"Супруги") L"<br>John Smith.<br> (Развелись).<br><br>")},
    CPageCase{"ManWithParentsAndWife", L"En", ManWithParentsAndWife,
        PAGE(L"<b>Ivan Petrov [M]</b><br><br>"
             LAB(L"Born: ") L"12.12.1923<br>" SUB(L"Place: ") L"Moscow<br><br>"
             LAB(L"Died") L"<br><br>"
             LAB(L"Parents") L"<br>Petr Petrov.<br>Anna Petrova.<br><br>"
             LAB(L"Spouse") L"<br>Olga Petrova.<br><br>")},
    CPageCase{"ManWithParentsAndWifeRu", L"Ru", ManWithParentsAndWife,
        PAGE(L"<b>Ivan Petrov [М]</b><br><br>"
             LAB(L"Родился: ") L"12.12.1923<br>" SUB(L"Место: ") L"Moscow<br><br>"
             LAB(L"Умер") L"<br><br>"
             LAB(L"Родители") L"<br>Petr Petrov.<br>Anna Petrova.<br><br>"
             LAB(L"Супруга") L"<br>Olga Petrova.<br><br>")},
    CPageCase{"UnknownSexWithWife", L"En", UnknownSexWithWife,
        PAGE(L"<b>Alex Grey [F]</b><br><br>"
             LAB(L"Born: ") L"1900<br><br>"
             LAB(L"Died") L": <br>Y<br><br>"
             LAB(L"Spouse") L"<br>Kate Grey.<br><br>")},
    CPageCase{"UnknownSexWithWifeRu", L"Ru", UnknownSexWithWife,
        PAGE(L"<b>Alex Grey [Ж]</b><br><br>"
             LAB(L"Родилась: ") L"1900<br><br>"
             LAB(L"Умерла") L": <br>Y<br><br>"
             LAB(L"Супруг") L"<br>Kate Grey.<br><br>")},
    CPageCase{"ListSections", L"En", ListSections,
        PAGE(L"<b>Anna Lee</b><br><br>"
             LAB(L"Religion") L"<br>Orthodox<br><br>"
             LAB(L"Occupation:") L"<br>" LAB(L"1. ") L"Teacher<br><br>"
                 LAB(L"3. ") L"Writer<br>" SUB(L"Place: ") L"Paris<br><br>"
             LAB(L"Events") L"<br>Graduation<br>1950<br><br>"
             LAB(L"Notes:") L"<br>" LAB(L"1. ") L"First<br>line<br>" LAB(L"2. ") L"<b>Bold</b><br>")},
    CPageCase{"ListSectionsRu", L"Ru", ListSections,
        PAGE(L"<b>Anna Lee</b><br><br>"
             LAB(L"Религия") L"<br>Orthodox<br><br>"
             LAB(L"Занятия:") L"<br>" LAB(L"1. ") L"Teacher<br><br>"
                 LAB(L"3. ") L"Writer<br>" SUB(L"Место: ") L"Paris<br><br>"
             LAB(L"События") L"<br>Graduation<br>1950<br><br>"
             LAB(L"Примечания:") L"<br>" LAB(L"1. ") L"First<br>line<br>" LAB(L"2. ") L"<b>Bold</b><br>")},
    CPageCase{"NotesUnderEvents", L"En", NotesUnderEvents,
        PAGE(L"<b>Olga Ivanova</b><br><br>"
             LAB(L"Christening") L"<br><br>"
             LAB(L"Died") L": 03.03.1980<br>" SUB(L"Age: ") L"80<br>" SUB(L"Cause: ") L"Fever<br>"
                 SUB(L"Notes") L"<br>Quiet<br><br>"
             LAB(L"Funeral: ") L"1980<br>" SUB(L"Place: ") L"Novgorod<br>"
                 SUB(L"Notes:") L"<br>" SUB(L"1. ") L"a<br>" SUB(L"2. ") L"b<br><br>")},
    CPageCase{"NotesUnderEventsRu", L"Ru", NotesUnderEvents,
        PAGE(L"<b>Olga Ivanova</b><br><br>"
             LAB(L"Крещение") L"<br><br>"
             LAB(L"Умерла") L": 03.03.1980<br>" SUB(L"Возраст: ") L"80<br>" SUB(L"Причина: ") L"Fever<br>"
                 SUB(L"Примечания") L"<br>Quiet<br><br>"
             LAB(L"Похороны: ") L"1980<br>" SUB(L"Место: ") L"Novgorod<br>"
                 SUB(L"Примечания:") L"<br>" SUB(L"1. ") L"a<br>" SUB(L"2. ") L"b<br><br>")},
    CPageCase{"NotesPointingToRecords", L"En", NotesPointingToRecords,
        PAGE(L"<b>Eva Berg</b><br><br>"
             LAB(L"Born: ") L"1900<br>" SUB(L"Notes") L"<br>Shared<br>text<br><br>"
             LAB(L"Notes:") L"<br>" LAB(L"1. ") L"Shared<br>text<br>" LAB(L"2. ") L"@N2@<br>")},
    CPageCase{"EmptyFamilyIds", L"En", EmptyFamilyIds,
        PAGE(L"<b>Lone Wolf</b><br><br>")}),
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
    EXPECT_EQ(MakePageDocument(L""), PAGE(L""));
}

} // namespace
