#include "gui/views/TreeDlg.h"

#include "core/platform/Log.h"

#include "GuiTestSupport.h"

namespace {

/// The log of a file in `strFolder` as it stands, empty when there is none.
QByteArray LogText(const std::wstring& strFolder)
{
    QFile log(QString::fromStdString(GetLogPath(strFolder).string()));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

// Runs the tree of a mode for the first person with `fnWhileOpen` acting on its tree widget.
void RunTree(const CDocument& doc, int nMode, std::function<void(CTreeDlg&, QTreeWidget&)> fnWhileOpen)
{
    CTreeDlg tree(doc);
    tree.m_nPerson = 0;
    tree.m_nMode = nMode;
    RunWhileOpen<CTreeDlg>(tree,
                           [&](CTreeDlg& view) { fnWhileOpen(view, *Child<QTreeWidget>(view, "tree")); });
}

} // namespace

class TreeDlgTest : public QObject {
    Q_OBJECT
private slots:
    // 0 Zed, 1 his wife Una, their children 2 Bob and 3 Amy; 4 Kid, Bob's son.
    void init()
    {
        StartApp(m_app);
        m_pDoc = std::make_unique<CDocument>();
        CDocument& doc = *m_pDoc;
        AddTestPerson(doc, L"@Z@", L"Zed /Oak/", L"", nullptr, L"", {L"@F1@"});
        AddTestPerson(doc, L"@U@", L"Una /Elm/", L"", nullptr, L"", {L"@F1@"});
        AddTestPerson(doc, L"@B@", L"Bob /Oak/", L"", nullptr, L"@F1@", {L"@F2@"});
        AddTestPerson(doc, L"@A@", L"Amy /Oak/", L"", nullptr, L"@F1@");
        AddTestPerson(doc, L"@K@", L"Kid /Oak/", L"", nullptr, L"@F2@");
        AddFamily(doc, L"@F1@", L"@Z@", L"@U@", {L"@B@", L"@A@"});
        AddFamily(doc, L"@F2@", L"@B@", L"", {L"@K@"});
    }
    void cleanup() { m_app.reset(); }

    // The root opens one level; the menus offer the views of the selected
    // person, not further trees; the count reads as a field; the tree has the
    // focus, its root selected.
    void opensWithTheCountAndTheRootOpenOneLevel()
    {
        QStringList texts;
        RunTree(*m_pDoc, Descendants, [&](CTreeDlg& view, QTreeWidget& tree) {
            auto* pCount = Child<QLineEdit>(view, "count");
            QTreeWidgetItem* pRoot = tree.topLevelItem(0);
            texts << pCount->text() << QString::number(pRoot->isExpanded())
                  << QString::number(pRoot->child(1)->isExpanded());
            texts << QString::number(pCount->palette().color(QPalette::Base) ==
                                     view.palette().color(QPalette::Base));
            for (const int nCommand : MenuCommands(view.MenuBar(), 0))
                texts << QString::number(nCommand);
            texts << view.focusWidget()->objectName()
                  << QString::number(tree.currentItem() == pRoot && pRoot->isSelected()) << TabChain(pCount);
        });
        QCOMPARE(texts, QStringList({"Descendants (3 persons in total)", "1", "0", "1",
                                     QString::number(ID_VIEW_OWN_FAMILY), QString::number(ID_VIEW_PARENTS_FAMILY),
                                     QString::number(ID_VIEW_INFORMATION), "0", QString::number(ID_SET_HOME_PERSON),
                                     QString::number(ID_VIEW_RELATIONSHIP), QString::number(ID_VIEW_ANCESTOR_CHART),
                                     QString::number(ID_VIEW_DESCENDANT_CHART), "tree", "1", "count", "tree"}));
    }

