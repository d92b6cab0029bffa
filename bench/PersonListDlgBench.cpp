// Times the person list window as the user meets it, on a million persons:
// sorted in the user's locale by ICU, its model filled, the window shown.
//   QT_QPA_PLATFORM=offscreen bench_PersonListDlgBench [PERSONS]
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/Document.h"
#include "gui/views/PersonListDlg.h"
#include "qtcore/platform/IcuCollator.h"

#include <QApplication>
#include <QListView>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int nPersons = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const std::unique_ptr<CDocument> pDoc = ReadSyntheticGedcom(nPersons);
    if (!pDoc)
        return 1;

    CIcuCollator collator("en_US");
    SetCollator(&collator);
    for (int nRun = 0; nRun < 3; ++nRun) {
        const auto start = std::chrono::steady_clock::now();
        double shown = 0;
        double scrolled = 0;
        CPersonListDlg list(*pDoc);
        QTimer::singleShot(0, &list, [&] {
            shown = SecondsSince(start);
            // Paging through the list paints only the rows in sight.
            const auto scrollStart = std::chrono::steady_clock::now();
            auto* pPersons = list.findChild<QListView*>(QStringLiteral("persons"));
            for (int nPage = 0; nPage < 200; ++nPage) {
                pPersons->scrollTo(pPersons->model()->index(nPage * 5000, 0));
                pPersons->grab();
            }
            scrolled = SecondsSince(scrollStart) / 200;
            list.accept();
        });
        list.RunModal();
        std::printf("person list of %d persons shown in %.3f s; a page scrolled and painted in %.2f ms\n",
                    pDoc->GetLastPersonIndex() + 1, shown, scrolled * 1000);
    }
    SetCollator(nullptr);
    return 0;
}
