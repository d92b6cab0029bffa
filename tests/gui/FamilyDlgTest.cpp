#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "gui/app/GenealogyApp.h"
#include "gui/views/FamilyDlg.h"
#include "gui/views/Navigation.h"
#include "gui/views/PersonInfoDlg.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

/// Closes every view that opens while it lives and records what it was:
/// the person of an information page, or the person of a family view.
class CViewWatcher : public QObject {
public:
    CViewWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* pModal = QApplication::activeModalWidget();
            if (auto* pPage = qobject_cast<CPersonInfoDlg*>(pModal)) {
                m_pages << pPage->m_nPerson;
                pPage->reject();
            } else if (auto* pFamily = qobject_cast<CFamilyDlg*>(pModal); pFamily && pFamily != m_pKeep) {
                m_families << pFamily->m_nPerson;
                pFamily->reject();
            }
        });
        m_timer.start(5);
    }

    QTimer m_timer;
    QList<int> m_pages;
    QList<int> m_families;
    CFamilyDlg* m_pKeep = nullptr; ///< the view under test, left open
};

QStringList Column(const QTreeWidget* pList, int nColumn)
{
    QStringList texts;
    for (int i = 0; i < pList->topLevelItemCount(); ++i)
        texts << pList->topLevelItem(i)->text(nColumn);
    return texts;
}

} // namespace

class FamilyDlgTest : public QObject {
    Q_OBJECT
private slots:
    // 0 the man, 1-2 his wives, 3-5 children, 6 a mother alone, 7 her child.
    void init()
    {
        ClearTables();
        SetLanguage(L"En");
        AddTestPerson(L"@H@", L"Tom /Hill/", L"M", L"1860", L"", {L"@F1@", L"@F2@"});
        AddTestPerson(L"@W1@", L"Ann /Bell/", L"F", nullptr, L"", {L"@F1@"});
        AddTestPerson(L"@W2@", L"Eve /Cole/", L"F", nullptr, L"", {L"@F2@"});
        AddTestPerson(L"@C1@", L"Bob /Hill/", L"M", L"1900", L"@F1@");
        AddTestPerson(L"@C2@", L"Amy /Hill/", L"F", nullptr, L"@F1@");
        AddTestPerson(L"@C3@", L"Cid /Hill/", L"M", L"1890", L"@F2@");
        AddTestPerson(L"@MUM@", L"Sue /Lane/", L"F", nullptr, L"", {L"@F3@"});
        AddTestPerson(L"@KID@", L"Max /Lane/", L"M", nullptr, L"@F3@");
        AddTestFamily(L"@F1@", L"@H@", L"@W1@", {L"@C1@", L"@C2@"});
        AddTestFamily(L"@F2@", L"@H@", L"@W2@", {L"@C3@"});
        AddTestFamily(L"@F3@", L"", L"@MUM@", {L"@KID@"});
    }
    void cleanup() { ClearTables(); }

    void headerTapsSortAsTheyShould()
    {
        CGenealogyApp app;
        QList<QStringList> orders;
        CFamilyDlg family;
        family.m_nPerson = 0;
        QTimer::singleShot(0, &family, [&] {
            orders << Column(family.m_childList, 1);
            family.SortByColumn(1);
            orders << Column(family.m_childList, 1);
            family.SortByColumn(2);
            orders << Column(family.m_childList, 2);
            family.reject();
        });
        family.RunModal();
        QCOMPARE(orders.size(), 3);
        // Undated first, ascending on opening; the first tap on Birthdate sorts
        // descending, the first on Children Names ascending.
        QCOMPARE(orders[0].first(), QString());
        QVERIFY(orders[0][1] < orders[0][2]);
        QCOMPARE(orders[1].last(), QString());
        QVERIFY(orders[2][0] < orders[2][1] && orders[2][1] < orders[2][2]);
    }

