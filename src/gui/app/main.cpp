#include "gui/app/GenealogyApp.h"

#include <QApplication>
#include <QThreadPool>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

constexpr char kUsage[] =
    "Usage: stemmark [--quit-after-start] [FILE]\n"
    "\n"
    "Shows a GEDCOM family-history file one screen at a time.\n"
    "\n"
    "  FILE                  the GEDCOM file to open; without it, the program starts\n"
    "                        as its options say\n"
    "  --quit-after-start    start, read FILE and end as soon as the window is up\n"
    "  --help                this help\n";

} // namespace

int main(int argc, char* argv[])
{
    // Asked for help, the program answers on the terminal rather than taking
    // the option for a file to open.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillborn"));
    QApplication::setApplicationName(QStringLiteral("Stemmark"));

    QStringList astrFiles = QApplication::arguments();
    astrFiles.removeFirst();
    // Starts, reads the file and ends as soon as the window is up: a check for
    // installers and the tests.
    const bool bQuitAfterStart = astrFiles.removeAll(QStringLiteral("--quit-after-start")) > 0;

    CGenealogyApp app;
    app.InitInstance(astrFiles);
    if (bQuitAfterStart)
        QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    const int nCode = QApplication::exec();
    // Pictures still being made answer the application: they end before it does.
    for (QThreadPool* pPool : application.findChildren<QThreadPool*>()) {
        pPool->clear();
        pPool->waitForDone();
    }
    app.ExitInstance();
    return nCode;
}
