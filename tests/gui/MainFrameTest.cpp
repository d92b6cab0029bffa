#include "gui/app/MainFrame.h"

#include "core/platform/DataFolders.h"

#include "GuiTestSupport.h"

namespace {

// The letter a text marks with '&', in lower case; null for none.
QChar AltLetter(const QString& strText)
{
    for (qsizetype i = 0; i + 1 < strText.size(); ++i) {
        if (strText[i] == QLatin1Char('&') && strText[i + 1] != QLatin1Char('&'))
            return strText[i + 1].toLower();
        if (strText[i] == QLatin1Char('&'))
            ++i; // "&&" is a literal ampersand
    }
    return {};
}

// A letter beyond Latin-1 goes with its text, as a keyboard sends it.
void PressLetter(QWidget* pWidget, QChar letter, Qt::KeyboardModifiers modifiers)
{
    QTest::sendKeyEvent(QTest::Click, pWidget, Qt::Key(letter.toUpper().unicode()), QString(letter),
                        modifiers);
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { theDataFolders = {STEMMARK_RESOURCES}; } // the language modules
    void init() { StartApp(m_app); }
    void cleanup() { m_app.reset(); }

    // Exit ends the run, and so does the close button of the last window.
    void exitAndTheLastCloseButtonEndTheRun()
    {
        QList<int> codes;
        m_app->m_fnQuit = [&codes](int nCode) { codes << nCode; };
        CMainFrame frame;
        QVERIFY(TriggerCommand(frame.menuBar(), ID_APP_EXIT));
        frame.close();
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
        PressLetter(&frame, QChar(key).toLower(), Qt::AltModifier);
        QMenu* pMenu = frame.menuBar()->actions().at(menu)->menu();
        QTRY_VERIFY(pMenu->isVisible());
        QCOMPARE(frame.menuBar()->activeAction(), frame.menuBar()->actions().at(menu));
        pMenu->close();
    }

    // In every language each item of a menu has a letter of its own, and
    // the letter of Open in New Window, pressed in the open File menu, runs it.
    void everyItemHasItsOwnAltLetter_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("item");
        QTest::newRow("En") << "En" << "Open in &New Window";
        QTest::newRow("Ru") << "Ru" << "Открыть в &новом окне";
        QTest::newRow("Fr") << "Fr" << "Ouvrir dans une &nouvelle fenêtre";
        QTest::newRow("Ge") << "Ge" << "In &neuem Fenster öffnen";
        QTest::newRow("It") << "It" << "Apri in una &nuova finestra";
    }
    void everyItemHasItsOwnAltLetter()
    {
        QFETCH(QString, language);
        QFETCH(QString, item);
        SetLanguage(language.toStdWString());
        CMainFrame frame;
        QString strItem;
        for (const QAction* pTitle : frame.menuBar()->actions()) {
            QSet<QChar> letters;
            for (const QAction* pAction : pTitle->menu()->actions()) {
                const QChar letter = AltLetter(pAction->text());
                QVERIFY2(letter.isNull() || !letters.contains(letter), qPrintable(pAction->text()));
                letters.insert(letter);
                if (CommandOf(pAction) == ID_FILE_OPEN_NEW_WINDOW)
                    strItem = pAction->text();
            }
        }
        QCOMPARE(strItem, item);

        int nAsked = 0;
        m_app->m_fnChooseFile = [&](QWidget*, const QString&, const QString&, const QString&) {
            ++nAsked;
            return QString();
        };
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        PressLetter(&frame, AltLetter(frame.menuBar()->actions().at(0)->text()), Qt::AltModifier);
        QMenu* pFile = frame.menuBar()->actions().at(0)->menu();
        QTRY_VERIFY(pFile->isVisible());
        PressLetter(pFile, AltLetter(item), Qt::NoModifier);
        QTRY_COMPARE(nAsked, 1);
        QVERIFY(!pFile->isVisible());
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
