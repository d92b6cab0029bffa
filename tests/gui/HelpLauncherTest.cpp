#include "platform/DataFolders.h"
#include "platform/QtHelpLauncher.h"

#include <QFile>
#include <QtTest>

// The help file that comes with the program, found as the program finds it.
class HelpLauncherTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { theDataFolders = {STEMMARK_RESOURCES}; }

    void everyTopicHasItsAnchor()
    {
        const QUrl url = CQtHelpLauncher::HelpUrl(L"Stemmark.htm#family");
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.fragment(), QStringLiteral("family"));
        QFile file(url.toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        for (const char* pszTopic : {"overview", "Main_Contents", "selperson", "info", "family", "ancest", "descend",
                                     "patriarh", "search", "option", "option_dspl", "option_gen"})
            QVERIFY2(html.contains(QByteArray("id=\"") + pszTopic + "\""), pszTopic);
    }

    void aMissingHelpFileOpensNothing()
    {
        QVERIFY(CQtHelpLauncher::HelpUrl(L"Missing.htm#x").isEmpty());
    }
};

QTEST_GUILESS_MAIN(HelpLauncherTest)
#include "HelpLauncherTest.moc"
