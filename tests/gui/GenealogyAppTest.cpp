#include "app/AboutDlg.h"
#include "app/GenealogyApp.h"
#include "app/MainFrame.h"
#include "app/StartView.h"
#include "app/Log.h"
#include "model/Tables.h"
#include "options/Language.h"
#include "options/Settings.h"
#include "platform/QtText.h"

#include "GuiTestSupport.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char theSmallFile[] = "0 HEAD\n0 @I1@ INDI\n1 NAME Ann /Lee/\n0 @I2@ INDI\n1 NAME Bob /Lee/\n0 TRLR\n";

} // namespace

// The start-up choices, with the file dialog answered by the test.
class GenealogyAppTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_strFile = m_folder.filePath(QStringLiteral("family.ged"));
        QFile file(m_strFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(theSmallFile);
        file.close();
        Settings = CSettings();
        SetLanguage(L"En");
        ClearTables();
        theFileFolder.clear();
    }
    void cleanup()
    {
        QFile::remove(CQtSettingsStore().FileName());
        Settings = CSettings();
        SetLanguage(L"En");
        ClearTables();
    }

    void bothFlagsAskForAFileAndLeaveTheLastOneUnread()
    {
        CGenealogyApp app;
        Store(true, true, m_strFile);
        int nAsked = 0;
        app.m_fnChooseFile = [&](QWidget*, const QString& title, const QString& filter) {
            ++nAsked;
            [&] {
                QCOMPARE(title, QStringLiteral("Select file"));
                QVERIFY(filter.startsWith(QStringLiteral("Gedcom Files (*.ged)")));
                QCOMPARE(theLastPersonIndex, -1);
            }();
            return QString();
        };
        app.InitInstance();
        QCOMPARE(nAsked, 1);
        QCOMPARE(theLastPersonIndex, -1);
    }

    void theLastFileIsReadWithoutAsking()
    {
        CGenealogyApp app;
        Store(false, true, m_strFile);
        app.m_fnChooseFile = [](QWidget*, const QString&, const QString&) -> QString {
            QTest::qFail("no dialog expected", __FILE__, __LINE__);
            return {};
        };
        app.InitInstance();
        QCOMPARE(theLastPersonIndex, 1);
        QCOMPARE(app.MainFrame()->StartView()->FileLine(), QStringLiteral("GEDCOM-file: family.ged"));
    }

    // A deleted last file: a log entry, the dialog, and after a cancel empty
    // tables, while the store still names the file for the next start.
    void aDeletedLastFileAsksAndKeepsTheStoredName()
    {
        CGenealogyApp app;
        const QString strGone = m_folder.filePath(QStringLiteral("gone.ged"));
        Store(false, true, strGone);
        QTemporaryDir state;
        qputenv("XDG_STATE_HOME", state.path().toUtf8());
        int nAsked = 0;
        app.m_fnChooseFile = [&](QWidget*, const QString&, const QString&) {
            ++nAsked;
            return QString();
        };
        app.InitInstance();
        QCOMPARE(nAsked, 1);
        QCOMPARE(theLastPersonIndex, -1);
        QVERIFY(theLastFileName.empty());
        std::wstring strStored;
        QCOMPARE(ReadRegString(L"LastFileName", strStored), 0);
        QCOMPARE(ToQString(strStored), strGone);
        QFile log(QString::fromStdString(GetLogPath().string()));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("gone.ged"));
    }

    void neitherFlagOpensNothing()
    {
        CGenealogyApp app;
        Store(false, false, m_strFile);
        int nAsked = 0;
        app.m_fnChooseFile = [&](QWidget*, const QString&, const QString&) {
            ++nAsked;
            return QString();
        };
        app.InitInstance();
        QCOMPARE(nAsked, 0);
        QCOMPARE(theLastPersonIndex, -1);
        QCOMPARE(app.MainFrame()->StartView()->FileLine(), QString());
    }

    void aFileOnTheCommandLineComesFirst()
    {
        CGenealogyApp app;
        Store(true, false, QString());
        int nAsked = 0;
        app.m_fnChooseFile = [&](QWidget*, const QString&, const QString&) {
            ++nAsked;
            return QString();
        };
        app.InitInstance({m_strFile});
        QCOMPARE(nAsked, 0);
        QCOMPARE(theLastPersonIndex, 1);
    }

    // Open stores the chosen path at once when the last file is remembered,
    // and replaces the tables.
    void openStoresThePathAtOnce()
    {
        CGenealogyApp app;
        Store(false, true, QString());
        app.m_fnChooseFile = [](QWidget*, const QString&, const QString&) { return QString(); };
        app.InitInstance();
        app.m_fnChooseFile = [this](QWidget*, const QString&, const QString&) { return m_strFile; };
        app.MainFrame()->OnCommand(57601);
        QCOMPARE(theLastPersonIndex, 1);
        std::wstring strStored;
        QCOMPARE(ReadRegString(L"LastFileName", strStored), 0);
        QCOMPARE(ToQString(strStored), m_strFile);
    }

    void aboutShowsTheVersionInTheLanguageAndTheOwnName()
    {
        for (const wchar_t* pszLang : {L"En", L"Ru"}) {
            CGenealogyApp app;
            SetLanguage(pszLang);
            QString strCaption, strName, strVersion;
            app.m_fnRunDialog = [&](QDialog& dialog) {
                auto& about = static_cast<CAboutDlg&>(dialog);
                strCaption = about.windowTitle();
                strName = about.m_pName->text();
                strVersion = about.m_pVersion->text();
            };
            app.OnAppAbout();
            QCOMPARE(strName, QStringLiteral("Stemmark"));
            if (std::wstring(pszLang) == L"En") {
                QCOMPARE(strCaption, QStringLiteral("About Stemmark"));
                QCOMPARE(strVersion, QStringLiteral("Version 1.10"));
            } else {
                QCOMPARE(strCaption, QStringLiteral("О Stemmark"));
                QCOMPARE(strVersion, QStringLiteral("Версия 1.10"));
            }
        }
    }

    // The address book is asked for once, stored, and then taken as stored;
    // cancelling the question is the logon failure.
    void compareAsksForTheAddressBookOnceAndShowsBothReports()
    {
        CGenealogyApp app;
        app.InitInstance({m_strFile});
        const QString strBook = m_folder.filePath(QStringLiteral("book.vcf"));
        QFile book(strBook);
        QVERIFY(book.open(QIODevice::WriteOnly));
        book.write("BEGIN:VCARD\nN:Lee;Ann\nBDAY:19500305\nEND:VCARD\nBEGIN:VCARD\nN:Lee;Bob\nEND:VCARD\n");
        book.close();
        CRecordingSink sink;
        int nAsked = 0;
        QStringList reports;
        app.m_fnChooseFile = [&](QWidget*, const QString&, const QString& filter) {
            ++nAsked;
            return filter.contains(QStringLiteral("*.vcf")) && nAsked == 1 ? strBook : QString();
        };
        app.m_fnShowReport = [&](const std::wstring& strBody) { reports << ToQString(strBody); };
        for (int nRun = 0; nRun < 2; ++nRun)
            QVERIFY(TriggerCommand(app.MainFrame()->menuBar(), 32828));
        QCOMPARE(nAsked, 1);
        QCOMPARE(reports.size(), 4);
        QVERIFY2(reports[0].contains(QStringLiteral("Ann Lee<br>&nbsp;- Contacts: 05.03.1950")), qPrintable(reports[0]));
        QVERIFY2(reports[1].endsWith(QStringLiteral("<br>Ann Lee<br>Bob Lee")), qPrintable(reports[1]));
        std::wstring strStored;
        QCOMPARE(ReadRegString(L"ContactsPath", strStored), 0);
        QCOMPARE(ToQString(strStored), strBook);

        Settings.ContactsPath.clear();
        app.OnCompareWithContacts();
        QCOMPARE(sink.m_astrTexts, std::vector<std::wstring>{L"Failed to logon to Outlook"});
        QCOMPARE(sink.m_astrCaptions, std::vector<std::wstring>{L"Stemmark"});
    }

private:
    void Store(bool bFileOpen, bool bLastFile, const QString& strLastFileName)
    {
        WriteRegString(L"FileOpen", bFileOpen ? std::wstring(1, L'\x1') : std::wstring());
        WriteRegString(L"LastFile", bLastFile ? std::wstring(1, L'\x1') : std::wstring());
        WriteRegString(L"LastFileName", FromQString(strLastFileName));
    }

    QTemporaryDir m_folder;
    QString m_strFile;
};

QTEST_MAIN(GenealogyAppTest)
#include "GenealogyAppTest.moc"
