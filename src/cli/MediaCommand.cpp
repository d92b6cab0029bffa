#include "cli/Commands.h"

#include "cli/MediaJson.h"
#include "core/text/WideText.h"

namespace {

bool IsFound(CMediaFound found)
{
    return found == CMediaFound::File || found == CMediaFound::Outside || found == CMediaFound::Entry ||
           found == CMediaFound::WebLink;
}

// One line an item: where it was found (or its status), the FILE as written,
// the title and the event.
std::wstring MediaLines(const std::vector<CMediaItem>& items)
{
    std::wstring strText;
    for (const CMediaItem& item : items) {
        const CMediaFound found = item.m_place.m_found;
        strText += IsFound(found) ? item.m_place.m_strPath : Utf8ToWide(MediaFoundWord(found));
        strText += L'\t' + item.m_strWritten + L'\t' + item.m_strTitle;
        if (!item.m_strEvent.empty())
            strText += L'\t' + item.m_strEvent;
        strText += L'\n';
    }
    return strText;
}

int RunMedia(const CCommandCall& call, std::string& strOut)
{
    int nPerson = -1;
    if (const int nStatus = FindPersonByRef(call.Doc(), call.m_astrOperands[0], nPerson); nStatus != kExitDone)
        return nStatus;
    const std::vector<CMediaItem> items = CollectMedia(call.Doc(), CCitedKind::Person, nPerson);
    if (call.m_bJson) {
        CJsonWriter writer;
        writer.BeginObject().Key("person").Int(nPerson);
        writer.Key("media");
        WriteMediaItems(writer, items);
        writer.EndObject();
        FinishDocument(writer, strOut);
        return kExitDone;
    }
    strOut = WideToUtf8(MediaLines(items));
    return items.empty() ? kExitEmpty : kExitDone;
}

} // namespace

void WriteMediaItems(CJsonWriter& writer, const std::vector<CMediaItem>& items)
{
    writer.BeginArray();
    for (const CMediaItem& item : items) {
        const CMediaFound found = item.m_place.m_found;
        writer.BeginObject().Key("file").String(item.m_strWritten);
        writer.Key("title").String(item.m_strTitle).Key("form").String(item.m_strForm);
        writer.Key("event").String(item.m_strEvent).Key("primary").Bool(item.m_bPrimary);
        writer.Key("image").Bool(item.m_bImage).Key("status").String(Utf8ToWide(MediaFoundWord(found)));
        writer.Key("found");
        if (IsFound(found))
            writer.String(item.m_place.m_strPath);
        else
            writer.Null();
        writer.EndObject();
    }
    writer.EndArray();
}

CCliCommand MediaCommand()
{
    return {"media",
            "REF",
            1,
            "a person's media and their events': where each file was found, or why not, the FILE as written, "
            "the title and the event",
            {},
            RunMedia};
}
