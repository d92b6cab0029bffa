#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "gui/app/GenealogyApp.h"
#include "gui/views/PersonInfoDlg.h"
#include "qtcore/platform/QtText.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Runs `fnWhileOpen` on the page once it is up, then closes it.
void WhileOpen(CPersonInfoDlg& page, std::function<void(CPersonInfoDlg&)> fnWhileOpen)
{
    QTimer::singleShot(0, &page, [&page, fnWhileOpen] {
        fnWhileOpen(page);
        page.reject();
    });
    page.RunModal();
}

} // namespace

class PersonInfoDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ClearTables();
        SetLanguage(L"En");
    }
    void cleanup() { ClearTables(); }

    void aLinkShowsItsTarget()
    {
        CGenealogyApp app;
        CRecordingSink sink;
        CPersonInfoDlg page;
        page.m_strHtml = L"<a href=\"@I7@\">Ann</a>";
        WhileOpen(page, [](CPersonInfoDlg& p) { emit p.Viewer()->anchorClicked(QUrl(QStringLiteral("@I7@"))); });
        QCOMPARE(sink.m_astrTexts, (std::vector<std::wstring>{L"@I7@"}));
        QCOMPARE(sink.m_astrCaptions, (std::vector<std::wstring>{L"Link is clicked"}));
    }

    // A picture the page names by a path is never read, even when the file
    // is there; only an image the pane holds is shown.
    void aPageGetsOnlyTheImagesThePaneHolds()
    {
        CGenealogyApp app;
        QTemporaryDir folder;
        const QString strFile = folder.filePath(QStringLiteral("real.png"));
        QImage(4, 4, QImage::Format_RGB32).save(strFile);
        CPersonInfoDlg page;
        page.m_strHtml = FromQString(QStringLiteral("<img src=\"%1\"><img src=\"file://%1\"><img src=\"held\">"
                                                    "<img src=\"http://127.0.0.1:9/x.png\">")
                                         .arg(strFile));
        page.SetImage(L"held", QImage(2, 2, QImage::Format_RGB32));
        WhileOpen(page, [&](CPersonInfoDlg& p) {
            p.Viewer()->grab();
            QTextDocument* pDocument = p.Viewer()->document();
            QVERIFY(pDocument->resource(QTextDocument::ImageResource, QUrl(strFile)).isNull());
            QVERIFY(pDocument->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(strFile)).isNull());
            QVERIFY(!pDocument->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("held"))).isNull());
        });
    }

    void setHtmlTwiceShowsTheSecondText()
    {
        CGenealogyApp app;
        CPersonInfoDlg page;
        page.m_strHtml = L"first";
        WhileOpen(page, [](CPersonInfoDlg& p) {
            p.SetHtml(L"<html><body>second</body></html>");
            QCOMPARE(p.Viewer()->toPlainText(), QStringLiteral("second"));
        });
    }

    // Notes are markup; a broken one must not cut the page short.
    void brokenMarkupStillShowsTheWholePage()
    {
        CGenealogyApp app;
        CPersonInfoDlg page;
        page.m_strHtml = L"Before</body></html>After <b>unclosed <i>and more";
        WhileOpen(page, [](CPersonInfoDlg& p) {
            const QString text = p.Viewer()->toPlainText();
            QVERIFY2(text.contains(QStringLiteral("Before")) && text.contains(QStringLiteral("After")) &&
                         text.contains(QStringLiteral("and more")),
                     qPrintable(text));
        });
    }

    // A note that opens a comment, a tag or ends the body early must not hide
    // the notes after it.
    void aBrokenNoteDoesNotHideTheRest()
    {
        CGenealogyApp app;
        auto pPerson = std::make_unique<CPerson>();
        pPerson->m_strName = L"Ann /Lee/";
        for (const wchar_t* pszNote : {L"one <!-- never closed", L"two </body></html> <b>open", L"three"})
            pPerson->m_notes.Append(std::make_unique<CNote>(pszNote));
        thePersons.Append(std::move(pPerson));
        CPersonInfoDlg page;
        page.m_nPerson = 0;
        WhileOpen(page, [](CPersonInfoDlg& p) {
            const QString text = p.Viewer()->toPlainText();
            QVERIFY2(text.contains(QStringLiteral("two")) && text.contains(QStringLiteral("three")), qPrintable(text));
        });
    }

    void aPersonPageKeepsOnlyTheRoadsOnward()
    {
        CGenealogyApp app;
        auto pPerson = std::make_unique<CPerson>();
        pPerson->m_strName = L"Ann /Lee/";
        thePersons.Append(std::move(pPerson));
        CRecordingLauncher launcher;
        CPersonInfoDlg page;
        page.m_nPerson = 0;
        WhileOpen(page, [](CPersonInfoDlg& p) {
            QCOMPARE(MenuCommands(p.MenuBar(), 0), (QList<int>{32772, 32771, 32786, 32808}));
            QVERIFY(TriggerCommand(p.MenuBar(), 32820));
            QVERIFY(p.Viewer()->toPlainText().contains(QStringLiteral("Ann")));
        });
        QCOMPARE(launcher.m_astrLines, (std::vector<std::wstring>{L"Stemmark.htm#info"}));
    }

    void aTextPageHasNoMenusAndNoHelp()
    {
        CGenealogyApp app;
        CRecordingLauncher launcher;
        CPersonInfoDlg page;
        page.m_strHtml = L"notes";
        WhileOpen(page, [](CPersonInfoDlg& p) {
            QVERIFY(p.MenuBar()->actions().isEmpty());
            p.RunCommand(32820);
        });
        QVERIFY(launcher.m_astrLines.empty());
    }
};

QTEST_MAIN(PersonInfoDlgTest)
#include "PersonInfoDlgTest.moc"