    // Tom's children: Bob (3, born 1900), Amy (4, undated), Cid (5, born 1890).
    void aHeaderClickKeepsTheChildAndShowsTheOrder_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("indicator");
        QTest::addColumn<int>("order");
        QTest::newRow("names") << 2 << 2 << int(Qt::AscendingOrder);
        QTest::newRow("birth dates") << 1 << 1 << int(Qt::DescendingOrder);
        QTest::newRow("the picture column sorts nothing") << 0 << 1 << int(Qt::AscendingOrder);
    }
    void aHeaderClickKeepsTheChildAndShowsTheOrder()
    {
        QFETCH(int, column);
        QFETCH(int, indicator);
        QFETCH(int, order);
        CGenealogyApp app;
        CRecordingSink sink;
        CViewWatcher watcher;
        CFamilyDlg family;
        watcher.m_pKeep = &family;
        family.m_nPerson = 0;
        QString strSelected;
        int nIndicator = -1;
        int nOrder = -1;
        QTimer::singleShot(0, &family, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&family));
            QTreeWidget* pList = family.m_childList;
            pList->setCurrentItem(pList->findItems(QStringLiteral("Bob"), Qt::MatchContains, 2).value(0));
            QHeaderView* pHeader = pList->header();
            const QPoint at(pHeader->sectionViewportPosition(column) + pHeader->sectionSize(column) / 2,
                            pHeader->height() / 2);
            QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, {}, at);
            strSelected = pList->selectedItems().value(0) ? pList->selectedItems().value(0)->text(2) : QString();
            nIndicator = pHeader->sortIndicatorSection();
            nOrder = int(pHeader->sortIndicatorOrder());
            family.RunCommand(32798);
            family.reject();
        });
        family.RunModal();
        QVERIFY2(strSelected.contains(QStringLiteral("Bob")), qPrintable(strSelected));
        QCOMPARE(nIndicator, indicator);
        QCOMPARE(nOrder, order);
        QCOMPARE(watcher.m_pages, (QList<int>{3}));
    }

    void tabGoesThroughTheBoxesAndTheChildren()
    {
        CGenealogyApp app;
        CFamilyDlg family;
        family.m_nPerson = 0;
        QStringList chain;
        QTimer::singleShot(0, &family, [&] {
            chain = TabChain(family.m_husbandBox);
            family.reject();
        });
        family.RunModal();
        QCOMPARE(chain, (QStringList{"husbandBox", "wifeBox", "children"}));
    }

    void childWithoutASelectionWarns()
    {
        CGenealogyApp app;
        CRecordingSink sink;
        CFamilyDlg family;
        family.m_nPerson = 0;
        QTimer::singleShot(0, &family, [&] {
            family.RunCommand(32798);
            family.reject();
        });
        family.RunModal();
        QCOMPARE(sink.m_astrTexts, (std::vector<std::wstring>{L"Please select a person"}));
    }

    void enterOnAChildOpensItsPage()
    {
        CGenealogyApp app;
        CViewWatcher watcher;
        CFamilyDlg family;
        watcher.m_pKeep = &family;
        family.m_nPerson = 0;
        QTimer::singleShot(0, &family, [&] {
            QTreeWidgetItem* pBob = family.m_childList->findItems(QStringLiteral("Bob"), Qt::MatchContains, 2).value(0);
            family.m_childList->setCurrentItem(pBob);
            QTest::keyClick(family.m_childList, Qt::Key_Enter);
            family.reject();
        });
        family.RunModal();
        QCOMPARE(watcher.m_pages, (QList<int>{3}));
    }

    void wifeOpensEachWifeInTurnAndHusbandHimself()
    {
        CGenealogyApp app;
        CViewWatcher watcher;
        CFamilyDlg family;
        watcher.m_pKeep = &family;
        family.m_nPerson = 0;
        QTimer::singleShot(0, &family, [&] {
            family.RunCommand(32797);
            family.RunCommand(32796);
            family.reject();
        });
        family.RunModal();
        QCOMPARE(watcher.m_pages, (QList<int>{1, 2, 0}));
    }

    void livingBoxesOnTheFieldColourDeceasedOnTheDialogColour()
    {
        CGenealogyApp app;
        thePersons[0].m_death.Edit().m_bPresent = true;
        QList<QColor> colours;
        QColor crField;
        QColor crDialog;
        for (int nPerson : {1, 0}) {
            CFamilyDlg family;
            family.m_nPerson = nPerson;
            QTimer::singleShot(0, &family, [&] {
                crField = family.palette().color(QPalette::Base);
                crDialog = family.palette().color(QPalette::Window);
                colours << family.m_husbandBox->palette().color(QPalette::Base)
                        << family.m_wifeBox->palette().color(QPalette::Base);
                family.reject();
            });
            family.RunModal();
        }
        QVERIFY(crField != crDialog);
        // Ann is living and her husband is not; Tom's wives are both living.
        QCOMPARE(colours, (QList<QColor>{crDialog, crField, crDialog, crField}));
    }

    void parentsFamilyOfAMotherlessFatherOpensTheMothersFamily()
    {
        CGenealogyApp app;
        CViewWatcher watcher;
        OpenParentsFamily(7);
        QCOMPARE(watcher.m_families, (QList<int>{6}));
    }
};

QTEST_MAIN(FamilyDlgTest)
#include "FamilyDlgTest.moc"
