// Times the tree views as the user opens them on a million persons: the
// patriarchs of the whole file, and the ancestors and descendants of the
// persons with the most of them.
//   QT_QPA_PLATFORM=offscreen bench_TreeDlgBench [PERSONS]
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/Document.h"
#include "core/options/Settings.h"
#include "core/views/ViewOptions.h"
#include "gui/views/TreeDlg.h"
#include "qtcore/platform/IcuCollator.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Seconds from construction until the view is on screen, and its count box.
double TimeView(const CDocument& doc, int nPerson, int nMode, QString& strCount)
{
    const auto start = std::chrono::steady_clock::now();
    double shown = 0;
    CTreeDlg tree(doc);
    tree.m_nPerson = nPerson;
    tree.m_nMode = nMode;
    QTimer::singleShot(0, &tree, [&] {
        shown = SecondsSince(start);
        strCount = tree.findChild<QLineEdit*>(QStringLiteral("count"))->text();
        tree.accept();
    });
    tree.RunModal();
    return shown;
}

void Report(const CDocument& doc, const char* pszWhat, int nPerson, int nMode)
{
    QString strCount;
    const double seconds = TimeView(doc, nPerson, nMode, strCount);
    std::printf("%-34s %6.3f s  %s\n", pszWhat, seconds, qPrintable(strCount));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int nPersons = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const std::unique_ptr<CDocument> pDoc = ReadSyntheticGedcom(nPersons);
    if (!pDoc)
        return 1;
    const CDocument& doc = *pDoc;
    CIcuCollator collator("en_US");
    SetCollator(&collator);

    // The persons with the most descendants and the most ancestors.
    // The options the views take.
    const CViewOptions options = ViewOptionsFrom(Settings);
    CTreeWalker descendants(doc, options, Descendants);
    CTreeWalker ancestors(doc, options, Ancestors);
    int nMostDescendants = 0;
    int nMostAncestors = 0;
    std::int64_t nDescendants = -1;
    std::int64_t nAncestors = -1;
    for (int i = 0; i <= doc.GetLastPersonIndex(); ++i) {
        int nDepth = 0;
        if (const std::int64_t n = descendants.CountDescendants(i, nDepth); n > nDescendants)
            nDescendants = n, nMostDescendants = i;
        if (const std::int64_t n = ancestors.CountAncestors(i); n > nAncestors)
            nAncestors = n, nMostAncestors = i;
    }
    for (int nRun = 0; nRun < 2; ++nRun) {
        const auto start = std::chrono::steady_clock::now();
        const std::size_t nRoots = CTreeWalker(doc, options, Patriarchs).Build(0).m_roots.size();
        std::printf("%-34s %6.3f s  %zu patriarchs\n", "patriarch search alone:", SecondsSince(start), nRoots);
        Report(doc, "patriarchs:", 0, Patriarchs);
        Report(doc, "descendants of the richest:", nMostDescendants, Descendants);
        Report(doc, "ancestors of the richest:", nMostAncestors, Ancestors);
    }
    std::printf("peak resident memory: %.0f MB\n", static_cast<double>(PeakResidentBytes()) / 1e6);
    SetCollator(nullptr);
    return 0;
}
