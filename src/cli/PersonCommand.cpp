#include "cli/Commands.h"

#include "cli/HtmlText.h"
#include "cli/MediaJson.h"
#include "cli/SourcesJson.h"
#include "core/text/WideText.h"
#include "core/views/PersonPage.h"

namespace {

int RunPerson(const CCommandCall& call, std::string& strOut)
{
    int nPerson = -1;
    if (const int nStatus = FindPersonByRef(call.Doc(), call.m_astrOperands[0], nPerson); nStatus != kExitDone)
        return nStatus;
    const std::vector<CMediaItem> media = CollectMedia(call.Doc(), CCitedKind::Person, nPerson);
    const std::wstring strPage =
        MakePageDocument(BuildPersonPageBody(call.Doc(), nPerson, call.m_viewOptions, media));
    if (call.m_bJson) {
        CJsonWriter writer;
        writer.BeginObject().Key("person").Int(nPerson).Key("html").String(strPage);
        WriteCitations(writer, call.Doc(), CCitedKind::Person, nPerson);
        // A person without media keeps the output as it was.
        if (!media.empty()) {
            writer.Key("media");
            WriteMediaItems(writer, media);
        }
        writer.EndObject();
        FinishDocument(writer, strOut);
    } else {
        strOut = WideToUtf8(call.Has("--text") ? HtmlToText(strPage) : strPage + L'\n');
    }
    return kExitDone;
}

} // namespace

CCliCommand PersonCommand()
{
    return {"person",
            "REF",
            1,
            "the information page of a person, as HTML; REF is a person index or an id such as @I12@",
            {{"--text", nullptr, "as plain text"}},
            RunPerson};
}
