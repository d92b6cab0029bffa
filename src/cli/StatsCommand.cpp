#include "cli/Commands.h"

#include "core/model/Document.h"

#include <cstdio>

namespace {

int RunStats(const CCommandCall& call, std::string& strOut)
{
    const int nPersons = call.Doc().GetLastPersonIndex() + 1;
    const int nFamilies = call.Doc().GetLastFamilyIndex() + 1;
    if (call.m_bJson) {
        CJsonWriter writer;
        writer.BeginObject().Key("persons").Int(nPersons).Key("families").Int(nFamilies);
        writer.Key("read").Bool(call.m_bRead).Key("seconds").Double(call.m_dReadSeconds).EndObject();
        FinishDocument(writer, strOut);
    } else {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "persons: %d\nfamilies: %d\nread: %s\nseconds: %.3f\n", nPersons,
                      nFamilies, call.m_bRead ? "yes" : "no", call.m_dReadSeconds);
        strOut = buffer;
    }
    return call.m_bRead ? kExitDone : kExitUnreadable;
}

} // namespace

CCliCommand StatsCommand()
{
    return {"stats",
            "",
            0,
            "how many persons and families were read, whether the reading succeeded, and how long it took",
            {},
            RunStats,
            true};
}
