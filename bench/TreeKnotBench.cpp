// Times the tree counts on the knot, a small file whose family links go round
// in so many intertwined cycles that a count following every path would not
// end: the descendants and the ancestors of its first person, and the
// patriarch search. Each count should stop at its step budget.
//   bench_TreeKnotBench [PERSONS]   (60 by default)
#include "BenchSupport.h"
#include "FileBytes.h"
#include "HostileGedcom.h"

#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "core/views/TreeView.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void Report(const CDocument& doc, const char* pszWhat, ViewMode mode)
{
    const auto start = std::chrono::steady_clock::now();
    CTreeWalker walker(doc, CViewOptions(), mode);
    const CTreeContent content = walker.Build(0);
    const double seconds = SecondsSince(start);
    std::printf("%-26s %8.3f s  %12lld steps  count %lld%s\n", pszWhat, seconds,
                static_cast<long long>(walker.GetStepsTaken()), static_cast<long long>(content.m_nCount),
                content.m_bCountStopped ? " (stopped)" : "");
}

} // namespace

int main(int argc, char** argv)
{
    const int nPersons = argc > 1 ? std::atoi(argv[1]) : 60;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("stemmark-knot-" + std::to_string(nPersons) + ".ged");
    if (nPersons < 1 || !WriteFileBytes(path, KnotGedcom(nPersons))) {
        std::fprintf(stderr, "cannot write the knot of %d persons\n", nPersons);
        return 1;
    }
    SetLanguage(L"En");
    const CReadResult read = ReadGedcomFile(path.wstring());
    if (!read.m_bRead)
        return 1;
    const CDocument& doc = *read.m_pDocument;
    std::printf("knot of %d persons, step budget %lld\n", nPersons, static_cast<long long>(kTreeStepBudget));
    Report(doc, "descendants of the first:", Descendants);
    Report(doc, "ancestors of the first:", Ancestors);
    Report(doc, "patriarch search:", Patriarchs);
    std::filesystem::remove(path);
    return 0;
}
