#include "gui/app/MainFrame.h"

#include "GuiTestSupport.h"

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init() { StartApp(m_app); }
    void cleanup() { m_app.reset(); }

    void exitAndTheCloseButtonEmptyTheTables()
    {
        QList<int> codes;
        m_app->m_fnQuit = [&codes](int nCode) { codes << nCode; };
        CMainFrame frame;
        for (int nWay = 0; nWay < 2; ++nWay) {
            thePersons.Append();
            theFamilies.Append();
            if (nWay == 0)
                QVERIFY(TriggerCommand(frame.menuBar(), ID_APP_EXIT));
            else
                frame.close();
            QCOMPARE(theLastPersonIndex, -1);
            QCOMPARE(theLastFamilyIndex, -1);
        }
        QCOMPARE(codes, (QList<int>{0, 0}));
    }

    // The frame leaves its size and place at Exit; the next run's frame
    // opens there.
    void theFrameOpensWhereItWasLeft()
    {
        m_app->m_fnQuit = [](int) {};
        CMemorySettingsStore store;
        SetSettingsStore(&store);
        const QRect placed(70, 80, 520, 430);
        {
            CMainFrame frame;
            frame.setGeometry(placed);
            QVERIFY(TriggerCommand(frame.menuBar(), ID_APP_EXIT));
        }
        CMainFrame next;
        QCOMPARE(next.geometry(), placed);
    }

    void helpOpensTheFrameTopics()
    {
        CMainFrame frame;
        CRecordingLauncher launcher;
        QVERIFY(TriggerCommand(frame.menuBar(), ID_HELP_TOPIC));
        QVERIFY(TriggerCommand(frame.menuBar(), ID_HELP_CONTENTS));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        QCOMPARE(launcher.m_astrLines,
                 (std::vector<std::wstring>{L"Stemmark.htm#overview", L"Stemmark.htm#Main_Contents",
                                            L"Stemmark.htm#overview"}));
    }

    void barCaptionsGetTheirAltLetters_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("first letters")
            << QStringList{"File", "View", "Help"} << QStringList{"&File", "&View", "&Help"};
        QTest::newRow("a first letter taken")
            << QStringList{"Файл", "Просмотр", "Помощь"} << QStringList{"&Файл", "&Просмотр", "П&омощь"};
        QTest::newRow("an own letter is kept and taken")
            << QStringList{"Row", "&Redo", "Rare"} << QStringList{"R&ow", "&Redo", "R&are"};
        QTest::newRow("a literal ampersand") << QStringList{"&&and", "Salt && pepper", "Spice"}
                                             << QStringList{"&&&and", "&Salt && pepper", "S&pice"};
        QTest::newRow("no letter left") << QStringList{"A", "a", "1"} << QStringList{"&A", "a", "1"};
    }
    void barCaptionsGetTheirAltLetters()
    {
        QFETCH(QStringList, captions);
        QFETCH(QStringList, marked);
        QCOMPARE(WithMnemonics(captions), marked);
    }

    // F10 is the bar's own, the same in every view: the views' test presses it.
    void altLettersOpenTheirMenu_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("menu");
        QTest::newRow("Alt+F") << "En" << int(Qt::Key_F) << 0;
        QTest::newRow("Alt+H") << "En" << int(Qt::Key_H) << 2;
        QTest::newRow("Alt+Ф") << "Ru" << 0x424 << 0;
        QTest::newRow("Alt+П") << "Ru" << 0x41F << 1;
        QTest::newRow("Alt+О") << "Ru" << 0x41E << 2;
    }
    void altLettersOpenTheirMenu()
    {
        QFETCH(QString, language);
        QFETCH(int, key);
        QFETCH(int, menu);
        SetLanguage(language.toStdWString());
        CMainFrame frame;
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        // A letter beyond Latin-1 goes with its text, as a keyboard sends it.
        QTest::sendKeyEvent(QTest::Click, &frame, Qt::Key(key), QString(QChar(key)).toLower(), Qt::AltModifier);
        QMenu* pMenu = frame.menuBar()->actions().at(menu)->menu();
        QTRY_VERIFY(pMenu->isVisible());
        QCOMPARE(frame.menuBar()->activeAction(), frame.menuBar()->actions().at(menu));
        pMenu->close();
    }

    void viewCommandsMakeTheFrameTheWindowInFront()
    {
        CMainFrame frame;
        int nOpened = 0;
        frame.m_fnOpenPersonList = [&] {
            QCOMPARE(theTopWindow, static_cast<QWidget*>(&frame));
            ++nOpened;
        };
        theTopWindow = nullptr;
        QVERIFY(TriggerCommand(frame.menuBar(), ID_PERSON_LIST));
        QCOMPARE(nOpened, 1);
    }

private:
    std::optional<CGenealogyApp> m_app;
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
