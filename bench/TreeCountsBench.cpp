// Shows that the tree counts stay exact on real files within their budget of
// steps: for each file, the patriarch search and the ancestors and
// descendants count of every person (of a sample on large files), each with a
// walker of its own as a view has, with the most steps one count took and
// whether any count stopped. Also the boxes a file of dangling links raises.
//   bench_TreeCountsBench [FILE.ged ...]   (default: the synthetic million)
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "core/views/TreeView.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

struct CWorst {
    std::int64_t m_nSteps = 0;
    int m_nStopped = 0;
};

// The options of a view opened with the settings as they come.
const CViewOptions theOptions;

void Count(const CDocument& doc, ViewMode mode, int nPerson, CWorst& worst)
{
    CTreeWalker walker(doc, theOptions, mode);
    const CTreeContent content = walker.Build(nPerson);
    worst.m_nSteps = std::max(worst.m_nSteps, walker.GetStepsTaken());
    worst.m_nStopped += content.m_bCountStopped ? 1 : 0;
}

void MeasureFile(const CDocument& doc, const char* pszName, int nSample)
{
    const int nLast = doc.GetLastPersonIndex();
    auto start = std::chrono::steady_clock::now();
    CTreeWalker patriarchs(doc, theOptions, Patriarchs);
    const CTreeContent content = patriarchs.Build(0);
    std::printf("%s: %d persons; patriarchs %zu in %.3f s, %lld steps%s\n", pszName, nLast + 1,
                content.m_roots.size(), SecondsSince(start),
                static_cast<long long>(patriarchs.GetStepsTaken()),
                content.m_bCountStopped ? ", STOPPED" : "");
    const int nStep = std::max(1, (nLast + 1) / nSample);
    CWorst worst;
    start = std::chrono::steady_clock::now();
    int nViews = 0;
    for (int i = 0; i <= nLast; i += nStep, nViews += 2) {
        Count(doc, Ancestors, i, worst);
        Count(doc, Descendants, i, worst);
    }
    std::printf("  %d ancestors and descendants views in %.3f s: most steps of one count %lld, stopped %d\n", nViews,
                SecondsSince(start), static_cast<long long>(worst.m_nSteps), worst.m_nStopped);
}

// A thousand persons, each with a family of its own whose children include a
// dangling id every other time, and a dangling family every third person.
std::string WriteDanglingFile()
{
    const std::string strPath = "/tmp/stemmark-dangling.ged";
    std::ofstream file(strPath);
    file << "0 HEAD\n";
    int nDangling = 0;
    const int nPersons = 1000;
    for (int i = 0; i < nPersons; ++i) {
        file << "0 @I" << i << "@ INDI\n1 NAME P" << i << " /Line/\n1 FAMS @F" << i << "@\n";
        if (i % 3 == 0 && nDangling < 600)
            file << "1 FAMS @G" << nDangling++ << "@\n";
    }
    for (int i = 0; i < nPersons; ++i) {
        file << "0 @F" << i << "@ FAM\n1 HUSB @I" << i << "@\n";
        if (i + 1 < nPersons)
            file << "1 CHIL @I" << i + 1 << "@\n";
        if (i % 2 == 0 && nDangling < 600)
            file << "1 CHIL @X" << nDangling++ << "@\n";
    }
    file << "0 TRLR\n";
    return strPath;
}

void MeasureBoxes()
{
    const std::string strPath = WriteDanglingFile();
    const CReadResult read = ReadGedcomFile(std::wstring(strPath.begin(), strPath.end()));
    for (const ViewMode mode : {Patriarchs, Descendants}) {
        const CTreeContent content = CTreeWalker(*read.m_pDocument, theOptions, mode).Build(0);
        const int nBoxes = static_cast<int>(content.m_messages.size());
        const auto nIds = std::count_if(content.m_astrNotShown.begin(), content.m_astrNotShown.end(),
                                        [](const std::wstring& strLine) { return strLine.ends_with(L"@"); });
        std::printf("600 dangling links, %s view: %d boxes and %zu log lines (a box per id: %d)\n",
                    mode == Patriarchs ? "patriarch" : "descendants", nBoxes, content.m_astrNotShown.size(),
                    nBoxes + static_cast<int>(nIds));
    }
}

} // namespace

int main(int argc, char** argv)
{
    SetLanguage(L"En");
    MeasureBoxes();
    if (argc == 1) {
        const std::unique_ptr<CDocument> pDoc = ReadSyntheticGedcom(1'000'000);
        if (!pDoc)
            return 1;
        MeasureFile(*pDoc, "synthetic", 2000);
    }
    for (int i = 1; i < argc; ++i) {
        const std::string strPath = argv[i];
        const CReadResult read = ReadGedcomFile(std::wstring(strPath.begin(), strPath.end()));
        if (!read.m_bRead)
            std::printf("%s: not read whole\n", argv[i]);
        MeasureFile(*read.m_pDocument, argv[i], 1'000'000);
    }
    return 0;
}
