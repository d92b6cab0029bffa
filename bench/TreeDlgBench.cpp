// Times the tree views as the user opens them on a million persons: the
// patriarchs of the whole file, and the ancestors and descendants of the
// persons with the most of them.
//   QT_QPA_PLATFORM=offscreen bench_TreeDlgBench [PERSONS]
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/Tables.h"
#include "gui/views/TreeDlg.h"
#include "qtcore/platform/IcuCollator.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// Seconds from construction until the view is on screen, and its count box.
double TimeView(int nPerson, int nMode, QString& strCount)
{
    const auto start = std::chrono::steady_clock::now();
    double shown = 0;
    CTreeDlg tree;
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

void Report(const char* pszWhat, int nPerson, int nMode)
{
    QString strCount;
    const double seconds = TimeView(nPerson, nMode, strCount);
    std::printf("%-34s %6.3f s  %s\n", pszWhat, seconds, qPrintable(strCount));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int nPersons = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    if (!ReadSyntheticGedcom(nPersons))
        return 1;
    CIcuCollator collator("en_US");
    SetCollator(&collator);

    // The persons with the most descendants and the most ancestors.
    CTreeWalker descendants(Descendants);
    CTreeWalker ancestors(Ancestors);
    int nMostDescendants = 0;
    int nMostAncestors = 0;
    std::int64_t nDescendants = -1;
    std::int64_t nAncestors = -1;
    for (int i = 0; i <= theLastPersonIndex; ++i) {
        int nDepth = 0;
        if (const std::int64_t n = descendants.CountDescendants(i, nDepth); n > nDescendants)
            nDescendants = n, nMostDescendants = i;
        if (const std::int64_t n = ancestors.CountAncestors(i); n > nAncestors)
            nAncestors = n, nMostAncestors = i;
    }
    for (int nRun = 0; nRun < 2; ++nRun) {
        const auto start = std::chrono::steady_clock::now();
        const std::size_t nRoots = CTreeWalker(Patriarchs).Build(0).m_roots.size();
        std::printf("%-34s %6.3f s  %zu patriarchs\n", "patriarch search alone:", SecondsSince(start), nRoots);
        Report("patriarchs:", 0, Patriarchs);
        Report("descendants of the richest:", nMostDescendants, Descendants);
        Report("ancestors of the richest:", nMostAncestors, Ancestors);
    }
    std::printf("peak resident memory: %.0f MB\n", static_cast<double>(PeakResidentBytes()) / 1e6);
    SetCollator(nullptr);
    ClearTables();
    return 0;
}
