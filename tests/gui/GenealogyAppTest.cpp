#include "gui/app/GenealogyApp.h"

#include "gui/app/StartView.h"

#include "GuiTestSupport.h"

namespace {

const char theSmallFile[] = "0 HEAD\n0 @I1@ INDI\n1 NAME Ann /Lee/\n0 @I2@ INDI\n1 NAME Bob /Lee/\n0 TRLR\n";

// The file line of the start view each time it is painted.
class CPaintRecorder : public QObject {
public:
    explicit CPaintRecorder(CStartView* pView) : m_pView(pView) { pView->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            m_strLine = m_pView->FileLine();
        return false;
    }

    QString m_strLine = QStringLiteral("(not painted)");

private:
    CStartView* m_pView;
};

// The value the store holds under a name.
QString Stored(const wchar_t* pszName)
{
    std::wstring strValue;
    return ReadRegString(pszName, strValue) == 0 ? ToQString(strValue) : QStringLiteral("(unread)");
}

// The Open dialog, answered with `strPath` each time.
decltype(CGenealogyApp::m_fnChooseFile) Choosing(const QString& strPath)
{
    return [strPath](QWidget*, const QString&, const QString&, const QString&) { return strPath; };
}

} // namespace

// The start-up choices, with the file dialog answered by the test.
class GenealogyAppTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_strFile = m_folder.filePath(QStringLiteral("family.ged"));
        WriteFile(m_strFile, theSmallFile);
        StartApp(m_app);
    }
    void cleanup()
    {
        m_app.reset();
        QFile::remove(CQtSettingsStore().FileName());
    }

    // Open File at start asks for a file before the last one is read; the
    // last file alone is read without asking; a file named on the command
    // line comes first.
    void theStartUpChoices_data()
    {
        QTest::addColumn<bool>("fileOpen");
        QTest::addColumn<bool>("lastFile");
        QTest::addColumn<bool>("argument");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("lastPerson");
        QTest::newRow("both flags") << true << true << false << 1 << -1;
        QTest::newRow("the last file") << false << true << false << 0 << 1;
        QTest::newRow("neither flag") << false << false << false << 0 << -1;
        QTest::newRow("a file on the command line") << true << false << true << 0 << 1;
    }
    void theStartUpChoices()
    {
        QFETCH(bool, fileOpen);
        QFETCH(bool, lastFile);
        QFETCH(bool, argument);
        QFETCH(int, asked);
        QFETCH(int, lastPerson);
        Store(fileOpen, lastFile, argument ? QString() : m_strFile);
        int nAsked = 0;
        m_app->m_fnChooseFile = [&](QWidget*, const QString& title, const QString&, const QString& filter) {
            ++nAsked;
            [&] {
                QCOMPARE(title, QStringLiteral("Select file"));
                QVERIFY(filter.startsWith(QStringLiteral("GEDCOM files (*.ged *.gdz);;")));
                QCOMPARE(LastPerson(), -1);
            }();
            return QString();
        };
        m_app->InitInstance(argument ? QStringList{m_strFile} : QStringList{});
        QCOMPARE(nAsked, asked);
        QCOMPARE(LastPerson(), lastPerson);
        QCOMPARE(m_app->MainFrame()->StartView()->FileLine(),
                 lastPerson < 0 ? QString() : QStringLiteral("GEDCOM-file: family.ged"));
    }

    // A deleted last file: its box, the dialog, and after a cancel empty
    // tables, while the store still names the file for the next start.
    void aDeletedLastFileAsksAndKeepsTheStoredName()
    {
        const QString strGone = m_folder.filePath(QStringLiteral("gone.ged"));
        Store(false, true, strGone);
        CRecordingSink sink;
        int nAsked = 0;
        std::size_t nBoxesBeforeAsking = 0;
        m_app->m_fnChooseFile = [&](QWidget*, const QString&, const QString&, const QString&) {
            ++nAsked;
            nBoxesBeforeAsking = sink.m_astrTexts.size();
            return QString();
        };
        m_app->InitInstance();
        QCOMPARE(nAsked, 1);
        QCOMPARE(nBoxesBeforeAsking, std::size_t(1));
        QCOMPARE(sink.m_aIcons, std::vector<CMessageIcon>{CMessageIcon::Stop});
        QCOMPARE(m_app->MainFrame()->StartView()->FileLine(), QString());
        QCOMPARE(LastPerson(), -1);
        QVERIFY(theLastFileName.empty());
        QCOMPARE(Stored(L"LastFileName"), strGone);
    }

    // Open starts in the folder of the file last opened (left to the dialog
    // before any was), and stores the chosen path at once when the last file
    // is remembered.
    void openStartsInTheLastFolderAndStoresThePath()
    {
        Store(false, true, QString()); // asks for a file at once: none is chosen
        m_app->m_fnChooseFile = Choosing(QString());
        m_app->InitInstance();
        QStringList folders;
        m_app->m_fnChooseFile = [&](QWidget*, const QString&, const QString& folder, const QString&) {
            folders << folder;
            return folders.size() == 1 ? m_strFile : QString();
        };
        m_app->MainFrame()->OnCommand(ID_FILE_OPEN);
        QCOMPARE(LastPerson(), 1);
        QCOMPARE(Stored(L"LastFileName"), m_strFile);
        m_app->MainFrame()->OnCommand(ID_FILE_OPEN);
        QCOMPARE(folders, (QStringList{QString(), QFileInfo(m_strFile).absolutePath()}));
    }

    // File / Open tells at once what the file gave, in a box owned by the
    // frame, and the start screen names only a file that was opened, painted
    // as soon as the reading ends, without waiting for a resize.
    void openTellsWhatTheFileGave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: no file made
        QTest::addColumn<QString>("text");     // %1 stands for the path
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("named");
        const QString strCantOpen = QStringLiteral("Can't open source file %1.\n");
        const QString strEmpty =
            QStringLiteral("Input file is empty or is not specified. Please use File / Open.");
        const int nStop = static_cast<int>(CMessageIcon::Stop);
        const int nExclamation = static_cast<int>(CMessageIcon::Exclamation);
        QTest::newRow("missing") << "gone.ged" << QByteArray() << strCantOpen + "No such file or directory"
                                 << "Stemmark" << nStop << false;
        QTest::newRow("picture") << "photo.png" << QByteArray("\x89PNG\r\n\x1a\n", 8)
                                 << QStringLiteral("Not a GEDCOM file: %1") << "Message" << nExclamation << true;
        QTest::newRow("families alone") << "families.ged" << QByteArray("0 HEAD\n0 @F1@ FAM\n1 HUSB @I1@\n")
                                        << strEmpty << "Message" << nExclamation << true;
        QTest::newRow("family") << "family.ged" << QByteArray() << QString() << QString() << 0 << true;
        QTest::newRow("level above 9") << "deep.ged" << QByteArray("0 @I1@ INDI\n10 X\n")
                                       << "Too big level number (>9) in file. Select the other file or terminate "
                                          "the program."
                                       << "Direction" << nExclamation << true;
    }
    void openTellsWhatTheFileGave()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        QFETCH(bool, named);
        const QString strPath = m_folder.filePath(name);
        if (!bytes.isNull())
            WriteFile(strPath, bytes);
        m_app->InitInstance({m_strFile});
        CStartView* pStart = m_app->MainFrame()->StartView();
        QVERIFY(QTest::qWaitForWindowExposed(m_app->MainFrame()));
        QCoreApplication::processEvents(); // the paints of the start are done
        CPaintRecorder painted(pStart);
        CRecordingSink sink;
        m_app->m_fnChooseFile = Choosing(strPath);
        QVERIFY(TriggerCommand(m_app->MainFrame()->menuBar(), ID_FILE_OPEN));
        QCOMPARE(ToQString(theLastFileName), strPath);
        QCOMPARE(pStart->FileLine().isEmpty(), !named);
        if (name != QStringLiteral("family.ged")) // the same line needs no paint
            QTRY_COMPARE(painted.m_strLine, pStart->FileLine());
        if (text.isEmpty()) {
            QVERIFY(sink.m_astrTexts.empty());
            return;
        }
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(1));
        QCOMPARE(ToQString(sink.m_astrTexts[0]), text.replace(QStringLiteral("%1"), strPath));
        QCOMPARE(ToQString(sink.m_astrCaptions[0]), caption);
        QCOMPARE(static_cast<int>(sink.m_aIcons[0]), icon);
        // The reader's box, as the opening message, belongs to the window the file opens in.
        QCOMPARE(sink.m_aOwners[0], static_cast<QWidget*>(m_app->MainFrame()));
    }

    // Two windows hold two files side by side: each names its own file and
    // lists its own persons; the close button of one leaves the other
    // working, and the file opened last is the one kept for the next start.
    void twoWindowsHoldTwoFiles()
    {
        const QString strFamily = QStringLiteral(STEMMARK_TEST_DATA "/cli-one-family.ged");
        const QString strAccents = QStringLiteral(STEMMARK_TEST_DATA "/cli-accents.ged");
        Store(false, true, QString()); // asks for a file at once: none is chosen
        m_app->m_fnChooseFile = Choosing(QString());
        m_app->InitInstance();
        QList<int> codes;
        m_app->m_fnQuit = [&codes](int nCode) { codes << nCode; };
        m_app->m_fnChooseFile = Choosing(strFamily);
        QVERIFY(TriggerCommand(m_app->MainFrame()->menuBar(), ID_FILE_OPEN));
        m_app->m_fnChooseFile = Choosing(strAccents);
        QVERIFY(TriggerCommand(m_app->MainFrame()->menuBar(), ID_FILE_OPEN_NEW_WINDOW));

        QCOMPARE(m_app->Frames().size(), std::size_t(2));
        QPointer<CMainFrame> pFirst = m_app->Frames()[0].get();
        CMainFrame* pSecond = m_app->Frames()[1].get();
        QCOMPARE(pFirst->windowTitle(), QStringLiteral("cli-one-family.ged - Stemmark"));
        QCOMPARE(pSecond->windowTitle(), QStringLiteral("cli-accents.ged - Stemmark"));
        const QString strFamilyList = QStringLiteral("Select person (5 persons in total)\n"
                                                     "Jones Mary\nQuiet Oleg\nSmith Anna\nSmith John\nSmith Peter");
        const QString strAccentsList =
            QStringLiteral("Select person (3 persons in total)\nOde Émile\nOde Eve\nOde Zoe");
        QCOMPARE(ListedBy(*pSecond), strAccentsList);
        QCOMPARE(ListedBy(*pFirst), strFamilyList);
        QCOMPARE(Stored(L"LastFileName"), strAccents);
        QCOMPARE(ToQString(theLastFileName), strAccents);

        pFirst->close(); // the window in front last, and the first
        QCOMPARE(m_app->Frames().size(), std::size_t(1));
        QTRY_VERIFY(pFirst.isNull());
        QCOMPARE(m_app->MainFrame(), pSecond);
        QCOMPARE(m_app->ActiveFrame(), pSecond);
        QCOMPARE(ListedBy(*pSecond), strAccentsList);
        QCOMPARE(codes, QList<int>{});
        pSecond->close(); // the last window ends the run
        QCOMPARE(codes, QList<int>{0});
    }

    // The program's own name stays in every language; OK closes the box.
    void aboutShowsTheVersionInTheLanguageAndTheOwnName()
    {
        SetLanguage(L"Ru");
        QStringList seen;
        int nResult = -1;
        m_app->m_fnRunDialog = [&](QDialog& about) {
            AnswerNextModal([&](QDialog& box) {
                seen << box.windowTitle();
                for (const char* pszLabel : {"name", "version", "licence"})
                    seen << Child<QLabel>(box, pszLabel)->text();
                Child<QDialogButtonBox>(box, "buttons")->button(QDialogButtonBox::Ok)->click();
            });
            nResult = about.exec();
        };
        m_app->OnAppAbout();
        QCOMPARE(nResult, int(QDialog::Accepted));
        QCOMPARE(seen.size(), 4);
        QCOMPARE(seen.mid(0, 3), (QStringList{"О Stemmark", "Stemmark", "Версия 1.10"}));
        QVERIFY2(seen[3].contains(QStringLiteral("свободная программа")), qPrintable(seen[3]));
    }

    // The address book is asked for at every run, starting at the stored one;
    // the choice is stored, the differences come before the matches, and
    // cancelling compares nothing, shows nothing and keeps the stored book.
    void compareAsksForTheAddressBookEachTimeStartingAtTheStoredOne()
    {
        m_app->InitInstance({m_strFile});
        const QString strBook = m_folder.filePath(QStringLiteral("book.vcf"));
        WriteFile(strBook, "BEGIN:VCARD\nN:Lee;Ann\nBDAY:19500305\nEND:VCARD\n");
        CRecordingSink sink;
        QStringList starts;
        QStringList answers{strBook, QString()};
        QStringList reports;
        QStringList titles;
        m_app->m_fnChooseAddressBook = [&](QWidget*, const QString&, const QString& filter,
                                           const QString& start) {
            starts << start;
            return filter.contains(QStringLiteral("*.vcf")) ? answers.takeFirst() : QString();
        };
        m_app->m_fnShowReport = [&](const std::wstring& strTitle, const std::wstring& strBody) {
            titles << ToQString(strTitle);
            reports << ToQString(strBody);
        };
        QVERIFY(TriggerCommand(m_app->MainFrame()->menuBar(), ID_COMPARE_WITH_CONTACTS));
        QCOMPARE(reports.size(), 2);
        QVERIFY2(reports[0].contains(QStringLiteral("05.03.1950")), qPrintable(reports[0]));
        QVERIFY2(reports[1].endsWith(QStringLiteral("Ann Lee")), qPrintable(reports[1]));
        QCOMPARE(titles, (QStringList{"Contacts: other birth dates", "Contacts: found by name"}));
        QCOMPARE(Stored(L"ContactsPath"), strBook);
        QVERIFY(sink.m_astrTexts.empty());

        m_app->OnCompareWithContacts();
        QCOMPARE(starts, (QStringList{QString(), strBook}));
        QCOMPARE(reports.size(), 2);
        QVERIFY(sink.m_astrTexts.empty());
        QCOMPARE(ToQString(Settings.ContactsPath), strBook);
    }

    // The real dialog opens with the stored book selected: Enter alone keeps it.
    void enterInTheDialogKeepsTheStoredBook()
    {
        m_app->InitInstance({m_strFile});
        const QString strBook = m_folder.filePath(QStringLiteral("book.vcf"));
        WriteFile(strBook, "BEGIN:VCARD\nN:Lee;Ann\nEND:VCARD\nBEGIN:VCARD\nN:Lee;Bob\nEND:VCARD\n");
        Settings.ContactsPath = FromQString(strBook);
        QStringList reports;
        m_app->m_fnShowReport = [&](const std::wstring&, const std::wstring& strBody) {
            reports << ToQString(strBody);
        };
        CRecordingSink sink;
        AnswerNextModal([](QDialog& dialog) {
            QTRY_VERIFY(dialog.focusWidget()); // the dialog reads its folder first
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        m_app->OnCompareWithContacts();
        QCOMPARE(ToQString(Settings.ContactsPath), strBook);
        QCOMPARE(sink.m_astrTexts,
                 std::vector<std::wstring>{L"All the persons from Contacts, which match persons from "
                                           L"Stemmark by full name, have the same data."});
    }

private:
    // The caption and the rows of the person list the frame's View menu opens.
    static QString ListedBy(CMainFrame& frame)
    {
        QString strListed = QStringLiteral("(no list)");
        CModalAnswer answer([&](QDialog& list) {
            strListed = Child<QLineEdit>(list, "caption")->text();
            const QAbstractItemModel* pModel = Child<QListView>(list, "persons")->model();
            for (int i = 0; i < pModel->rowCount(); ++i)
                strListed += QStringLiteral("\n") + pModel->index(i, 0).data().toString();
        });
        if (!TriggerCommand(frame.menuBar(), ID_PERSON_LIST))
            return QStringLiteral("(no command)");
        return strListed;
    }

    // The last person of the file in the window the application acts on.
    int LastPerson() const { return m_app->ActiveFrame()->Doc().GetLastPersonIndex(); }

    void Store(bool bFileOpen, bool bLastFile, const QString& strLastFileName)
    {
        WriteRegString(L"FileOpen", bFileOpen ? std::wstring(1, L'\x1') : std::wstring());
        WriteRegString(L"LastFile", bLastFile ? std::wstring(1, L'\x1') : std::wstring());
        WriteRegString(L"LastFileName", FromQString(strLastFileName));
    }

    std::optional<CGenealogyApp> m_app;
    QTemporaryDir m_folder;
    QString m_strFile;
};

QTEST_MAIN(GenealogyAppTest)
#include "GenealogyAppTest.moc"
