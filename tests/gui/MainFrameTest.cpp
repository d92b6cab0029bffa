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
        QTest::newRow("an own letter taken before") << QStringList{"&Open", "&Options", "Exit"}
                                                    << QStringList{"&Open", "O&ptions", "&Exit"};
        QTest::newRow("not in the key after a tab") << QStringList{"&Undo\tCtrl+Z", "U\tCtrl+Q"}
                                                    << QStringList{"&Undo\tCtrl+Z", "U\tCtrl+Q"};
        QTest::newRow("separators stay empty") << QStringList{"", "Find"} << QStringList{"", "&Find"};
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
        // A Latin layout: the keys of Ф, П and О.
        QTest::newRow("Ru Alt+A") << "Ru" << int(Qt::Key_A) << 0;
        QTest::newRow("Ru Alt+G") << "Ru" << int(Qt::Key_G) << 1;
        QTest::newRow("Ru Alt+J") << "Ru" << int(Qt::Key_J) << 2;
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

    // In every language, on the bar of every window, each menu and each item
    // of a menu has a letter of its own; the letter of Open in New Window,
    // pressed in the open File menu, runs it, and so does, in Russian, the
    // Latin key it stands on.
    void everyItemHasItsOwnAltLetter_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QChar>("key");
        QTest::newRow("En") << "En" << "Open in &New Window" << QChar(u'n');
        QTest::newRow("Ru") << "Ru" << "Открыть в &новом окне" << QChar(u'н');
        QTest::newRow("Ru, Latin layout") << "Ru" << "Открыть в &новом окне" << QChar(u'y');
        QTest::newRow("Fr") << "Fr" << "Ouvrir dans une &nouvelle fenêtre" << QChar(u'n');
        QTest::newRow("Ge") << "Ge" << "In &neuem Fenster öffnen" << QChar(u'n');
        QTest::newRow("It") << "It" << "Apri in una &nuova finestra" << QChar(u'n');
    }
    void everyItemHasItsOwnAltLetter()
    {
        QFETCH(QString, language);
        QFETCH(QString, item);
        QFETCH(QChar, key);
        SetLanguage(language.toStdWString());
        const std::vector<std::vector<int>> bars = {{IDM_FILE, IDM_MAIN_VIEW, IDM_HELP}, {IDM_VIEW, IDM_HELP},
                                                    {IDM_VIEW, IDM_ROW, IDM_HELP},       {IDM_INFO, IDM_HELP},
                                                    {IDM_HELP}};
        QString strItem;
        for (const std::vector<int>& anMenus : bars) {
            QMenuBar bar;
            QVERIFY(FillMenuBar(&bar, anMenus, [](int) {}));
            QSet<QChar> captions;
            for (const QAction* pTitle : bar.actions()) {
                const QChar caption = AltLetter(pTitle->text());
                QVERIFY2(!caption.isNull() && !captions.contains(caption), qPrintable(pTitle->text()));
                captions.insert(caption);
                QSet<QChar> letters;
                for (const QAction* pAction : pTitle->menu()->actions()) {
                    if (pAction->isSeparator())
                        continue;
                    const QChar letter = AltLetter(pAction->text());
                    QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(pAction->text()));
                    letters.insert(letter);
                    if (CommandOf(pAction) == ID_FILE_OPEN_NEW_WINDOW)
                        strItem = pAction->text();
                }
            }
        }
        QCOMPARE(strItem, item);

        CMainFrame frame;

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
        PressLetter(pFile, key, Qt::NoModifier);
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
        // So do the application's commands, for the pages they open.
        theTopWindow = nullptr;
        m_app->m_fnChooseAddressBook = [](QWidget*, const QString&, const QString&, const QString&) {
            return QString();
        };
        QVERIFY(TriggerCommand(frame.menuBar(), ID_COMPARE_WITH_CONTACTS));
        QCOMPARE(theTopWindow, static_cast<QWidget*>(&frame));
    }

private:
    std::optional<CGenealogyApp> m_app;
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
