#include "gui/views/FamilyDlg.h"

#include "GuiTestSupport.h"

namespace {

QStringList Column(const QTreeWidget* pList, int nColumn)
{
    QStringList texts;
    for (int i = 0; i < pList->topLevelItemCount(); ++i)
        texts << pList->topLevelItem(i)->text(nColumn);
    return texts;
}

void SelectChild(QTreeWidget* pList, const QString& strName)
{
    pList->setCurrentItem(pList->findItems(strName, Qt::MatchContains, 2).value(0));
}

// Runs Tom's family view with `fnWhileOpen`, and gives the views it opened.
QStringList RunTomsFamily(const CDocument& doc, std::function<void(CFamilyDlg&)> fnWhileOpen)
{
    QStringList views;
    CFamilyDlg family(doc);
    family.m_nPerson = 0;
    RunWhileOpen<CFamilyDlg>(family, [&](CFamilyDlg& view) {
        CViewRecorder recorder;
        fnWhileOpen(view);
        views = recorder.m_views;
    });
    return views;
}

} // namespace

class FamilyDlgTest : public QObject {
    Q_OBJECT
private slots:
    // 0 the man, 1-2 his wives, 3-5 children.
    void init()
    {
        StartApp(m_app);
        m_pDoc = std::make_unique<CDocument>();
        CDocument& doc = *m_pDoc;
        AddTestPerson(doc, L"@H@", L"Tom /Hill/", L"M", L"1860", L"", {L"@F1@", L"@F2@"});
        AddTestPerson(doc, L"@W1@", L"Ann /Bell/", L"F", nullptr, L"", {L"@F1@"});
        AddTestPerson(doc, L"@W2@", L"Eve /Cole/", L"F", nullptr, L"", {L"@F2@"});
        AddTestPerson(doc, L"@C1@", L"Bob /Hill/", L"M", L"1900", L"@F1@");
        AddTestPerson(doc, L"@C2@", L"Amy /Hill/", L"F", nullptr, L"@F1@");
        AddTestPerson(doc, L"@C3@", L"Cid /Hill/", L"M", L"1890", L"@F2@");
        AddFamily(doc, L"@F1@", L"@H@", L"@W1@", {L"@C1@", L"@C2@"});
        AddFamily(doc, L"@F2@", L"@H@", L"@W2@", {L"@C3@"});
    }
    void cleanup() { m_app.reset(); }

