#include "gui/views/ViewDlg.h"

#include "gui/options/OptionsSheet.h"
#include "gui/views/Navigation.h"
#include "gui/views/PersonListDlg.h"
#include "gui/views/RelationshipDlg.h"
#include "gui/views/SearchDlg.h"

#include "GuiTestSupport.h"

namespace {

// A view with the Help menu and a topic of its own.
class CTestView : public CViewDlg {
public:
    explicit CTestView(std::wstring strKind = {}) : CViewDlg(EmptyDocument()), m_strKind(std::move(strKind))
    {
    }

    QRect m_atInit; ///< where the view stood while it was filled

protected:
    bool OnInitDialog() override
    {
        m_atInit = geometry();
        CViewDlg::OnInitDialog();
        AddMenus({IDM_HELP});
        return true;
    }
    std::wstring GetHelpTopic() const override { return L"family"; }
    std::wstring GetPlaceKind() const override { return m_strKind; }

private:
    std::wstring m_strKind;
};

void RunRelationship(const CDocument& doc, int nA, int nB)
{
    CRelationshipDlg view(doc);
    view.m_nA = nA;
    view.m_nB = nB;
    view.RunModal();
}

} // namespace

class ViewDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init() { StartApp(m_app); }
    void cleanup() { m_app.reset(); }

    // Frame -> outer view -> inner view: minimising the inner view takes
    // the whole program away and closes nothing; bringing the frame back
    // brings every view back, the maximised one still maximised.
    void minimisingAViewMinimisesTheProgramAndClosesNothing()
    {
        CMainFrame frame;
        frame.show();
        theTopWindow = &frame;
        QList<bool> seen;
        CTestView outer;
        CTestView inner;
        const auto minimiseInner = [&](CTestView& innerView) {
            innerView.setWindowState(Qt::WindowMinimized);
            QTest::qWait(400); // the window system's reports settle
            seen << frame.isMinimized() << outer.isMinimized() << innerView.isVisible();
            frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
            QTest::qWait(400);
            seen << innerView.isMinimized() << outer.isMinimized() << outer.isMaximized();
            innerView.accept();
        };
        const int nOuter = RunWhileOpen<CTestView>(outer, [&](CTestView& view) {
            view.showMaximized();
            seen << (RunWhileOpen<CTestView>(inner, minimiseInner) == QDialog::Accepted);
            view.accept();
        });
        QCOMPARE(nOuter, int(QDialog::Accepted));
        QCOMPARE(seen, (QList<bool>{true, true, true, false, false, true, true}));
        QCOMPARE(theTopWindow, static_cast<QWidget*>(&frame));
    }

    // A view opens where the last view of its kind closed; another kind
    // opens over the window in front, at its size. It stands there already
    // while it is filled, for the boxes raised then.
    void aViewOpensWhereTheLastOfItsKindClosed()
    {
        CMemorySettingsStore store;
        SetSettingsStore(&store);
        CMainFrame frame;
        frame.resize(333, 555);
        frame.show();
        theTopWindow = &frame;
        const QRect placed(40, 50, 420, 310);
        CTestView first(L"List");
        RunWhileOpen<CTestView>(first, [&](CTestView& v) { v.setGeometry(placed); });
        QVERIFY(store.m_values.count(L"ListPlace") == 1);
        QRect seen;
        CTestView second(L"List");
        RunWhileOpen<CTestView>(second, [&](CTestView& v) { seen = v.geometry(); });
        QCOMPARE(seen, placed);
        QCOMPARE(second.m_atInit, placed);
        CTestView other(L"Tree");
        RunWhileOpen<CTestView>(other, [&](CTestView& v) { seen = v.geometry(); });
        QCOMPARE(seen.size(), frame.size());
        QCOMPARE(other.m_atInit.size(), frame.size());
    }

    // Help Topic and F1 open the view's topic; F10 opens its first menu;
    // Escape closes the view.
    void helpTopicF1F10AndEscape()
    {
        CRecordingLauncher launcher;
        bool bMenuOpened = false;
        bool bOpen = true;
        CTestView view;
        RunWhileOpen<CTestView>(view, [&](CTestView& v) {
            QVERIFY(TriggerCommand(v.MenuBar(), ID_HELP_TOPIC));
            v.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&v));
            QTest::keyClick(&v, Qt::Key_F1);
            QTest::keyClick(&v, Qt::Key_F10);
            QMenu* pMenu = v.MenuBar()->actions().at(0)->menu();
            QTRY_VERIFY(pMenu->isVisible());
            bMenuOpened = true;
            pMenu->close();
            QTest::keyClick(&v, Qt::Key_Escape);
            bOpen = v.isVisible();
        });
        QCOMPARE(launcher.m_astrLines,
                 (std::vector<std::wstring>{L"Stemmark.htm#family", L"Stemmark.htm#family"}));
        QVERIFY(bMenuOpened);
        QVERIFY(!bOpen);
    }

    // F1 opens the topic of the window in front, whatever it is: every view,
    // a report page, and the options sheet with either page in front.
    void f1OpensTheTopicOfEveryWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("topic");
        const std::pair<const char*, const char*> rows[] = {
            {"info", "info"},         {"list", "selperson"},      {"ancestors", "ancest"},
            {"search", "search"},     {"family", "family"},       {"report", "contacts"},
            {"options 0", "option_gen"}, {"options 1", "option_dspl"}, {"relationship", "relationship"}, {"chart", "chart"}};
        for (const auto& [pszWindow, pszTopic] : rows)
            QTest::newRow(pszWindow) << pszWindow << QStringLiteral("Stemmark.htm#%1").arg(pszTopic);
    }
    void f1OpensTheTopicOfEveryWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, topic);
        CDocument doc;
        AddTestPerson(doc, L"@H@", L"Tom /Hill/", L"M", nullptr, L"", {L"@F1@"});
        AddTestPerson(doc, L"@C@", L"Bob /Hill/", L"M", nullptr, L"@F1@");
        AddFamily(doc, L"@F1@", L"@H@", L"", {L"@C@"});
        CRecordingLauncher launcher;
        AnswerNextModal([&](QDialog& dialog) {
            if (auto* pTabs = dialog.findChild<QTabWidget*>())
                pTabs->setCurrentIndex(window.back().digitValue());
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(&dialog, Qt::Key_F1);
        });
        if (window == QLatin1String("info"))
            OpenInfoView(doc, 0);
        else if (window == QLatin1String("ancestors"))
            OpenTreeView(doc, 1, Ancestors);
        else if (window == QLatin1String("family"))
            OpenFamilyView(doc, 0);
        else if (window == QLatin1String("report"))
            m_app->m_fnShowReport(L"Contacts", L"Ann");
        else if (window.startsWith(QLatin1String("options")))
            COptionsSheet().exec();
        else if (window == QLatin1String("chart"))
            OpenChart(doc, 1, 0);
        else if (window == QLatin1String("relationship"))
            RunRelationship(doc, 0, 1);
        else if (window == QLatin1String("search"))
            CSearchDlg(doc).RunModal();
        else
            CPersonListDlg(doc).RunModal();
        QCOMPARE(launcher.m_astrLines, std::vector<std::wstring>{topic.toStdWString()});
    }

private:
    std::optional<CGenealogyApp> m_app;
};

QTEST_MAIN(ViewDlgTest)
#include "ViewDlgTest.moc"
