#include "ModelDump.h"

#include "core/model/Tables.h"

namespace {

void DumpNotes(const CNoteList& notes, std::wstring& out)
{
    for (int i = 0; i <= notes.GetLast(); ++i)
        out += L"  note " + notes[i].m_strText.Str() + L"\n";
}

void DumpEvent(const wchar_t* pszName, const CEventInfo& event, std::wstring& out)
{
    if (!event.m_bPresent && event.m_notes.IsEmpty())
        return;
    out += std::wstring(L" ") + pszName + L" kind " + std::to_wstring(event.m_nKind) + L" value " +
           event.m_strValue.Str() + L" type " + event.m_strType.Str() + L" date " + event.m_strDate.Str() + L" age " +
           event.m_strAge.Str() + L" cause " + event.m_strCause.Str() + L" place " + event.m_strPlace.Str() + L"\n";
    DumpNotes(event.m_notes, out);
}

void DumpEvents(const wchar_t* pszName, const CEventList& events, std::wstring& out)
{
    for (int i = 0; i <= events.GetLast(); ++i)
        DumpEvent(pszName, events[i], out);
}

} // namespace

std::wstring DumpTables()
{
    std::wstring out;
    for (int i = 0; i <= theLastPersonIndex; ++i) {
        const CPerson& person = thePersons[i];
        out += L"INDI " + person.m_strId.Str() + L" name " + person.m_strName.Str() + L" givn " + person.m_strGiven.Str() +
               L" surn " + person.m_strSurname.Str() + L" nick " + person.m_strNick.Str() + L" sex " + person.m_strSex.Str() +
               L" famc " + person.m_strFamc.Str() + L"\n";
        for (const CText& strFams : person.m_astrFams)
            out += L" fams " + strFams.Str() + L"\n";
        DumpEvent(L"birt", *person.m_birth, out);
        DumpEvent(L"deat", *person.m_death, out);
        DumpEvent(L"will", *person.m_will, out);
        DumpEvent(L"buri", *person.m_burial, out);
        DumpEvent(L"chr", *person.m_christening, out);
        DumpEvents(L"even", person.m_events, out);
        DumpEvents(L"occu", person.m_occupations, out);
        DumpEvents(L"reli", person.m_religions, out);
        DumpNotes(person.m_notes, out);
    }
    for (int i = 0; i <= theLastFamilyIndex; ++i) {
        const CFamily& family = theFamilies[i];
        out += L"FAM " + family.m_strId.Str() + L" husb " + family.m_strHusband.Str() + L" wife " + family.m_strWife.Str() +
               L" divorced " + std::to_wstring(family.m_bDivorced) + L"\n";
        for (const CText& strChild : family.m_astrChildren)
            out += L" chil " + strChild.Str() + L"\n";
        DumpEvent(L"marr", *family.m_marriage, out);
        DumpEvent(L"div", *family.m_divorce, out);
        DumpEvents(L"even", family.m_events, out);
        DumpNotes(family.m_notes, out);
    }
    return out;
}
