#include "cli/Commands.h"

#include "cli/TreeViewOutput.h"

namespace {

int RunPatriarchs(const CCommandCall& call, std::string& strOut)
{
    int nMaxDepth = -1;
    if (const int nStatus = TakeTreeDepth(call, nMaxDepth); nStatus != kExitDone)
        return nStatus;
    return RunTreeView(call.Doc(), call.m_viewOptions, Patriarchs, -1, nMaxDepth, call.m_bJson, strOut);
}

} // namespace

CCliCommand PatriarchsCommand()
{
    return {"patriarchs",
            "",
            0,
            "the patriarchs of the file with their descendants, every item expanded, as tree shows them",
            {{"--depth", "N", "N levels below the patriarchs only (0: the patriarchs alone)"}},
            RunPatriarchs};
}
