#include "gui/platform/QtHelpLauncher.h"

#include "core/platform/DataFolders.h"

#include "GuiTestSupport.h"

namespace {

// The top of the block that holds the anchor, in the browser's document.
int AnchorTop(QTextBrowser* pBrowser, const QString& strAnchor)
{
    QTextDocument* pDocument = pBrowser->document();
    for (QTextBlock block = pDocument->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(strAnchor))
                return qRound(pDocument->documentLayout()->blockBoundingRect(block).top());
        }
    }
    return -1;
}

} // namespace

// The help window on the help files that come with the program, found as the
// program finds them.
class HelpLauncherTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { theDataFolders = {STEMMARK_RESOURCES}; }
    void cleanup() { SetLanguage(L"En"); }

    // Every topic in every language: an anchor the browser does not keep (one
    // standing between blocks) would leave the page at the top.
    void theWindowOpensAtTheTopic()
    {
        const char* const aapszLanguages[][2] = {{"En", "Stemmark.htm"}, {"Ru", "StemmarkLangRus.htm"},
                                                 {"Fr", "StemmarkLangFra.htm"}, {"Ge", "StemmarkLangDeu.htm"},
                                                 {"It", "StemmarkLangIta.htm"}};
        const char* const apszTopics[] = {"overview",     "Main_Contents", "selperson", "info",
                                          "relationship", "chart",         "media",     "family",
                                          "ancest",       "descend",       "patriarh",  "search",
                                          "option",       "option_dspl",   "option_gen"};
        for (const auto& [pszLang, pszFile] : aapszLanguages) {
            SetLanguage(QString(pszLang).toStdWString());
            for (const QString strTopic : apszTopics) {
                const QByteArray where = pszLang + (" " + strTopic).toUtf8();
                CQtHelpLauncher launcher;
                launcher.Launch(L"Stemmark.htm#" + strTopic.toStdWString());
                QVERIFY2(launcher.Window() && QTest::qWaitForWindowExposed(launcher.Window()), where);
                QTextBrowser* pBrowser = launcher.Window()->Browser();
                QVERIFY2(QFileInfo(pBrowser->source().toLocalFile()).fileName() == pszFile, where);
                QVERIFY2(pBrowser->source().fragment() == strTopic, where);
                // The anchor stands at the top, or the page is scrolled as far as it goes.
                const int nTop = AnchorTop(pBrowser, strTopic);
                QScrollBar* pBar = pBrowser->verticalScrollBar();
                QVERIFY2(nTop >= 0 && (pBar->value() == nTop || pBar->value() == pBar->maximum()),
                         where + " at " + QByteArray::number(pBar->value()));
            }
        }
    }

    void aSecondRequestReusesTheWindow()
    {
        CQtHelpLauncher launcher;
        launcher.Launch(L"Stemmark.htm#family");
        CHelpWindow* pFirst = launcher.Window();
        pFirst->close();
        launcher.Launch(L"Stemmark.htm#search");
        QCOMPARE(launcher.Window(), pFirst);
        QVERIFY(pFirst->isVisible());
        QCOMPARE(pFirst->Browser()->source().fragment(), QStringLiteral("search"));
    }

    void aMissingTranslationShowsTheEnglishHelp()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("help"));
        QVERIFY(QFile::copy(STEMMARK_RESOURCES "/help/Stemmark.htm", folder.filePath("help/Stemmark.htm")));
        const std::vector<std::filesystem::path> savedFolders = theDataFolders;
        theDataFolders = {folder.path().toStdString()};
        SetLanguage(L"Fr");
        const QUrl url = CQtHelpLauncher::HelpUrl(L"Stemmark.htm#info");
        theDataFolders = savedFolders;
        QCOMPARE(url, QUrl::fromLocalFile(folder.filePath("help/Stemmark.htm")).resolved(QUrl("#info")));
    }

    void aMissingHelpFileOpensNothing()
    {
        CQtHelpLauncher launcher;
        launcher.Launch(L"Missing.htm#x");
        QVERIFY(!launcher.Window());
    }

    // Views hold the rest of the program still; help asked for from one stands
    // over it, so that the view does not hold the help too.
    void helpFromAViewStandsOverTheView()
    {
        CQtHelpLauncher launcher;
        QDialog view;
        QWindow* pOwner = nullptr;
        AnswerNextModal([&](QDialog&) {
            launcher.Launch(L"Stemmark.htm#info");
            pOwner = launcher.Window()->windowHandle()->transientParent();
        });
        view.exec();
        QVERIFY(pOwner);
        QCOMPARE(pOwner, view.windowHandle());
    }
};

QTEST_MAIN(HelpLauncherTest)
#include "HelpLauncherTest.moc"
