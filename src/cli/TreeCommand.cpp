#include "cli/Commands.h"

#include "cli/TreeViewOutput.h"

namespace {

int RunTree(const CCommandCall& call, std::string& strOut)
{
    const bool bAncestors = call.Has("--ancestors");
    if (bAncestors == call.Has("--descendants"))
        return ReportUsageError("tree takes either --ancestors or --descendants");
    int nMaxDepth = -1;
    if (const int nStatus = TakeTreeDepth(call, nMaxDepth); nStatus != kExitDone)
        return nStatus;
    int nPerson = -1;
    if (const int nStatus = FindPersonByRef(call.Doc(), call.m_astrOperands[0], nPerson); nStatus != kExitDone)
        return nStatus;
    return RunTreeView(call.Doc(), call.m_viewOptions, bAncestors ? Ancestors : Descendants, nPerson, nMaxDepth,
                       call.m_bJson, strOut);
}

} // namespace

CCliCommand TreeCommand()
{
    return {"tree",
            "REF",
            1,
            "the tree of ancestors or descendants of a person, every item expanded: the count line, then the "
            "items indented by two blanks a level, each level in the view's order",
            {{"--ancestors", nullptr, "the ancestors"},
             {"--descendants", nullptr, "the descendants"},
             {"--depth", "N", "N levels below the person only (0: the person alone)"}},
            RunTree};
}
