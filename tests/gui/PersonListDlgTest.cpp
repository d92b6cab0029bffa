#include "gui/views/PersonListDlg.h"

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

    void opensSortedWithNothingSelected()
    {
        for (const wchar_t* pszName : {L"Zoe /Stone/", L"Adam /Brook/", L"", L"Mia /Cole/"})
            AddTestPerson(L"", pszName, L"");
        CPersonListDlg list;
        RunWhileOpen<CPersonListDlg>(list, [](CPersonListDlg& view) {
            const QStringList rows = Rows(view);
            QCOMPARE(rows.size(), 3);
            QVERIFY2(rows[0].contains(QStringLiteral("Adam")), qPrintable(rows.join(", ")));
            QVERIFY2(rows[2].contains(QStringLiteral("Zoe")), qPrintable(rows.join(", ")));
            QVERIFY(!Child<QListView>(view, "persons")->selectionModel()->hasSelection());
            QCOMPARE(Child<QLineEdit>(view, "caption")->text(),
                     QStringLiteral("Select person (3 persons in total)"));
        });
    }

    // Information opens the current entry's page, and only warns without one.
    void informationOpensTheCurrentEntry()
    {
        AddTestPerson(L"", L"Zoe /Stone/", L"");
        AddTestPerson(L"", L"Adam /Brook/", L"");
        CRecordingSink sink;
        QStringList views;
        CPersonListDlg list;
        RunWhileOpen<CPersonListDlg>(list, [&](CPersonListDlg& view) {
            CViewRecorder recorder;
            view.RunCommand(ID_VIEW_INFORMATION);
            auto* pList = Child<QListView>(view, "persons");
            pList->setCurrentIndex(pList->model()->index(1, 0)); // Zoe, after Adam
            QTest::keyClick(pList, Qt::Key_Return);
            views = recorder.m_views;
        });
        QCOMPARE(views, QStringList{"info 0"});
        QCOMPARE(sink.m_astrTexts, (std::vector<std::wstring>{L"Please select a person"}));
        QCOMPARE(sink.m_astrCaptions, (std::vector<std::wstring>{L"Direction"}));
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
        AddTestPerson(L"", L"Zoe /Stone/", L"");
        AddTestPerson(L"", strLong.c_str(), L"");
        CPersonListDlg list;
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

    void anEmptyFileSaysSoAndCloses()
    {
        CRecordingSink sink;
        CPersonListDlg list;
        QCOMPARE(list.RunModal(), int(QDialog::Rejected));
        QCOMPARE(sink.m_astrTexts, std::vector<std::wstring>{
                                       L"Input file is empty or is not specified. Please use File / Open."});
        QCOMPARE(sink.m_astrCaptions, std::vector<std::wstring>{L"Message"});
    }

    void searchRefusesABadDateWithOneMessage()
    {
        AddTestPerson(L"", L"Zoe /Stone/", L"");
        CRecordingSink sink;
        int nRuns = 0;
        CSearchDlg search;
        search.m_fnRunList = [&](CPersonListDlg&) { ++nRuns; };
        RunWhileOpen<CSearchDlg>(search, [](CSearchDlg& form) {
            SetText(form, "birthFrom", QStringLiteral("5 MAR 1923"));
            SetText(form, "birthTo", QStringLiteral("23/12/1923"));
            form.OnFind();
        });
        QCOMPARE(nRuns, 0);
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(1));
        QVERIFY(sink.m_astrTexts[0].rfind(L"Possible formats of birth date:\n23.12.1923\n", 0) == 0);
        QCOMPARE(sink.m_astrCaptions[0], std::wstring(L"Direction"));
    }

    // Find hands the names over as typed and the dates in normal form, and the
    // form keeps its fields.
    void findRunsAListAndKeepsTheForm()
    {
        AddTestPerson(L"", L"Zoe /Stone/", L"");
        CPersonListCriteria seen;
        QStringList fieldsAfter;
        CSearchDlg search;
        search.m_fnRunList = [&](CPersonListDlg& list) { seen = list.m_criteria; };
        const char* const apszFields[] = {"firstName", "lastName", "birthFrom", "birthTo"};
        RunWhileOpen<CSearchDlg>(search, [&](CSearchDlg& form) {
            const QStringList typed{" Jo", "STONE ", "12.1923", "1930"};
            for (int i = 0; i < 4; ++i)
                SetText(form, apszFields[i], typed[i]);
            Child<QCheckBox>(form, "noBirthYear")->setChecked(true);
            form.OnFind();
            for (const char* pszField : apszFields)
                fieldsAfter << Child<QLineEdit>(form, pszField)->text();
        });
        QCOMPARE(seen.m_strFirstFilter, std::wstring(L" Jo"));
        QCOMPARE(seen.m_strLastFilter, std::wstring(L"STONE "));
        QCOMPARE(seen.m_strBirthFrom, std::wstring(L"01.12.1923"));
        QCOMPARE(seen.m_strBirthTo, std::wstring(L"01.01.1930"));
        QVERIFY(seen.m_bNoBirthYear);
        QCOMPARE(fieldsAfter, (QStringList{" Jo", "STONE ", "12.1923", "1930"}));
    }

    void findRunsTheListOnTopOfTheForm()
    {
        AddTestPerson(L"", L"Zoe /Stone/", L"");
        AddTestPerson(L"", L"Adam /Brook/", L"");
        int nRows = -1;
        CSearchDlg search;
        RunWhileOpen<CSearchDlg>(search, [&](CSearchDlg& form) {
            SetText(form, "lastName", QStringLiteral("sto"));
            AnswerNextModal([&](QDialog& list) { nRows = int(Rows(list).size()); });
            form.OnFind();
        });
        QCOMPARE(nRows, 1);
    }

    // The form in reading order, in the language chosen.
    void tabGoesThroughTheSearchFormInReadingOrder()
    {
        SetLanguage(L"Ru");
        QStringList chain;
        CSearchDlg search;
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
