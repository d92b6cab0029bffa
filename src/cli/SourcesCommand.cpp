#include "cli/Commands.h"

#include "cli/SourcesJson.h"
#include "core/text/WideText.h"

#include <unordered_map>

namespace {

// How many citations of persons and families point to each source record.
std::vector<int> CountCitations(const CDocument& doc)
{
    std::vector<int> counts(static_cast<std::size_t>(doc.Sources().GetLast() + 1), 0);
    std::unordered_map<std::uint32_t, int> sourceOfId; // a pointer's text, shared, has one handle
    for (const CCitedKind kind : {CCitedKind::Person, CCitedKind::Family}) {
        const CRecordTable<CCitation>& citations = doc.Citations(kind);
        for (int i = 0; i <= citations.GetLast(); ++i) {
            const CCitation& citation = citations[i];
            if (citation.m_bInline)
                continue;
            const auto [it, bNew] = sourceOfId.try_emplace(citation.m_strSource.Handle(), -1);
            if (bNew)
                it->second = doc.FindSourceById(citation.m_strSource);
            if (it->second >= 0)
                ++counts[static_cast<std::size_t>(it->second)];
        }
    }
    return counts;
}

int RunSources(const CCommandCall& call, std::string& strOut)
{
    const CDocument& doc = call.Doc();
    const std::vector<int> counts = CountCitations(doc);
    if (call.m_bJson) {
        CJsonWriter writer;
        writer.BeginObject().Key("sources").BeginArray();
        for (int i = 0; i <= doc.Sources().GetLast(); ++i) {
            writer.BeginObject();
            WriteSourceFields(writer, doc, doc.Sources()[i]);
            writer.Key("citations").Int(counts[static_cast<std::size_t>(i)]).EndObject();
        }
        writer.EndArray().EndObject();
        FinishDocument(writer, strOut);
        return kExitDone;
    }
    std::wstring strText;
    for (int i = 0; i <= doc.Sources().GetLast(); ++i) {
        const CSourceRecord& source = doc.Sources()[i];
        std::wstring strTitle = doc.Str(source.m_strTitle);
        if (strTitle.empty())
            strTitle = doc.Str(source.m_strAbbreviation);
        strText += doc.Str(source.m_strId) + L'\t' + std::to_wstring(counts[static_cast<std::size_t>(i)]) + L'\t' +
                   strTitle + L'\n';
    }
    strOut = WideToUtf8(strText);
    return doc.Sources().GetLast() < 0 ? kExitEmpty : kExitDone;
}

} // namespace

CCliCommand SourcesCommand()
{
    return {"sources",
            "",
            0,
            "the source records of the file, each as id, the number of citations that point to it, and title",
            {},
            RunSources};
}
