#include "ModelDump.h"

#include "core/model/Document.h"

namespace {

void DumpNotes(const CDocument& doc, const CNoteList& notes, std::wstring& out)
{
    for (const CNote& note : doc.Items(notes))
        out += L"  note " + doc.Str(note.m_strText) + L"\n";
}

void DumpEvent(const CDocument& doc, const wchar_t* pszName, const CEventInfo& event, std::wstring& out)
{
    if (!event.m_bPresent && event.m_notes.IsEmpty())
        return;
    const auto str = [&doc](CText text) { return doc.Str(text); };
    out += std::wstring(L" ") + pszName + L" kind " + std::to_wstring(event.m_nKind) + L" value " +
           str(event.m_strValue) + L" type " + str(event.m_strType) + L" date " + str(event.m_strDate) + L" age " +
           str(event.m_strAge) + L" cause " + str(event.m_strCause) + L" place " + str(event.m_strPlace) + L"\n";
    DumpNotes(doc, event.m_notes, out);
}

void DumpEvents(const CDocument& doc, const wchar_t* pszName, const CEventList& events, std::wstring& out)
{
    for (int i = 0; i <= events.GetLast(); ++i)
        DumpEvent(doc, pszName, doc.Event(events, i), out);
}

void DumpTexts(const CDocument& doc, const wchar_t* pszName, const CTextList& texts, std::wstring& out)
{
    for (const CText text : doc.Items(texts))
        out += std::wstring(L"  ") + pszName + L" " + doc.Str(text) + L"\n";
}

void DumpCitations(const CDocument& doc, CCitedKind kind, int nRecord, std::wstring& out)
{
    for (const CCitation* pCitation : doc.CitationsOf(kind, nRecord)) {
        const CCitation& citation = *pCitation;
        out += L" sour owner " + std::to_wstring(citation.m_nOwner) + (citation.m_bInline ? L" inline " : L" ") +
               doc.Str(citation.m_strSource) + L" page " + doc.Str(citation.m_strPage) + L" quay " +
               std::to_wstring(citation.m_nQuality) + L" date " + doc.Str(citation.m_strDate) + L"\n";
        DumpTexts(doc, L"text", citation.m_astrTexts, out);
        DumpTexts(doc, L"link", citation.m_astrLinks, out);
        DumpNotes(doc, citation.m_notes, out);
    }
}

void DumpSources(const CDocument& doc, std::wstring& out)
{
    const auto str = [&doc](CText text) { return doc.Str(text); };
    for (int i = 0; i <= doc.Sources().GetLast(); ++i) {
        const CSourceRecord& source = doc.Sources()[i];
        out += L"SOUR " + str(source.m_strId) + L" titl " + str(source.m_strTitle) + L" auth " +
               str(source.m_strAuthor) + L" publ " + str(source.m_strPublication) + L" abbr " +
               str(source.m_strAbbreviation) + L" text " + str(source.m_strText) + L" repo " +
               str(source.m_strRepository) + L"\n";
        DumpTexts(doc, L"link", source.m_astrLinks, out);
        DumpNotes(doc, source.m_notes, out);
    }
    for (int i = 0; i <= doc.Repositories().GetLast(); ++i) {
        const CRepositoryRecord& repository = doc.Repositories()[i];
        out += L"REPO " + str(repository.m_strId) + L" name " + str(repository.m_strName) + L"\n";
    }
}

} // namespace

std::wstring DumpDocument(const CDocument& doc)
{
    const auto str = [&doc](CText text) { return doc.Str(text); };
    std::wstring out;
    for (int i = 0; i <= doc.GetLastPersonIndex(); ++i) {
        const CPerson& person = doc.Persons()[i];
        out += L"INDI " + str(person.m_strId) + L" name " + str(person.m_strName) + L" givn " + str(person.m_strGiven) +
               L" surn " + str(person.m_strSurname) + L" nick " + str(person.m_strNick) + L" sex " + str(person.m_strSex) +
               L" famc " + str(person.m_strFamc) + L"\n";
        for (const CText fams : doc.Items(person.m_astrFams))
            out += L" fams " + str(fams) + L"\n";
        DumpEvent(doc, L"birt", doc.Event(person.m_birth), out);
        DumpEvent(doc, L"deat", doc.Event(person.m_death), out);
        DumpEvent(doc, L"will", doc.Event(person.m_will), out);
        DumpEvent(doc, L"buri", doc.Event(person.m_burial), out);
        DumpEvent(doc, L"chr", doc.Event(person.m_christening), out);
        DumpEvents(doc, L"even", person.m_events, out);
        DumpEvents(doc, L"occu", person.m_occupations, out);
        DumpEvents(doc, L"reli", person.m_religions, out);
        DumpNotes(doc, person.m_notes, out);
        DumpCitations(doc, CCitedKind::Person, i, out);
    }
    for (int i = 0; i <= doc.GetLastFamilyIndex(); ++i) {
        const CFamily& family = doc.Families()[i];
        out += L"FAM " + str(family.m_strId) + L" husb " + str(family.m_strHusband) + L" wife " + str(family.m_strWife) +
               L" divorced " + std::to_wstring(family.m_bDivorced) + L"\n";
        for (const CText child : doc.Items(family.m_astrChildren))
            out += L" chil " + str(child) + L"\n";
        DumpEvent(doc, L"marr", doc.Event(family.m_marriage), out);
        DumpEvent(doc, L"div", doc.Event(family.m_divorce), out);
        DumpEvents(doc, L"even", family.m_events, out);
        DumpNotes(doc, family.m_notes, out);
        DumpCitations(doc, CCitedKind::Family, i, out);
    }
    DumpSources(doc, out);
    return out;
}
