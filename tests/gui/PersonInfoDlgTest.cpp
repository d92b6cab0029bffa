#include "gui/views/PersonInfoDlg.h"

#include "core/options/Language.h"
#include "gui/platform/UrlOpener.h"

#include "GuiTestSupport.h"

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
        std::vector<QUrl> opened;
        const CUrlOpener saved = UrlOpener();
        UrlOpener() = [&opened](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        CPersonInfoDlg page(EmptyDocument());
        page.m_strHtml = L"<a href=\"#source1\">[1]</a>" + std::wstring(200, L'x') + L"<br>" +
                         L"<a name=\"source1\"></a>One";
        RunWhileOpen<CPersonInfoDlg>(page, [](CPersonInfoDlg& p) {
            emit p.Viewer()->anchorClicked(QUrl(QStringLiteral("#source1")));
            emit p.Viewer()->anchorClicked(QUrl(QStringLiteral("https://example.org/a?b=1")));
        });
        UrlOpener() = saved;
        QVERIFY(sink.m_astrTexts.empty());
        QCOMPARE(opened, (std::vector<QUrl>{QUrl(QStringLiteral("https://example.org/a?b=1"))}));
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

private:
    std::optional<CGenealogyApp> m_app;
};

QTEST_MAIN(PersonInfoDlgTest)
#include "PersonInfoDlgTest.moc"