    // Descendants of Zed: row 0 Amy has no children, row 1 Bob has Kid.
    void enterAndDoubleClickOnAnItem_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QStringList>("views");
        QTest::addColumn<bool>("expanded");
        QTest::newRow("Enter on a leaf") << 0 << false << QStringList{"info 3", "info 3"} << false;
        QTest::newRow("Enter on a branch") << 1 << false << QStringList{"info 2", "info 2"} << false;
        QTest::newRow("double click on a leaf") << 0 << true << QStringList{"info 3"} << false;
        QTest::newRow("double click on a branch") << 1 << true << QStringList{} << true;
    }
    void enterAndDoubleClickOnAnItem()
    {
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QStringList, views);
        QFETCH(bool, expanded);
        RunTree(*m_pDoc, Descendants, [&](CTreeDlg& view, QTreeWidget& tree) {
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            CViewRecorder recorder;
            QTreeWidgetItem* pItem = tree.topLevelItem(0)->child(row);
            tree.setCurrentItem(pItem);
            const QPoint at = tree.visualItemRect(pItem).center();
            if (doubleClick) { // a widget's double click comes after its first press
                QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
            } else { // the selection outlives the page it opened
                QTest::keyClick(&tree, Qt::Key_Return);
                QTest::keyClick(&tree, Qt::Key_Return);
            }
            QCOMPARE(pItem->isExpanded(), expanded);
            QCOMPARE(recorder.m_views, views);
        });
    }

    // A long name two levels down can be scrolled to its end.
    void aDeepLongItemCanBeScrolledTo()
    {
        m_pDoc->EditPerson(4).m_strName = m_pDoc->AddText(L"Kid /" + std::wstring(300, L'W') + L"/");
        RunTree(*m_pDoc, Descendants, [&](CTreeDlg& view, QTreeWidget& tree) {
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.resize(360, 600);
            QTreeWidgetItem* pBob = tree.topLevelItem(0)->child(1);
            tree.expandItem(pBob);
            QTreeWidgetItem* pKid = pBob->child(0);
            QScrollBar* pBar = tree.horizontalScrollBar();
            QTRY_VERIFY(pBar->maximum() > 0);
            const int nReach = pBar->maximum() + tree.viewport()->width();
            const int nNeeded = tree.visualItemRect(pKid).left() + pBar->value() +
                                tree.fontMetrics().horizontalAdvance(pKid->text(0));
            QVERIFY2(nReach >= nNeeded, qPrintable(QStringLiteral("%1 < %2").arg(nReach).arg(nNeeded)));
        });
    }

    void expandAndCollapseWithoutASelection()
    {
        Settings.LevForPatr = 2;
        QList<bool> states;
        for (const int nMode : {Descendants, Patriarchs}) {
            RunTree(*m_pDoc, nMode, [&](CTreeDlg& view, QTreeWidget& tree) {
                QTreeWidgetItem* pTop = tree.topLevelItem(0);
                tree.clearSelection();
                tree.collapseItem(pTop);
                view.RunCommand(ID_ROW_EXPAND);
                states << pTop->isExpanded();
                tree.expandItem(pTop);
                view.RunCommand(ID_ROW_EXPAND);
                view.RunCommand(ID_ROW_COLLAPSE);
                states << pTop->isExpanded() << pTop->child(1)->isExpanded();
            });
        }
        // Descendants: Expand opens the whole tree, Collapse folds the root's
        // children and leaves the root open. Patriarchs: Expand needs a
        // selection, Collapse folds every patriarch.
        QCOMPARE(states, QList<bool>({true, true, false, false, false, false}));
    }

    // Bob's family lists three children the file does not hold: the first
    // in a box, the rest in the log beside the file.
    void missingIdsShowOneBoxAndGoOnInTheLog()
    {
        for (const wchar_t* pszMissing : {L"@X1@", L"@X2@", L"@X3@"})
            m_pDoc->Append(m_pDoc->EditFamily(1).m_astrChildren, m_pDoc->AddText(pszMissing));
        QTemporaryDir folder; // the file's folder, and so its log's
        m_pDoc->SetFolder(FromQString(folder.path()) + L"/");
        CRecordingSink sink;
        RunTree(*m_pDoc, Descendants, [](CTreeDlg&, QTreeWidget&) {});
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(1));
        QCOMPARE(LogText(m_pDoc->GetFolder()).count("Error: Negative person index: "), 3);
        QCOMPARE(ToQString(sink.m_astrTexts[0]),
                 QStringLiteral("Error: Negative person index\n\n2 more of these were written to the log:\n%1")
                     .arg(folder.filePath(QStringLiteral("Stemmark.log"))));
    }

    // Expand follows a line thousands of generations deep to its end, each
    // level costing the same however deep it lies.
    void expandReachesTheEndOfADeepLine()
    {
        CDocument doc;
        const int nGenerations = 3000;
        const auto id = [](const wchar_t* pszKind, int i) { return pszKind + std::to_wstring(i) + L"@"; };
        for (int i = 0; i <= nGenerations; ++i) {
            const bool bParent = i < nGenerations;
            AddPerson(doc, {.m_strId = id(L"@", i),
                            .m_strName = L"Heir //",
                            .m_strFamc = i > 0 ? id(L"@F", i - 1) : L"",
                            .m_astrFams = bParent ? std::vector{id(L"@F", i)} : std::vector<std::wstring>{}});
            if (bParent)
                AddFamily(doc, id(L"@F", i), id(L"@", i), L"", {id(L"@", i + 1).c_str()});
        }
        CRecordingSink sink;
        int nDepth = 0;
        RunTree(doc, Descendants, [&](CTreeDlg& view, QTreeWidget& tree) {
            view.RunCommand(ID_ROW_EXPAND);
            for (QTreeWidgetItem* pItem = tree.topLevelItem(0); pItem->childCount() > 0;
                 pItem = pItem->child(0))
                nDepth += pItem->isExpanded() ? 1 : 0;
        });
        QCOMPARE(sink.m_astrTexts, std::vector<std::wstring>{});
        QCOMPARE(nDepth, nGenerations);
    }

private:
    std::optional<CGenealogyApp> m_app;
    std::unique_ptr<CDocument> m_pDoc;
};

QTEST_MAIN(TreeDlgTest)
#include "TreeDlgTest.moc"