    // Tom's children: Bob (3, born 1900), Amy (4, undated), Cid (5, born 1890),
    // opening undated first by birth date. The first click on Birthdate sorts
    // descending, on Children Names ascending; the rows follow the arrow.
    void aHeaderClickKeepsTheChildAndShowsTheOrder_data()
    {
        QTest::addColumn<int>("column"); // below 0: the menu item of that column, from the keyboard
        QTest::addColumn<int>("indicator");
        QTest::addColumn<int>("order");
        QTest::newRow("names") << 2 << 2 << int(Qt::AscendingOrder);
        QTest::newRow("birth dates") << 1 << 1 << int(Qt::DescendingOrder);
        QTest::newRow("the picture column sorts nothing") << 0 << 1 << int(Qt::AscendingOrder);
        QTest::newRow("Sort by Name") << -2 << 2 << int(Qt::AscendingOrder);
        QTest::newRow("Sort by Birth Date") << -1 << 1 << int(Qt::DescendingOrder);
    }
    void aHeaderClickKeepsTheChildAndShowsTheOrder()
    {
        QFETCH(int, column);
        QFETCH(int, indicator);
        QFETCH(int, order);
        CRecordingSink sink;
        const QStringList views = RunTomsFamily(*m_pDoc, [&](CFamilyDlg& family) {
            QVERIFY(QTest::qWaitForWindowExposed(&family));
            auto* pList = Child<QTreeWidget>(family, "children");
            SelectChild(pList, QStringLiteral("Bob"));
            QHeaderView* pHeader = pList->header();
            const QPoint at(pHeader->sectionViewportPosition(column) + pHeader->sectionSize(column) / 2,
                            pHeader->height() / 2);
            if (column >= 0) {
                QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, {}, at);
            } else { // Alt+I, then the item's letter
                const QAction* pInfo = family.MenuBar()->actions().at(0);
                QTest::keyClick(&family, Qt::Key_I, Qt::AltModifier);
                QTRY_VERIFY(pInfo->menu()->isVisible());
                const QAction* pItem = nullptr;
                for (const QAction* pAction : pInfo->menu()->actions())
                    if (CommandOf(pAction) == (column == -1 ? ID_SORT_BY_BIRTH_DATE : ID_SORT_BY_NAME))
                        pItem = pAction;
                QVERIFY(pItem);
                const QKeyCombination letter = QKeySequence::mnemonic(pItem->text())[0];
                QTest::keyClick(pInfo->menu(), letter.key());
                QTRY_VERIFY(!pInfo->menu()->isVisible());
            }
            QCOMPARE(pHeader->sortIndicatorSection(), indicator);
            QCOMPARE(int(pHeader->sortIndicatorOrder()), order);
            QStringList sorted = Column(pList, indicator);
            std::sort(sorted.begin(), sorted.end());
            if (order == Qt::DescendingOrder)
                std::reverse(sorted.begin(), sorted.end());
            QCOMPARE(Column(pList, indicator), sorted);
            family.RunCommand(ID_INFO_CHILD);
        });
        QCOMPARE(views, QStringList{"info 3"});
    }

    // The child's page opens on Enter and on Child; Wife opens each wife in
    // turn, Husband the man himself; Child without a selection only warns.
    void theChildAndSpouseCommandsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("child");
        QTest::addColumn<QList<int>>("commands"); // 0 presses Enter
        QTest::addColumn<QStringList>("views");
        QTest::addColumn<int>("warnings");
        QTest::newRow("Enter") << "Bob" << QList<int>{0} << QStringList{"info 3"} << 0;
        QTest::newRow("spouses") << "" << QList<int>{ID_INFO_WIFE, ID_INFO_HUSBAND}
                                 << QStringList{"info 1", "info 2", "info 0"} << 0;
        QTest::newRow("no child selected") << "" << QList<int>{ID_INFO_CHILD} << QStringList{} << 1;
    }
    void theChildAndSpouseCommandsOpenTheirPages()
    {
        QFETCH(QString, child);
        QFETCH(QList<int>, commands);
        QFETCH(QStringList, views);
        QFETCH(int, warnings);
        CRecordingSink sink;
        const QStringList seen = RunTomsFamily(*m_pDoc, [&](CFamilyDlg& family) {
            auto* pList = Child<QTreeWidget>(family, "children");
            if (child.isEmpty())
                pList->clearSelection();
            else
                SelectChild(pList, child);
            for (const int nCommand : commands) {
                if (nCommand == 0)
                    QTest::keyClick(pList, Qt::Key_Enter);
                else
                    family.RunCommand(nCommand);
            }
        });
        QCOMPARE(seen, views);
        QCOMPARE(sink.m_astrTexts,
                 std::vector<std::wstring>(std::size_t(warnings), L"Please select a person"));
    }

    void tabGoesThroughTheBoxesAndTheChildren()
    {
        QStringList chain;
        RunTomsFamily(*m_pDoc,
                      [&](CFamilyDlg& family) { chain = TabChain(Child<QWidget>(family, "husbandBox")); });
        QCOMPARE(chain, (QStringList{"husbandBox", "wifeBox", "children"}));
    }

    // The children have the focus, the first of them selected.
    void opensOnTheFirstChild()
    {
        QString focused;
        RunTomsFamily(*m_pDoc, [&](CFamilyDlg& family) {
            auto* pList = Child<QTreeWidget>(family, "children");
            if (family.focusWidget() == pList && pList->selectedItems() == QList{pList->topLevelItem(0)})
                focused = pList->currentItem()->text(2);
        });
        QVERIFY(!focused.isEmpty());
    }

    void livingBoxesOnTheFieldColourDeceasedOnTheDialogColour()
    {
        m_pDoc->Edit(m_pDoc->EditPerson(0).m_death).m_bPresent = true;
        QList<QColor> colours;
        QColor crField;
        QColor crDialog;
        for (int nPerson : {1, 0}) {
            CFamilyDlg family(*m_pDoc);
            family.m_nPerson = nPerson;
            RunWhileOpen<CFamilyDlg>(family, [&](CFamilyDlg& view) {
                crField = view.palette().color(QPalette::Base);
                crDialog = view.palette().color(QPalette::Window);
                for (const char* pszBox : {"husbandBox", "wifeBox"})
                    colours << Child<QWidget>(view, pszBox)->palette().color(QPalette::Base);
            });
        }
        QVERIFY(crField != crDialog);
        // Ann is living and her husband is not; Tom's wives are both living.
        QCOMPARE(colours, (QList<QColor>{crDialog, crField, crDialog, crField}));
    }

private:
    std::optional<CGenealogyApp> m_app;
    std::unique_ptr<CDocument> m_pDoc;
};

QTEST_MAIN(FamilyDlgTest)
#include "FamilyDlgTest.moc"
