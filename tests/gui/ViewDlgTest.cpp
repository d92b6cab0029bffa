#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/platform/SettingsStore.h"
#include "gui/app/GenealogyApp.h"
#include "gui/app/MainFrame.h"
#include "gui/views/ViewDlg.h"

#include "GuiTestSupport.h"

#include <QtTest>

namespace {

// A view with the Help menu and a topic of its own.
class CTestView : public CViewDlg {
public:
    using CViewDlg::CViewDlg;
    std::function<void(CTestView&)> m_fnWhileOpen;
    std::wstring m_strKind;

protected:
    bool OnInitDialog() override
    {
        CViewDlg::OnInitDialog();
        AddMenus({IDM_HELP});
        if (m_fnWhileOpen)
            QTimer::singleShot(0, this, [this] { m_fnWhileOpen(*this); });
        return true;
    }
    std::wstring GetHelpTopic() const override { return L"family"; }
    std::wstring GetPlaceKind() const override { return m_strKind; }
};

} // namespace

class ViewDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(L"En"); }

    // Frame -> outer view -> inner view: minimising the inner view takes
    // the whole program away and closes nothing; bringing the frame back
    // brings every view back, the maximised one still maximised.
    void minimisingAViewMinimisesTheProgramAndClosesNothing()
    {
        CGenealogyApp app;
        CMainFrame frame;
        frame.show();
        theTopWindow = &frame;
        QList<bool> seen;
        CTestView outer;
        outer.m_fnWhileOpen = [&](CTestView& view) {
            view.showMaximized();
            CTestView inner;
            inner.m_fnWhileOpen = [&](CTestView& innerView) {
                innerView.setWindowState(Qt::WindowMinimized);
                QTest::qWait(400); // the window system's reports settle
                seen << frame.isMinimized() << view.isMinimized() << innerView.isVisible();
                frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
                QTest::qWait(400);
                seen << innerView.isMinimized() << view.isMinimized() << view.isMaximized();
                innerView.accept();
            };
            seen << (inner.RunModal() == QDialog::Accepted);
            view.accept();
        };
        QCOMPARE(outer.RunModal(), int(QDialog::Accepted));
        QCOMPARE(seen, (QList<bool>{true, true, true, false, false, true, true}));
        QCOMPARE(theTopWindow, static_cast<QWidget*>(&frame));
    }

    void aViewOpensAtTheSizeOfTheWindowInFront()
    {
        CGenealogyApp app;
        CMainFrame frame;
        frame.resize(333, 555);
        frame.show();
        theTopWindow = &frame;
        QSize seen;
        CTestView view;
        view.m_fnWhileOpen = [&](CTestView& v) {
            seen = v.size();
            v.reject();
        };
        view.RunModal();
        QCOMPARE(seen, frame.size());
    }

    // A view opens where the last view of its kind closed; another kind
    // still opens over the window in front.
    void aViewOpensWhereTheLastOfItsKindClosed()
    {
        CGenealogyApp app;
        CMemorySettingsStore store;
        SetSettingsStore(&store);
        CMainFrame frame;
        frame.resize(333, 555);
        frame.show();
        theTopWindow = &frame;
        const QRect placed(40, 50, 420, 310);
        CTestView first;
        first.m_strKind = L"List";
        first.m_fnWhileOpen = [&](CTestView& v) {
            v.setGeometry(placed);
            v.reject();
        };
        first.RunModal();
        QVERIFY(store.m_values.count(L"ListPlace") == 1);

        QRect seen;
        QSize seenOther;
        CTestView second;
        second.m_strKind = L"List";
        second.m_fnWhileOpen = [&](CTestView& v) {
            seen = v.geometry();
            v.reject();
        };
        second.RunModal();
        CTestView other;
        other.m_strKind = L"Tree";
        other.m_fnWhileOpen = [&](CTestView& v) {
            seenOther = v.size();
            v.reject();
        };
        other.RunModal();
        QCOMPARE(seen, placed);
        QCOMPARE(seenOther, frame.size());
    }

    void escapeClosesAView()
    {
        CGenealogyApp app;
        CTestView view;
        view.m_fnWhileOpen = [](CTestView& v) { QTest::keyClick(&v, Qt::Key_Escape); };
        QCOMPARE(view.RunModal(), int(QDialog::Rejected));
    }

    void helpTopicAndF1OpenTheViewsTopic()
    {
        CGenealogyApp app;
        CRecordingLauncher launcher;
        CTestView view;
        view.m_fnWhileOpen = [](CTestView& v) {
            QVERIFY(TriggerCommand(v.MenuBar(), 32820));
            v.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&v));
            QTest::keyClick(&v, Qt::Key_F1);
            v.reject();
        };
        view.RunModal();
        QCOMPARE(launcher.m_astrLines, (std::vector<std::wstring>{L"Stemmark.htm#family", L"Stemmark.htm#family"}));
    }

    void f10OpensTheViewsFirstMenu()
    {
        CGenealogyApp app;
        bool bOpened = false;
        CTestView view;
        view.m_fnWhileOpen = [&](CTestView& v) {
            v.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&v));
            QTest::keyClick(&v, Qt::Key_F10);
            QMenu* pMenu = v.MenuBar()->actions().at(0)->menu();
            QTRY_VERIFY(pMenu->isVisible());
            bOpened = true;
            pMenu->close();
            v.reject();
        };
        view.RunModal();
        QVERIFY(bOpened);
    }
};

QTEST_MAIN(ViewDlgTest)
#include "ViewDlgTest.moc"
