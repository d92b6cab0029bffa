#include "cli/Commands.h"

#include "cli/TreeViewOutput.h"
#include "core/views/Chart.h"

namespace {

// The chart the program draws, as SVG from its layout alone; --depth counts
// the generations above or below the person, so 0 is the person alone.
int RunChart(const CCommandCall& call, std::string& strOut)
{
    const bool bAncestors = call.Has("--ancestors");
    if (bAncestors == call.Has("--descendants"))
        return ReportUsageError("chart takes --ancestors or --descendants");
    int nPerson = -1;
    if (const int nStatus = FindPersonByRef(call.Doc(), call.m_astrOperands[0], nPerson); nStatus != kExitDone)
        return nStatus;
    int nDepth = -1;
    if (const int nStatus = TakeTreeDepth(call, nDepth); nStatus != kExitDone)
        return nStatus;
    const int nGenerations = nDepth < 0 ? 4 : std::min(nDepth, 1'000'000) + 1;
    const CChart chart = LayoutChart(call.Doc(), nPerson, bAncestors ? CChartKind::Ancestors : CChartKind::Descendants,
                                     nGenerations, call.m_viewOptions, call.Has("--places"));
    if (chart.m_bStopped)
        std::fprintf(stderr, "stemmark-cli: the chart was cut after %zu boxes\n", chart.m_boxes.size());
    strOut = ChartToSvg(chart);
    return kExitDone;
}

} // namespace

CCliCommand ChartCommand()
{
    return {"chart",
            "REF",
            1,
            "the ancestor or descendant chart of a person as SVG: boxes of names and years, and the lines between",
            {{"--ancestors", nullptr, "the ancestors, the person at the bottom"},
             {"--descendants", nullptr, "the descendants with their spouses, the person at the top"},
             {"--depth", "N", "N generations above or below the person (default 3)"},
             {"--places", nullptr, "the place of birth in each box"}},
            RunChart};
}
