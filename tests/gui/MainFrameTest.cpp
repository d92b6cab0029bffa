#include "app/GenealogyApp.h"
#include "app/MainFrame.h"
#include "model/Tables.h"
#include "options/Language.h"

#include "GuiTestSupport.h"

#include <QtTest>

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(L"En"); }
    void cleanup() { SetLanguage(L"En"); }

    void menusSpeakEnglishWithTheirCommands()
    {
        CGenealogyApp app;
        CMainFrame frame;
        QCOMPARE(frame.windowTitle(), QStringLiteral("Stemmark"));
        QCOMPARE(MenuTitles(frame.menuBar()), (QStringList{"File", "View", "Help"}));
        QCOMPARE(MenuCommands(frame.menuBar(), 0), (QList<int>{57601, 32828, 0, 32773, 57665}));
        QCOMPARE(MenuCommands(frame.menuBar(), 1), (QList<int>{32844, 0, 32774, 32775}));
        QCOMPARE(MenuCommands(frame.menuBar(), 2), (QList<int>{32820, 57666, 0, 57664}));
    }

    void optionsRebuildTheMenusInTheNewLanguage()
    {
        CGenealogyApp app;
        CMainFrame frame;
        frame.m_fnOpenOptions = [] { SetLanguage(L"Ru"); };
        frame.OnCommand(32773);
        QCOMPARE(MenuTitles(frame.menuBar()), (QStringList{"Файл", "Просмотр", "Помощь"}));
        QCOMPARE(MenuCommands(frame.menuBar(), 0), (QList<int>{57601, 32828, 0, 32773, 57665}));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Stemmark"));
        QCOMPARE(frame.menuBar()->actions().at(0)->menu()->actions().at(3)->text(), QStringLiteral("&Режимы"));
    }

    void optionsCancelledStillRebuildTheMenus()
    {
        CGenealogyApp app;
        CMainFrame frame;
        QMenuBar* pBefore = frame.menuBar();
        frame.m_fnOpenOptions = [] {};
        frame.OnCommand(32773);
        QVERIFY(frame.menuBar() != pBefore);
        QCOMPARE(MenuTitles(frame.menuBar()), (QStringList{"File", "View", "Help"}));
    }

    void exitAndTheCloseButtonEmptyTheTables()
    {
        CGenealogyApp app;
        QList<int> codes;
        app.m_fnQuit = [&codes](int nCode) { codes << nCode; };
        CMainFrame frame;
        for (int nWay = 0; nWay < 2; ++nWay) {
            thePersons.Append(std::make_unique<CPerson>());
            theFamilies.Append(std::make_unique<CFamily>());
            if (nWay == 0)
                QVERIFY(TriggerCommand(frame.menuBar(), 57665));
            else
                frame.close();
            QCOMPARE(theLastPersonIndex, -1);
            QCOMPARE(theLastFamilyIndex, -1);
        }
        QCOMPARE(codes, (QList<int>{0, 0}));
    }

    void helpOpensTheFrameTopics()
    {
        CGenealogyApp app;
        CMainFrame frame;
        CRecordingLauncher launcher;
        QVERIFY(TriggerCommand(frame.menuBar(), 32820));
        QVERIFY(TriggerCommand(frame.menuBar(), 57666));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        QCOMPARE(launcher.m_astrLines, (std::vector<std::wstring>{L"Stemmark.htm#overview", L"Stemmark.htm#Main_Contents",
                                                                   L"Stemmark.htm#overview"}));
    }

    void viewCommandsMakeTheFrameTheWindowInFront()
    {
        CGenealogyApp app;
        CMainFrame frame;
        int nOpened = 0;
        frame.m_fnOpenPersonList = [&] {
            QCOMPARE(theTopWindow, static_cast<void*>(&frame));
            ++nOpened;
        };
        theTopWindow = nullptr;
        QVERIFY(TriggerCommand(frame.menuBar(), 32774));
        QCOMPARE(nOpened, 1);
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
