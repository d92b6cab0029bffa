// How fast charts are laid out: 10 generations of ancestors (1,023 boxes),
// a descendant chart of about 10,000 persons, and the richest descendant tree
// among the synthetic million's first founders, cut at 10 generations; each
// with its boxes and the SVG's size.
//   bench_ChartBench
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "core/views/Chart.h"
#include "core/views/ViewOptions.h"

#include <cstdio>
#include <string>

namespace {

// A person `n` of a full tree: children 3n+1 .. 3n+3 below n down to
// `nPersons`, or (bParents) parents 2n+1 and 2n+2.
std::string TreeGedcom(int nPersons, bool bParents)
{
    std::string strText = "0 HEAD\n";
    std::string strFamilies;
    const int nChildren = bParents ? 2 : 3;
    for (int n = 0; n < nPersons; ++n) {
        strText += "0 @I" + std::to_string(n) + "@ INDI\n1 NAME Person" + std::to_string(n) + " /Tree/\n1 BIRT\n2 DATE " +
                   std::to_string(1900 - n % 300) + "\n";
        if (bParents ? 2 * n + 1 < nPersons : n > 0)
            strText += "1 FAMC @F" + std::to_string(bParents ? n : (n - 1) / nChildren) + "@\n";
        if (bParents ? n > 0 : nChildren * n + 1 < nPersons)
            strText += "1 FAMS @F" + std::to_string(bParents ? (n - 1) / 2 : n) + "@\n";
    }
    for (int n = 0; n < nPersons; ++n) {
        if (bParents && 2 * n + 2 < nPersons)
            strFamilies += "0 @F" + std::to_string(n) + "@ FAM\n1 HUSB @I" + std::to_string(2 * n + 1) + "@\n1 WIFE @I" +
                           std::to_string(2 * n + 2) + "@\n1 CHIL @I" + std::to_string(n) + "@\n";
        if (!bParents && nChildren * n + 1 < nPersons) {
            strFamilies += "0 @F" + std::to_string(n) + "@ FAM\n1 HUSB @I" + std::to_string(n) + "@\n";
            for (int c = 1; c <= nChildren && nChildren * n + c < nPersons; ++c)
                strFamilies += "1 CHIL @I" + std::to_string(nChildren * n + c) + "@\n";
        }
    }
    return strText + strFamilies + "0 TRLR\n";
}

void Measure(const char* pszWhat, const CDocument& doc, int nPerson, CChartKind kind, int nGenerations)
{
    doc.FindPersonById(L"@none@"); // the ids indexed, as any view before has done
    const auto start = std::chrono::steady_clock::now();
    const CChart chart = LayoutChart(doc, nPerson, kind, nGenerations, CViewOptions());
    const double dLayout = SecondsSince(start);
    const auto svg = std::chrono::steady_clock::now();
    const std::size_t nBytes = ChartToSvg(chart).size();
    std::printf("%s: %zu boxes laid out in %.1f ms%s; SVG %zu KB in %.1f ms\n", pszWhat, chart.m_boxes.size(),
                dLayout * 1000, chart.m_bStopped ? " (cut by the budget)" : "", nBytes / 1024,
                SecondsSince(svg) * 1000);
}

} // namespace

int main()
{
    SetLanguage(L"En");
    const auto ancestors = ReadGedcom(TreeGedcom(2047, true)).m_pDocument;
    Measure("10 generations of ancestors", *ancestors, 0, CChartKind::Ancestors, 10);
    const auto descendants = ReadGedcom(TreeGedcom(9841, false)).m_pDocument;
    Measure("descendants, 9,841 persons", *descendants, 0, CChartKind::Descendants, 20);

    const std::unique_ptr<CDocument> pDoc = ReadSyntheticGedcom(1'000'000);
    if (!pDoc)
        return 1;
    // The founders among the first persons: the one with the most boxes.
    int nRichest = -1;
    std::size_t nMost = 0;
    for (int n = 0; n <= pDoc->GetLastPersonIndex() && n < 20000; ++n) {
        if (!pDoc->Persons()[n].m_strFamc.empty())
            continue;
        const std::size_t nBoxes = LayoutChart(*pDoc, n, CChartKind::Descendants, 10, CViewOptions()).m_boxes.size();
        if (nBoxes > nMost) {
            nMost = nBoxes;
            nRichest = n;
        }
    }
    Measure("synthetic million, the richest of the first founders' descendants, 10 generations", *pDoc, nRichest,
            CChartKind::Descendants, 10);
    return 0;
}
