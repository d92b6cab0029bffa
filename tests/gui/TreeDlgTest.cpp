#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/platform/Log.h"
#include "gui/app/GenealogyApp.h"
#include "gui/views/FamilyDlg.h"
#include "gui/views/PersonInfoDlg.h"
#include "gui/views/PersonListDlg.h"
#include "gui/views/TreeDlg.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>
#include <functional>
#include <sstream>

namespace {

// "info 3", "tree 3", "family 1", "list"
QString Describe(QWidget* pView)
{
    if (auto* pPage = qobject_cast<CPersonInfoDlg*>(pView))
        return QStringLiteral("info %1").arg(pPage->m_nPerson);
    if (auto* pTree = qobject_cast<CTreeDlg*>(pView))
        return QStringLiteral("tree %1").arg(pTree->m_nPerson);
    if (auto* pFamily = qobject_cast<CFamilyDlg*>(pView))
        return QStringLiteral("family %1").arg(pFamily->m_nPerson);
    return QStringLiteral("list");
}

/// Each time a view comes to the front (opened, or back after the one above
/// it closed), writes it down and hands it to the next step of the road.
class CRoad : public QObject {
public:
    using CStep = std::function<void(CViewDlg&)>;

    explicit CRoad(QList<CStep> steps) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* pFront = qobject_cast<CViewDlg*>(QApplication::activeModalWidget());
            if (!pFront || pFront == m_pLast)
                return;
            m_pLast = pFront;
            m_fronts << Describe(pFront);
            CStep step = m_steps.isEmpty() ? CStep([](CViewDlg& view) { view.reject(); }) : m_steps.takeFirst();
            QTimer::singleShot(0, pFront, [pFront, step] { step(*pFront); });
        });
        m_timer.start(5);
    }

    QStringList m_fronts;

private:
    QTimer m_timer;
    QList<CStep> m_steps;
    QPointer<CViewDlg> m_pLast;
};

std::string ReadLog()
{
    std::ifstream file(GetLogPath(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

/// Closes each information page that comes up and writes down its person.
class CPageCloser : public QObject {
public:
    CPageCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* pPage = qobject_cast<CPersonInfoDlg*>(QApplication::activeModalWidget())) {
                m_pages << pPage->m_nPerson;
                pPage->reject();
            }
        });
        m_timer.start(5);
    }

    QTimer m_timer;
    QList<int> m_pages;
};

QTreeWidget* TreeOf(CViewDlg& view)
{
    return view.findChild<QTreeWidget*>(QStringLiteral("tree"));
}

} // namespace

class TreeDlgTest : public QObject {
    Q_OBJECT
private slots:
    // 0 Zed, 1 his wife Una, their children 2 Bob and 3 Amy; 4 Kid, Bob's son.
    void init()
    {
        ClearTables();
        SetLanguage(L"En");
        AddTestPerson(L"@Z@", L"Zed /Oak/", L"", nullptr, L"", {L"@F1@"});
        AddTestPerson(L"@U@", L"Una /Elm/", L"", nullptr, L"", {L"@F1@"});
        AddTestPerson(L"@B@", L"Bob /Oak/", L"", nullptr, L"@F1@", {L"@F2@"});
        AddTestPerson(L"@A@", L"Amy /Oak/", L"", nullptr, L"@F1@");
        AddTestPerson(L"@K@", L"Kid /Oak/", L"", nullptr, L"@F2@");
        AddTestFamily(L"@F1@", L"@Z@", L"@U@", {L"@B@", L"@A@"});
        AddTestFamily(L"@F2@", L"@B@", L"", {L"@K@"});
    }
    void cleanup() { ClearTables(); }

    void aRoadThroughEveryKindOfViewClosesBackStepByStep()
    {
        CGenealogyApp app;
        const auto run = [](int nCommand) { return [nCommand](CViewDlg& view) { view.RunCommand(nCommand); }; };
        const auto close = [](CViewDlg& view) { view.reject(); };
        CRoad road({
            [](CViewDlg& view) { // the list: Bob, then Information
                auto* pList = view.findChild<QListView*>(QStringLiteral("persons"));
                for (int i = 0; i < pList->model()->rowCount(); ++i)
                    if (pList->model()->index(i, 0).data().toString().contains(QStringLiteral("Bob")))
                        pList->setCurrentIndex(pList->model()->index(i, 0));
                view.RunCommand(32804);
            },
            run(32772), // Bob's page: Ancestors
            [](CViewDlg& view) { // the tree: Una, then Information
                QTreeWidget* pTree = TreeOf(view);
                QTreeWidgetItem* pRoot = pTree->topLevelItem(0);
                QCOMPARE(pRoot->childCount(), 2);
                pTree->setCurrentItem(pRoot->child(0)); // "Elm Una" before "Oak Zed"
                view.RunCommand(32804);
            },
            run(32786), // Una's page: Own family
            [](CViewDlg& view) { // the family: Amy, then Child
                auto* pChildren = view.findChild<QTreeWidget*>(QStringLiteral("children"));
                pChildren->setCurrentItem(pChildren->findItems(QStringLiteral("Amy"), Qt::MatchContains, 2).value(0));
                view.RunCommand(32798);
            },
            close, // Amy's page
            close, // the family
            close, // Una's page
            run(32804), // the tree again: its selection still names Una
            close,
            close,
            close, // Bob's page
            close, // the list
        });
        CPersonListDlg list;
        list.RunModal();
        QCOMPARE(road.m_fronts, QStringList({"list", "info 2", "tree 2", "info 1", "family 1", "info 3", "family 1",
                                             "info 1", "tree 2", "info 1", "tree 2", "info 2", "list"}));
    }

