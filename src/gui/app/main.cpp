#include "gui/app/GenealogyApp.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
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
    app.ExitInstance();
    return nCode;
}
