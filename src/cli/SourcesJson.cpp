#include "cli/SourcesJson.h"

#include <algorithm>
#include <vector>

namespace {

const char* const kEventNames[] = {"birth",    "death",    "christening", "occupation", "religion",
                                   "marriage", "divorce",  "burial",      "will"};

std::wstring CitedName(const CDocument& doc, const CCitation& citation)
{
    if (citation.m_nOwner == kCitedRecord)
        return L"record";
    if (citation.m_nOwner == kCitedName)
        return L"name";
    const int nKind = doc.EventNumbered(citation.m_nOwner).m_nKind;
    const char* pszName = nKind >= 0 && nKind < static_cast<int>(std::size(kEventNames)) ? kEventNames[nKind] : "event";
    return std::wstring(pszName, pszName + std::char_traits<char>::length(pszName));
}

void WriteTexts(CJsonWriter& writer, const CDocument& doc, const char* pszKey, const CTextList& texts)
{
    writer.Key(pszKey).BeginArray();
    for (const CText text : doc.Items(texts))
        writer.String(doc.Str(text));
    writer.EndArray();
}

void WriteNotes(CJsonWriter& writer, const CDocument& doc, const CNoteList& notes)
{
    writer.Key("notes").BeginArray();
    for (const CNote& note : doc.Items(notes))
        writer.String(doc.ResolveNoteText(note.m_strText));
    writer.EndArray();
}

void WriteCitation(CJsonWriter& writer, const CDocument& doc, const CCitation& citation)
{
    writer.BeginObject().Key("cites").String(CitedName(doc, citation));
    writer.Key(citation.m_bInline ? "text" : "source").String(doc.Str(citation.m_strSource));
    writer.Key("page").String(doc.Str(citation.m_strPage)).Key("date").String(doc.Str(citation.m_strDate));
    writer.Key("quality");
    if (citation.m_nQuality < 0)
        writer.Null();
    else
        writer.Int(citation.m_nQuality);
    WriteTexts(writer, doc, "texts", citation.m_astrTexts);
    WriteTexts(writer, doc, "links", citation.m_astrLinks);
    WriteNotes(writer, doc, citation.m_notes);
    writer.EndObject();
}

} // namespace

void WriteSourceFields(CJsonWriter& writer, const CDocument& doc, const CSourceRecord& source)
{
    const auto str = [&doc](CText text) { return doc.Str(text); };
    writer.Key("id").String(str(source.m_strId)).Key("title").String(str(source.m_strTitle));
    writer.Key("author").String(str(source.m_strAuthor)).Key("publication").String(str(source.m_strPublication));
    writer.Key("abbreviation").String(str(source.m_strAbbreviation)).Key("text").String(str(source.m_strText));
    std::wstring strRepository = str(source.m_strRepository);
    if (const int nRepository = doc.FindRepositoryById(source.m_strRepository); nRepository >= 0)
        strRepository = str(doc.Repositories()[nRepository].m_strName);
    writer.Key("repository").String(strRepository);
    WriteTexts(writer, doc, "links", source.m_astrLinks);
    WriteNotes(writer, doc, source.m_notes);
}

void WriteCitations(CJsonWriter& writer, const CDocument& doc, CCitedKind kind, int nRecord)
{
    const std::vector<const CCitation*> citations = doc.CitationsOf(kind, nRecord);
    if (citations.empty())
        return;
    std::vector<int> sources; // in the order first cited
    writer.Key("citations").BeginArray();
    for (const CCitation* pCitation : citations) {
        WriteCitation(writer, doc, *pCitation);
        const int nSource = pCitation->m_bInline ? -1 : doc.FindSourceById(pCitation->m_strSource);
        if (nSource >= 0 && std::find(sources.begin(), sources.end(), nSource) == sources.end())
            sources.push_back(nSource);
    }
    writer.EndArray().Key("sources").BeginArray();
    for (const int nSource : sources) {
        writer.BeginObject();
        WriteSourceFields(writer, doc, doc.Sources()[nSource]);
        writer.EndObject();
    }
    writer.EndArray();
}
