#include "cli/Commands.h"

#include "cli/HtmlText.h"
#include "core/options/HomePerson.h"
#include "core/text/WideText.h"
#include "core/views/PersonPage.h"
#include "core/views/RelationshipPage.h"

namespace {

const char* KindName(CRelationKind kind)
{
    switch (kind) {
    case CRelationKind::Blood:
        return "blood";
    case CRelationKind::Spouse:
        return "spouse";
    case CRelationKind::ViaSpouseOfA:
        return "spouseOfA";
    case CRelationKind::ViaSpouseOfB:
        return "spouseOfB";
    }
    return "";
}

void WriteLine(CJsonWriter& writer, const char* pszKey, const CDocument& doc, const std::vector<int>& anLine)
{
    writer.Key(pszKey).BeginArray();
    for (const int nPerson : anLine)
        writer.String(doc.Str(doc.Persons()[nPerson].m_strId));
    writer.EndArray();
}

// B is the second operand, or with --home the file's home person.
int RunRelationship(const CCommandCall& call, std::string& strOut)
{
    const CDocument& doc = call.Doc();
    int nA = -1;
    int nB = -1;
    if (const int nStatus = FindPersonByRef(doc, call.m_astrOperands[0], nA); nStatus != kExitDone)
        return nStatus;
    if (call.Has("--home") == (call.m_astrOperands.size() == 2))
        return ReportUsageError("relationship takes A and B, or A and --home");
    const std::wstring strB = call.Has("--home") ? ReadHomePerson(call.m_strFile) : call.m_astrOperands[1];
    if (strB.empty()) {
        std::fprintf(stderr, "stemmark-cli: no home person is kept for this file\n");
        return kExitEmpty;
    }
    if (const int nStatus = FindPersonByRef(doc, strB, nB); nStatus != kExitDone)
        return nStatus;
    const CRelationships found = FindRelationships(doc, nA, nB);
    if (!call.m_bJson) {
        strOut = WideToUtf8(HtmlToText(MakePageDocument(BuildRelationshipPage(doc, nA, nB, found, call.m_viewOptions))));
        return found.m_found.empty() ? kExitEmpty : kExitDone;
    }
    CJsonWriter writer;
    writer.BeginObject().Key("ways").BeginArray();
    for (const CRelationship& way : found.m_found) {
        const auto [strAB, strBA] = KinshipSentences(doc, nA, nB, way, call.m_viewOptions);
        writer.BeginObject().Key("kind").String(Utf8ToWide(KindName(way.m_kind)));
        writer.Key("up").Int(way.Up()).Key("down").Int(way.Down()).Key("half").Bool(way.m_bHalf);
        writer.Key("aToB").String(strAB).Key("bToA").String(strBA);
        if (way.m_nSpouse >= 0)
            writer.Key("spouse").String(doc.Str(doc.Persons()[way.m_nSpouse].m_strId));
        WriteLine(writer, "lineA", doc, way.m_anLineA);
        WriteLine(writer, "lineB", doc, way.m_anLineB);
        writer.EndObject();
    }
    writer.EndArray().Key("count").Int(static_cast<std::int64_t>(found.m_nCount));
    writer.Key("stopped").Bool(found.m_bStopped).EndObject();
    FinishDocument(writer, strOut);
    return found.m_found.empty() ? kExitEmpty : kExitDone;
}

} // namespace

CCliCommand RelationshipCommand()
{
    return {"relationship",
            "A B",
            2,
            "how two persons are related: each way, closest first, with what each is to the other and the lines "
            "down from the common ancestor",
            {{"--home", nullptr, "compare A with the home person kept for the file"}},
            RunRelationship,
            false,
            1};
}
