#include "gui/views/PersonListDlg.h"

#include "core/options/HomePerson.h"
#include "gui/views/SearchDlg.h"

#include "GuiTestSupport.h"

namespace {

QStringList Rows(const QDialog& list)
{
    const QAbstractItemModel* pModel = Child<QListView>(list, "persons")->model();
    QStringList rows;
    for (int i = 0; i < pModel->rowCount(); ++i)
        rows << pModel->index(i, 0).data().toString();
    return rows;
}

void SetText(const QDialog& form, const char* pszName, const QString& strText)
{
    Child<QLineEdit>(form, pszName)->setText(strText);
}

} // namespace

class PersonListDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init() { StartApp(m_app); }
    void cleanup() { m_app.reset(); }

    // The rows come in the builder's order; the first is current and
    // selected, and the list has the focus, so Enter acts on what is marked.
    void opensWithTheFirstRowSelectedAndFocused()
    {
        CDocument doc;
        for (const wchar_t* pszName : {L"Zoe /Stone/", L"Adam /Brook/"})
            AddTestPerson(doc, L"", pszName, L"");
        CPersonListDlg list(doc);
        RunWhileOpen<CPersonListDlg>(list, [](CPersonListDlg& view) {
            QVERIFY(Rows(view).value(0).startsWith(QStringLiteral("Brook")));
            auto* pList = Child<QListView>(view, "persons");
            QCOMPARE(pList->selectionModel()->selectedIndexes(), QModelIndexList{pList->currentIndex()});
            QCOMPARE(pList->currentIndex().row(), 0);
            QCOMPARE(view.focusWidget(), pList);
            QCOMPARE(Child<QLineEdit>(view, "caption")->text(),
                     QStringLiteral("Select person (2 persons in total)"));
        });
    }

    // Information opens the current entry's page, and only warns without one.
    void informationOpensTheCurrentEntry()
    {
        CDocument doc;
        AddTestPerson(doc, L"", L"Zoe /Stone/", L"");
        AddTestPerson(doc, L"", L"Adam /Brook/", L"");
        CRecordingSink sink;
        QStringList views;
        CPersonListDlg list(doc);
        RunWhileOpen<CPersonListDlg>(list, [&](CPersonListDlg& view) {
            CViewRecorder recorder;
            auto* pList = Child<QListView>(view, "persons");
            pList->clearSelection();
            view.RunCommand(ID_VIEW_INFORMATION);
            pList->setCurrentIndex(pList->model()->index(1, 0)); // Zoe, after Adam
            QTest::keyClick(pList, Qt::Key_Return);
            views = recorder.m_views;
        });
        QCOMPARE(views, QStringList{"info 0"});
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(1));
    }

    // Set as Home Person marks the row and keeps the person for the file;
    // Relationship... then compares another row with them, and with no
    // other person to compare with asks for one in a list of its own.
    void theHomePersonIsMarkedAndComparedWith()
    {
        CMemorySettingsStore store;
        CSettingsStore* pPrevious = SetSettingsStore(&store);
        CDocument doc;
        doc.SetPath(L"/family/tree.ged");
        AddTestPerson(doc, L"@Z@", L"Zoe /Stone/", L"F");
        AddTestPerson(doc, L"@A@", L"Adam /Brook/", L"M");
        QStringList rows;
        QStringList views;
        CPersonListDlg list(doc);
        RunWhileOpen<CPersonListDlg>(list, [&](CPersonListDlg& view) {
            auto* pList = Child<QListView>(view, "persons");
            pList->setCurrentIndex(pList->model()->index(1, 0)); // Zoe
            view.RunCommand(ID_SET_HOME_PERSON);
            rows = Rows(view);
            CViewRecorder recorder;
            view.RunCommand(ID_VIEW_RELATIONSHIP); // Zoe herself: another is asked for
            pList->setCurrentIndex(pList->model()->index(0, 0)); // Adam
            view.RunCommand(ID_VIEW_RELATIONSHIP);
            views = recorder.m_views;
        });
        const std::wstring strHome = ReadHomePerson(L"/family/tree.ged");
        SetSettingsStore(pPrevious);
        QCOMPARE(rows, (QStringList{"Brook Adam", QStringLiteral("\u2302 Stone Zoe")}));
        QCOMPARE(strHome, std::wstring(L"@Z@"));
        QCOMPARE(views, (QStringList{"personList", "relationship"}));
    }

    // Rows are at least 500 pixels wide, and as wide as the longest entry.
    void aLongEntryCanBeScrolledToItsEnd_data()
    {
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<int>("rowWidth");
        QTest::newRow("short names") << 4 << 500;
        QTest::newRow("a long name") << 300 << 0;
    }
    void aLongEntryCanBeScrolledToItsEnd()
    {
        QFETCH(int, nameLength);
        QFETCH(int, rowWidth);
        const std::wstring strLong =
            L"Bea /" + std::wstring(static_cast<std::size_t>(nameLength), L'W') + L"/";
        CDocument doc;
        AddTestPerson(doc, L"", L"Zoe /Stone/", L"");
        AddTestPerson(doc, L"", strLong.c_str(), L"");
        CPersonListDlg list(doc);
        RunWhileOpen<CPersonListDlg>(list, [&](CPersonListDlg& view) {
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.resize(360, 600);
            auto* pList = Child<QListView>(view, "persons");
            QTRY_VERIFY(pList->horizontalScrollBar()->maximum() > 0);
            const int nReach = pList->horizontalScrollBar()->maximum() + pList->viewport()->width();
            int nEntryWidth = rowWidth;
            for (const QString& strRow : Rows(view))
                nEntryWidth = std::max(nEntryWidth, pList->fontMetrics().horizontalAdvance(strRow));
            QVERIFY2(nReach >= nEntryWidth, qPrintable(QString::number(nReach)));
        });
    }

    // An outcome that closes the list shows its box and ends the run.
    void anEmptyFileSaysSoAndCloses()
    {
        CRecordingSink sink;
        CPersonListDlg list(EmptyDocument());
        QCOMPARE(list.RunModal(), int(QDialog::Rejected));
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(1));
    }

    // A bad bound stops Find with its one box; good ones reach the list in
    // normal form, the names as typed, and the form keeps what was typed.
    void findRunsAListOnTopOfTheFormOrRefusesABadDate_data()
    {
        QTest::addColumn<QString>("birthTo");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("from"); // empty: no list ran
        QTest::newRow("good dates") << "1930" << 0 << "01.12.1923";
        QTest::newRow("a bad date") << "23/12/1923" << 1 << "";
    }
    void findRunsAListOnTopOfTheFormOrRefusesABadDate()
    {
        QFETCH(QString, birthTo);
        QFETCH(int, boxes);
        QFETCH(QString, from);
        CDocument doc;
        AddTestPerson(doc, L"", L"Jon /Stone Hill/", L"");
        CRecordingSink sink;
        CPersonListCriteria seen;
        QStringList fieldsAfter;
        CSearchDlg search(doc);
        const char* const apszFields[] = {"firstName", "lastName", "birthFrom", "birthTo"};
        const QStringList typed{"jO", "STONE ", "12.1923", birthTo};
        RunWhileOpen<CSearchDlg>(search, [&](CSearchDlg& form) {
            for (int i = 0; i < 4; ++i)
                SetText(form, apszFields[i], typed[i]);
            Child<QCheckBox>(form, "noBirthYear")->setChecked(true);
            CModalAnswer list([&](QDialog& view) { seen = static_cast<CPersonListDlg&>(view).m_criteria; });
            form.OnFind();
            for (const char* pszField : apszFields)
                fieldsAfter << Child<QLineEdit>(form, pszField)->text();
        });
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(boxes));
        QCOMPARE(fieldsAfter, typed);
        QCOMPARE(ToQString(seen.m_strBirthFrom), from);
        if (from.isEmpty())
            return;
        QCOMPARE(seen.m_strFirstFilter, std::wstring(L"jO"));
        QCOMPARE(seen.m_strLastFilter, std::wstring(L"STONE "));
        QCOMPARE(seen.m_strBirthTo, std::wstring(L"01.01.1930"));
        QVERIFY(seen.m_bNoBirthYear);
    }

    // The form in reading order, in the language chosen.
    void tabGoesThroughTheSearchFormInReadingOrder()
    {
        SetLanguage(L"Ru");
        QStringList chain;
        CSearchDlg search(EmptyDocument());
        RunWhileOpen<CSearchDlg>(search, [&](CSearchDlg& form) {
            chain = TabChain(Child<QWidget>(form, "firstName"));
            chain << form.windowTitle() << Child<QPushButton>(form, "find")->text();
        });
        QCOMPARE(chain, (QStringList{"firstName", "lastName", "fullName", "birthFrom", "birthTo",
                                     "noBirthYear", "find", "cancel", "Поиск", "Найти"}));
    }

private:
    std::optional<CGenealogyApp> m_app;
};

QTEST_MAIN(PersonListDlgTest)
#include "PersonListDlgTest.moc"
