#include "gui/views/PersonInfoDlg.h"

#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "gui/platform/UrlOpener.h"

#include "gui/views/MediaPictures.h"

#include <QtEndian>

#include <sys/stat.h>

#include "GuiTestSupport.h"

// Records the addresses a page hands the desktop, for as long as it lives.
struct COpenedUrls {
    COpenedUrls()
    {
        UrlOpener() = [this](const QUrl& url) {
            m_urls.push_back(url);
            return true;
        };
    }
    ~COpenedUrls() { UrlOpener() = m_saved; }
    std::vector<QUrl> m_urls;
    CUrlOpener m_saved = UrlOpener();
};

class PersonInfoDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init() { StartApp(m_app); }
    void cleanup() { m_app.reset(); }

    void aLinkShowsItsTarget()
    {
        CRecordingSink sink;
        CPersonInfoDlg page(EmptyDocument());
        page.m_strHtml = L"<a href=\"@I7@\">Ann</a>";
        RunWhileOpen<CPersonInfoDlg>(
            page, [](CPersonInfoDlg& p) { emit p.Viewer()->anchorClicked(QUrl(QStringLiteral("@I7@"))); });
        QCOMPARE(sink.m_astrTexts, (std::vector<std::wstring>{L"@I7@"}));
        QCOMPARE(sink.m_astrCaptions, (std::vector<std::wstring>{L"Link is clicked"}));
    }

    // The window's title is in the language in use.
    void theTitleFollowsTheLanguage()
    {
        SetLanguage(L"Ru");
        const CPersonInfoDlg page(EmptyDocument());
        SetLanguage(L"En");
        QCOMPARE(page.windowTitle(), QStringLiteral("Сведения о лице"));
    }

    // A source's mark scrolls the page, a web address goes to the browser;
    // neither raises a box, and the pane reads neither.
    void marksScrollAndAddressesOpenInTheBrowser()
    {
        CRecordingSink sink;
        COpenedUrls opened;
        CPersonInfoDlg page(EmptyDocument());
        page.m_strHtml = L"<a href=\"#source1\">[1]</a>" + std::wstring(200, L'x') + L"<br>" +
                         L"<a name=\"source1\"></a>One";
        RunWhileOpen<CPersonInfoDlg>(page, [](CPersonInfoDlg& p) {
            emit p.Viewer()->anchorClicked(QUrl(QStringLiteral("#source1")));
            emit p.Viewer()->anchorClicked(QUrl(QStringLiteral("https://example.org/a?b=1")));
        });
        QVERIFY(sink.m_astrTexts.empty());
        QCOMPARE(opened.m_urls, (std::vector<QUrl>{QUrl(QStringLiteral("https://example.org/a?b=1"))}));
    }

    // A picture the page names by a path is never read, even when the file
    // is there; only an image the pane holds is shown.
    void aPageGetsOnlyTheImagesThePaneHolds()
    {
        QTemporaryDir folder;
        const QString strFile = folder.filePath(QStringLiteral("real.png"));
        QImage(4, 4, QImage::Format_RGB32).save(strFile);
        CPersonInfoDlg page(EmptyDocument());
        page.m_strHtml =
            FromQString(QStringLiteral("<img src=\"%1\"><img src=\"file://%1\"><img src=\"held\">"
                                       "<img src=\"http://127.0.0.1:9/x.png\">")
                            .arg(strFile));
        page.SetImage(L"held", QImage(2, 2, QImage::Format_RGB32));
        RunWhileOpen<CPersonInfoDlg>(page, [&](CPersonInfoDlg& p) {
            p.Viewer()->grab();
            QTextDocument* pDocument = p.Viewer()->document();
            QVERIFY(pDocument->resource(QTextDocument::ImageResource, QUrl(strFile)).isNull());
            QVERIFY(pDocument->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(strFile)).isNull());
            QVERIFY(
                !pDocument->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("held"))).isNull());
        });
    }

    // Notes are markup: a broken one (a comment never closed, a body ended
    // early, a tag left open) must not cut the page short.
    void thePageShowsTheWholeText_data()
    {
        QTest::addColumn<QString>("html"); // empty: Ann's page with broken notes
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("broken markup") << "Before</body></html>After <b>unclosed <i>and more"
                                       << QStringList{"Before", "After", "and more"};
        QTest::newRow("broken notes") << QString() << QStringList{"Ann", "two", "three"};
    }
    void thePageShowsTheWholeText()
    {
        QFETCH(QString, html);
        QFETCH(QStringList, shown);
        CDocument doc;
        CPerson& ann = AddTestPerson(doc, L"@A@", L"Ann /Lee/", L"F");
        for (const wchar_t* pszNote : {L"one <!-- never closed", L"two </body></html> <b>open", L"three"})
            doc.Append(ann.m_notes, CNote(doc.AddText(pszNote)));
        CPersonInfoDlg page(doc);
        page.m_strHtml = FromQString(html);
        page.m_nPerson = html.isEmpty() ? 0 : -1;
        QString strText;
        RunWhileOpen<CPersonInfoDlg>(page, [&](CPersonInfoDlg& p) { strText = p.Viewer()->toPlainText(); });
        for (const QString& strPart : shown)
            QVERIFY2(strText.contains(strPart), qPrintable(strText));
    }

    // A person's page keeps only the roads onward, each to its view of the
    // person, and its help; a text page has its creator's help alone.
    void theMenusAndHelpOfAPage_data()
    {
        QTest::addColumn<int>("person");
        QTest::addColumn<QStringList>("views");
        QTest::addColumn<QString>("topic");
        // Relationship, with no home person, asks for the other person first.
        QTest::newRow("a person") << 0
                                  << QStringList{"ancestors 0", "descendants 0", "family 0", "family 1", "personList",
                                                 "chart", "chart"}
                                  << "info";
        QTest::newRow("a text") << -1 << QStringList{} << "contacts";
    }
    void theMenusAndHelpOfAPage()
    {
        QFETCH(int, person);
        QFETCH(QStringList, views);
        QFETCH(QString, topic);
        // 0 Ann, the child of 1 Dad and the mother of 2 Kid.
        CDocument doc;
        AddTestPerson(doc, L"@A@", L"Ann /Lee/", L"F", nullptr, L"@F1@", {L"@F2@"});
        AddTestPerson(doc, L"@D@", L"Dad /Lee/", L"M", nullptr, L"", {L"@F1@"});
        AddTestPerson(doc, L"@K@", L"Kid /Lee/", L"M", nullptr, L"@F2@");
        AddFamily(doc, L"@F1@", L"@D@", L"", {L"@A@"});
        AddFamily(doc, L"@F2@", L"", L"@A@", {L"@K@"});
        CRecordingLauncher launcher;
        CPersonInfoDlg page(doc);
        page.m_strHtml = L"notes";
        page.m_nPerson = person;
        page.m_strTextTopic = L"contacts";
        QStringList seen;
        RunWhileOpen<CPersonInfoDlg>(page, [&](CPersonInfoDlg& p) {
            CViewRecorder recorder;
            if (person >= 0)
                for (QAction* pAction : p.MenuBar()->actions().at(0)->menu()->actions())
                    pAction->trigger();
            seen = recorder.m_views;
            QVERIFY(TriggerCommand(p.MenuBar(), ID_HELP_TOPIC));
            p.RunCommand(ID_HELP_TOPIC);
        });
        QCOMPARE(seen, views);
        QCOMPARE(launcher.m_astrLines, std::vector<std::wstring>(2, L"Stemmark.htm#" + topic.toStdWString()));
    }

    // The page's pictures come from the pane's own handler, made at most
    // the size shown, and only for the media the file names in its folder
    // or its package; the rest get a notice or nothing at all.
    void picturesComeOnlyFromTheFilesMedia()
    {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath(QStringLiteral("tree/photos"));
        QImage(400, 200, QImage::Format_RGB32).save(folder.filePath(QStringLiteral("tree/photos/wide.png")));
        QImage(30, 30, QImage::Format_RGB32).save(folder.filePath(QStringLiteral("outside.png")));
        // A bitmap whose header claims 20000 x 20000 pixels.
        QByteArray huge(54, '\0');
        huge[0] = 'B', huge[1] = 'M', huge[10] = 54, huge[14] = 40, huge[26] = 1, huge[28] = 24;
        qToLittleEndian<qint32>(20000, huge.data() + 18);
        qToLittleEndian<qint32>(20000, huge.data() + 22);
        WriteFile(folder.filePath(QStringLiteral("tree/huge.bmp")), huge);
        WriteFile(folder.filePath(QStringLiteral("tree/text.jpg")), "not a picture");
        const QString strGedcom = folder.filePath(QStringLiteral("tree/family.ged"));
        WriteFile(strGedcom, QStringLiteral("0 HEAD\n0 @I1@ INDI\n1 NAME Ann /Lee/\n"
                                            "1 OBJE\n2 FILE C:\\Pics\\photos\\wide.png\n"
                                            "1 OBJE\n2 FILE %1\n1 OBJE\n2 FILE ../outside.png\n"
                                            "1 OBJE\n2 FILE huge.bmp\n1 OBJE\n2 FILE text.jpg\n0 TRLR\n")
                                 .arg(folder.filePath(QStringLiteral("outside.png")))
                                 .toUtf8());
        const CReadResult read = ReadGedcomFile(FromQString(strGedcom));
        CPersonInfoDlg page(*read.m_pDocument);
        page.m_nPerson = 0;
        RunWhileOpen<CPersonInfoDlg>(page, [&](CPersonInfoDlg& p) {
            QTextDocument* pDocument = p.Viewer()->document();
            const auto image = [pDocument](const char* pszName) {
                return pDocument->resource(QTextDocument::ImageResource, QUrl(QLatin1String(pszName))).value<QImage>();
            };
            QTRY_VERIFY(!image("media:0/120").isNull() && !image("media:0/64").isNull());
            QTRY_VERIFY(!image("media:3/64").isNull() && !image("media:4/64").isNull());
            const qreal dRatio = p.devicePixelRatioF();
            QCOMPARE(image("media:0/120").size(), QSize(120, 60) * dRatio);
            QCOMPARE(image("media:0/64").size(), QSize(64, 32) * dRatio);
            // The notices are squares of the size shown.
            QCOMPARE(image("media:3/64").size(), QSize(64, 64) * dRatio);
            QCOMPARE(image("media:4/64").size(), QSize(64, 64) * dRatio);
            // Outside the folder, climbing out, or named by no item: nothing.
            for (const char* pszName : {"media:1/64", "media:2/64", "media:9/64", "media:0/4000"})
                QVERIFY2(image(pszName).isNull(), pszName);
            QVERIFY(image(qPrintable(QUrl::fromLocalFile(folder.filePath(QStringLiteral("outside.png"))).toString()))
                        .isNull());
        });
    }

    // Qt's painting fills large areas on the global thread pool: a page
    // whose photos were made there would not be drawn until they all were.
    // Its pictures come while that pool is busy.
    void picturesAreMadeOffTheGlobalPool()
    {
        class CPane : public CPersonInfoDlg {
        public:
            using CPersonInfoDlg::CPersonInfoDlg;
            void CreateViewer() { CreateHtmlControl(); }
        };
        QTemporaryDir folder;
        QImage(40, 20, QImage::Format_RGB32).save(folder.filePath(QStringLiteral("a.png")));
        CDocument doc;
        doc.SetFolder(FromQString(folder.path() + QLatin1Char('/')));
        CPane page(doc); // never shown: its own painting would wait on the busy pool
        page.CreateViewer();
        page.m_media.push_back({L"", L"a.png", L"", L"", FindMediaFile(doc, L"a.png"), false, true});
        QThreadPool& global = *QThreadPool::globalInstance();
        QSemaphore busy;
        for (int i = 0; i < global.maxThreadCount(); ++i)
            global.start([&busy] { busy.tryAcquire(1, 10000); });
        const auto release = qScopeGuard([&] {
            busy.release(global.maxThreadCount());
            global.waitForDone();
        });
        const QUrl name(QStringLiteral("media:0/64"));
        page.FindImage(name);
        QTRY_VERIFY(!page.FindImage(name).isNull());
    }

    // A file found as a picture and made a fifo since is not waited on.
    void aFileMadeAFifoSinceItWasFoundIsNotRead()
    {
        QTemporaryDir folder;
        const QString strFifo = folder.filePath(QStringLiteral("a.png"));
        QVERIFY(::mkfifo(QFile::encodeName(strFifo).constData(), 0600) == 0);
        const CPictureRead read = ReadPicture({CMediaFound::File, FromQString(strFifo)}, nullptr, 64);
        QCOMPARE(read.m_nProblem, IDS_MEDIA_CANNOT_SHOW);
    }

    // A click opens a found file in the desktop's program, a package's entry
    // from a copy of its own; a file that could run is never handed over.
    void aClickOpensTheMediaFileButNeverAProgram()
    {
        class CArchive : public CMediaArchive {
        public:
            const std::vector<std::string>& EntryNames() const override { return m_names; }
            bool ReadEntry(std::string_view name, std::uint64_t, std::string& out, std::wstring&) const override
            {
                out = "picture of " + std::string(name);
                return true;
            }
            std::vector<std::string> m_names{"gedcom.ged", "media/a b.jpg", "media/run.sh"};
        };
        QTemporaryDir folder;
        WriteFile(folder.filePath(QStringLiteral("tool.jpg")), "x");
        QFile::setPermissions(folder.filePath(QStringLiteral("tool.jpg")), QFile::ReadOwner | QFile::ExeOwner);
        CDocument doc;
        doc.SetFolder(FromQString(folder.path() + QLatin1Char('/')));
        AddTestPerson(doc, L"@A@", L"Ann /Lee/", L"F");
        doc.SetArchive(std::make_shared<CArchive>());
        CRecordingSink sink;
        COpenedUrls opened;
        CPersonInfoDlg page(doc);
        page.m_strHtml = L"media";
        for (const wchar_t* pszFile : {L"media/a%20b.jpg", L"media/run.sh", L"missing.jpg"})
            page.m_media.push_back({L"", pszFile, L"", L"", FindMediaFile(doc, pszFile)});
        RunWhileOpen<CPersonInfoDlg>(page, [](CPersonInfoDlg& p) {
            for (const char* pszTarget : {"media:0", "media:1", "media:2", "media:7"})
                emit p.Viewer()->anchorClicked(QUrl(QLatin1String(pszTarget)));
        });
        QCOMPARE(opened.m_urls.size(), std::size_t(1));
        QFile copy(opened.m_urls[0].toLocalFile());
        QVERIFY(opened.m_urls[0].toLocalFile().endsWith(QStringLiteral("/a b.jpg")));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("picture of media/a b.jpg"));
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(2)); // the script and the missing file
        QVERIFY(sink.m_astrTexts[0].starts_with(L"The media file cannot be opened:\nmedia/run.sh"));
    }

private:
    std::optional<CGenealogyApp> m_app;
};

QTEST_MAIN(PersonInfoDlgTest)
#include "PersonInfoDlgTest.moc"