    void opensWithTheCountAndTheRootOpenOneLevel()
    {
        CGenealogyApp app;
        CTreeDlg tree;
        tree.m_nPerson = 0;
        tree.m_nMode = Descendants;
        QStringList texts;
        QTimer::singleShot(0, &tree, [&] {
            QTreeWidgetItem* pRoot = tree.m_tree->topLevelItem(0);
            texts << tree.windowTitle() << tree.m_countEdit->text() << pRoot->text(0)
                  << QString::number(pRoot->isExpanded()) << pRoot->child(0)->text(0)
                  << QString::number(pRoot->child(1)->isExpanded());
            texts << MenuTitles(tree.MenuBar());
            // The count box reads as a text field, not as the dialog behind it.
            texts << QString::number(tree.m_countEdit->palette().color(QPalette::Base) ==
                                     tree.palette().color(QPalette::Base));
            for (const int nCommand : MenuCommands(tree.MenuBar(), 0))
                texts << QString::number(nCommand);
            tree.reject();
        });
        tree.RunModal();
        QCOMPARE(texts, QStringList({"Descendants", "Descendants (3 persons in total)", "Oak Zed", "1", "Oak Amy",
                                     "0", "View", "Row", "Help", "1", "32786", "32808", "32804"}));
    }

    // Descendants of Zed: row 0 Amy has no children, row 1 Bob has Kid.
    void enterAndDoubleClickOnAnItem_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<bool>("expanded");
        QTest::newRow("Enter on a leaf") << 0 << false << QList<int>{3} << false;
        QTest::newRow("Enter on a branch") << 1 << false << QList<int>{2} << false;
        QTest::newRow("double click on a leaf") << 0 << true << QList<int>{3} << false;
        QTest::newRow("double click on a branch") << 1 << true << QList<int>{} << true;
    }
    void enterAndDoubleClickOnAnItem()
    {
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QList<int>, pages);
        QFETCH(bool, expanded);
        CGenealogyApp app;
        CPageCloser closer;
        CTreeDlg tree;
        tree.m_nPerson = 0;
        tree.m_nMode = Descendants;
        bool bExpanded = false;
        QTimer::singleShot(0, &tree, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&tree));
            QTreeWidgetItem* pItem = tree.m_tree->topLevelItem(0)->child(row);
            tree.m_tree->setCurrentItem(pItem);
            const QPoint at = tree.m_tree->visualItemRect(pItem).center();
            if (doubleClick) { // a widget's double click comes after its first press
                QTest::mouseClick(tree.m_tree->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(tree.m_tree->viewport(), Qt::LeftButton, {}, at);
            } else
                QTest::keyClick(tree.m_tree, Qt::Key_Return);
            bExpanded = pItem->isExpanded();
            tree.reject();
        });
        tree.RunModal();
        QCOMPARE(closer.m_pages, pages);
        QCOMPARE(bExpanded, expanded);
    }

    // A long name two levels down can be scrolled to its end.
    void aDeepLongItemCanBeScrolledTo()
    {
        CGenealogyApp app;
        thePersons[4].m_strName = L"Kid /" + std::wstring(300, L'W') + L"/";
        CTreeDlg tree;
        tree.m_nPerson = 0;
        tree.m_nMode = Descendants;
        int nReach = 0;
        int nNeeded = 0;
        QTimer::singleShot(0, &tree, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&tree));
            tree.resize(360, 600);
            QTreeWidgetItem* pBob = tree.m_tree->topLevelItem(0)->child(1);
            tree.m_tree->expandItem(pBob);
            QTreeWidgetItem* pKid = pBob->child(0);
            QScrollBar* pBar = tree.m_tree->horizontalScrollBar();
            QTRY_VERIFY(pBar->maximum() > 0);
            nReach = pBar->maximum() + tree.m_tree->viewport()->width();
            nNeeded = tree.m_tree->visualItemRect(pKid).left() + pBar->value() +
                      tree.m_tree->fontMetrics().horizontalAdvance(pKid->text(0));
            tree.reject();
        });
        tree.RunModal();
        QVERIFY2(nReach >= nNeeded, qPrintable(QStringLiteral("%1 < %2").arg(nReach).arg(nNeeded)));
    }

    void tabGoesFromTheCountToTheTree()
    {
        CGenealogyApp app;
        CTreeDlg tree;
        tree.m_nPerson = 0;
        tree.m_nMode = Descendants;
        QStringList chain;
        QTimer::singleShot(0, &tree, [&] {
            chain = TabChain(tree.m_countEdit);
            tree.reject();
        });
        tree.RunModal();
        QCOMPARE(chain, (QStringList{"count", "tree"}));
    }

    void expandAndCollapseWithoutASelection()
    {
        CGenealogyApp app;
        Settings.LevForPatr = 2;
        QList<bool> states;
        for (const int nMode : {Descendants, Patriarchs}) {
            CTreeDlg tree;
            tree.m_nPerson = 0;
            tree.m_nMode = nMode;
            QTimer::singleShot(0, &tree, [&] {
                QTreeWidgetItem* pTop = tree.m_tree->topLevelItem(0);
                tree.m_tree->collapseItem(pTop);
                tree.RunCommand(32826);
                states << pTop->isExpanded();
                tree.m_tree->expandItem(pTop);
                tree.RunCommand(32826);
                tree.RunCommand(32827);
                states << pTop->isExpanded() << pTop->child(1)->isExpanded();
                tree.reject();
            });
            tree.RunModal();
        }
        Settings.LevForPatr = 3;
        // Descendants: Expand opens the whole tree, Collapse folds the root's
        // children and leaves the root open. Patriarchs: Expand needs a
        // selection, Collapse folds every patriarch.
        QCOMPARE(states, QList<bool>({true, true, false, false, false, false}));
    }

    // Bob's family lists three children the file does not hold.
    void missingIdsShowOneBoxAndGoOnInTheLog()
    {
        CGenealogyApp app;
        for (const wchar_t* pszMissing : {L"@X1@", L"@X2@", L"@X3@"})
            theFamilies[1].m_astrChildren.Append(pszMissing);
        QTemporaryDir state; // a log of the test's own
        qputenv("XDG_STATE_HOME", state.path().toUtf8());
        CRecordingSink sink;
        const std::string strBefore = ReadLog();
        CTreeDlg tree;
        tree.m_nPerson = 0;
        tree.m_nMode = Descendants;
        QTimer::singleShot(0, &tree, [&] { tree.reject(); });
        tree.RunModal();
        QCOMPARE(sink.m_astrTexts, std::vector<std::wstring>{L"Error: Negative person index"});
        // The run's separator falls before the first or the second line,
        // as the log had lines before or not.
        QString strAdded = QString::fromStdString(ReadLog().substr(strBefore.size()));
        strAdded.remove(QStringLiteral("--------\r\n"));
        QCOMPARE(strAdded, QStringLiteral("Error: Negative person index: @X2@\r\nError: Negative person index: @X3@\r\n"
                                          "Error: Negative person index: 2 more not shown, listed above\r\n"));
    }

    // Expand follows a line thousands of generations deep to its end, each
    // level costing the same however deep it lies.
    void expandReachesTheEndOfADeepLine()
    {
        CGenealogyApp app;
        ClearTables();
        const int nGenerations = 3000;
        std::vector<std::wstring> ids;
        for (int i = 0; i <= nGenerations; ++i)
            ids.push_back(L"@" + std::to_wstring(i) + L"@");
        for (int i = 0; i <= nGenerations; ++i) {
            const std::wstring strOwn = L"@F" + std::to_wstring(i) + L"@";
            const std::wstring strParents = L"@F" + std::to_wstring(i - 1) + L"@";
            CPerson& heir = AddTestPerson(ids[static_cast<std::size_t>(i)].c_str(), L"Heir //", L"", nullptr,
                                          i > 0 ? strParents.c_str() : L"");
            if (i < nGenerations) {
                heir.m_astrFams.Append(strOwn);
                AddTestFamily(strOwn.c_str(), ids[static_cast<std::size_t>(i)].c_str(), L"",
                              {ids[static_cast<std::size_t>(i) + 1].c_str()});
            }
        }
        CRecordingSink sink;
        CTreeDlg tree;
        tree.m_nPerson = 0;
        tree.m_nMode = Descendants;
        int nDepth = 0;
        QTimer::singleShot(0, &tree, [&] {
            tree.RunCommand(32826);
            for (QTreeWidgetItem* pItem = tree.m_tree->topLevelItem(0); pItem->childCount() > 0;
                 pItem = pItem->child(0))
                nDepth += pItem->isExpanded() ? 1 : 0;
            tree.reject();
        });
        tree.RunModal();
        QCOMPARE(sink.m_astrTexts, std::vector<std::wstring>{});
        QCOMPARE(nDepth, nGenerations);
    }
};

QTEST_MAIN(TreeDlgTest)
#include "TreeDlgTest.moc"
