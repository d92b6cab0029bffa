#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "gui/app/GenealogyApp.h"
#include "gui/views/PersonInfoDlg.h"
#include "gui/views/PersonListDlg.h"
#include "gui/views/SearchDlg.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

void AddNamed(const wchar_t* pszName, const wchar_t* pszBirth = nullptr)
{
    auto pPerson = std::make_unique<CPerson>();
    pPerson->m_strName = pszName;
    if (pszBirth) {
        pPerson->m_birth.Edit().m_bPresent = true;
        pPerson->m_birth.Edit().m_strDate = pszBirth;
    }
    thePersons.Append(std::move(pPerson));
}

// Runs `fnWhileOpen` on the modal dialog in front once it is up, then closes it.
void WhileModal(std::function<void(QDialog&)> fnWhileOpen)
{
    QTimer::singleShot(0, [fnWhileOpen] {
        auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(pDialog);
        fnWhileOpen(*pDialog);
        pDialog->reject();
    });
}

} // namespace

class PersonListDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ClearTables();
        Settings = CSettings();
        SetLanguage(L"En");
    }
    void cleanup() { ClearTables(); }

    void opensSortedWithNothingSelected()
    {
        CGenealogyApp app;
        AddNamed(L"Zoe /Stone/");
        AddNamed(L"Adam /Brook/");
        AddNamed(L"");
        AddNamed(L"Mia /Cole/");
        QStringList rows;
        QString caption;
        bool bSelected = true;
        WhileModal([&](QDialog& dialog) {
            auto* pList = dialog.findChild<QListView*>(QStringLiteral("persons"));
            for (int i = 0; i < pList->model()->rowCount(); ++i)
                rows << pList->model()->index(i, 0).data().toString();
            bSelected = pList->selectionModel()->hasSelection();
            caption = dialog.findChild<QLineEdit*>(QStringLiteral("caption"))->text();
        });
        CPersonListDlg list;
        list.RunModal();
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[0].contains(QStringLiteral("Adam")), qPrintable(rows.join(", ")));
        QVERIFY2(rows[2].contains(QStringLiteral("Zoe")), qPrintable(rows.join(", ")));
        QVERIFY(!bSelected);
        QCOMPARE(caption, QStringLiteral("Select person (3 persons in total)"));
    }

    void informationWithNothingSelectedOnlyWarns()
    {
        CGenealogyApp app;
        AddNamed(L"Zoe /Stone/");
        CRecordingSink sink;
        WhileModal([](QDialog& dialog) { static_cast<CViewDlg&>(dialog).RunCommand(32804); });
        CPersonListDlg list;
        list.RunModal();
        QCOMPARE(sink.m_astrTexts, (std::vector<std::wstring>{L"Please select a person"}));
        QCOMPARE(sink.m_astrCaptions, (std::vector<std::wstring>{L"Direction"}));
    }

    void enterOpensThePageOfTheCurrentEntry()
    {
        CGenealogyApp app;
        AddNamed(L"Zoe /Stone/");
        AddNamed(L"Adam /Brook/");
        int nPage = -1;
        WhileModal([&](QDialog& dialog) {
            auto* pList = dialog.findChild<QListView*>(QStringLiteral("persons"));
            pList->setCurrentIndex(pList->model()->index(1, 0)); // Zoe, after Adam
            WhileModal([&](QDialog& page) { nPage = static_cast<CPersonInfoDlg&>(page).m_nPerson; });
            QTest::keyClick(pList, Qt::Key_Return);
        });
        CPersonListDlg list;
        list.RunModal();
        QCOMPARE(nPage, 0);
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
        CGenealogyApp app;
        const std::wstring strLong = L"Bea /" + std::wstring(static_cast<std::size_t>(nameLength), L'W') + L"/";
        AddNamed(L"Zoe /Stone/");
        AddNamed(strLong.c_str());
        int nReach = 0;
        int nEntryWidth = 0;
        WhileModal([&](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.resize(360, 600);
            auto* pList = dialog.findChild<QListView*>(QStringLiteral("persons"));
            QTRY_VERIFY(pList->horizontalScrollBar()->maximum() > 0);
            nReach = pList->horizontalScrollBar()->maximum() + pList->viewport()->width();
            for (int i = 0; i < pList->model()->rowCount(); ++i)
                nEntryWidth = std::max(nEntryWidth, pList->fontMetrics().horizontalAdvance(
                                                        pList->model()->index(i, 0).data().toString()));
        });
        CPersonListDlg list;
        list.RunModal();
        QVERIFY2(nReach >= std::max(rowWidth, nEntryWidth), qPrintable(QString::number(nReach)));
    }

    void anEmptyFileSaysSoAndCloses()
    {
        CGenealogyApp app;
        CRecordingSink sink;
        CPersonListDlg list;
        QCOMPARE(list.RunModal(), int(QDialog::Rejected));
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(1));
        QCOMPARE(sink.m_astrTexts[0], std::wstring(L"Input file is empty or is not specified. Please use File / Open."));
        QCOMPARE(sink.m_astrCaptions[0], std::wstring(L"Message"));
    }

    void searchRefusesABadDateWithOneMessage()
    {
        CGenealogyApp app;
        AddNamed(L"Zoe /Stone/");
        CRecordingSink sink;
        int nRuns = 0;
        CSearchDlg search;
        search.m_fnRunList = [&](CPersonListDlg&) { ++nRuns; };
        WhileModal([](QDialog& dialog) {
            auto& form = static_cast<CSearchDlg&>(dialog);
            form.m_editBirthFrom->setText(QStringLiteral("5 MAR 1923"));
            form.m_editBirthTo->setText(QStringLiteral("23/12/1923"));
            form.OnFind();
        });
        search.RunModal();
        QCOMPARE(nRuns, 0);
        QCOMPARE(sink.m_astrTexts.size(), std::size_t(1));
        QVERIFY(sink.m_astrTexts[0].rfind(L"Possible formats of birth date:\n23.12.1923\n", 0) == 0);
        QCOMPARE(sink.m_astrCaptions[0], std::wstring(L"Direction"));
    }

    // Find hands the names over as typed and the dates in normal form, and the
    // form keeps its fields.
    void findRunsAListAndKeepsTheForm()
    {
        CGenealogyApp app;
        AddNamed(L"Zoe /Stone/");
        CPersonListCriteria seen;
        QStringList fieldsAfter;
        CSearchDlg search;
        search.m_fnRunList = [&](CPersonListDlg& list) { seen = list.m_criteria; };
        WhileModal([&](QDialog& dialog) {
            auto& form = static_cast<CSearchDlg&>(dialog);
            form.m_editFirstName->setText(QStringLiteral(" Jo"));
            form.m_editLastName->setText(QStringLiteral("STONE "));
            form.m_editBirthFrom->setText(QStringLiteral("12.1923"));
            form.m_editBirthTo->setText(QStringLiteral("1930"));
            form.m_checkNoBirthYear->setChecked(true);
            form.OnFind();
            fieldsAfter << form.m_editFirstName->text() << form.m_editLastName->text() << form.m_editBirthFrom->text()
                        << form.m_editBirthTo->text();
        });
        search.RunModal();
        QCOMPARE(seen.m_strFirstFilter, std::wstring(L" Jo"));
        QCOMPARE(seen.m_strLastFilter, std::wstring(L"STONE "));
        QCOMPARE(seen.m_strBirthFrom, std::wstring(L"01.12.1923"));
        QCOMPARE(seen.m_strBirthTo, std::wstring(L"01.01.1930"));
        QVERIFY(seen.m_bNoBirthYear);
        QCOMPARE(fieldsAfter, (QStringList{" Jo", "STONE ", "12.1923", "1930"}));
    }

    void findRunsTheListOnTopOfTheForm()
    {
        CGenealogyApp app;
        AddNamed(L"Zoe /Stone/");
        AddNamed(L"Adam /Brook/");
        int nRows = -1;
        QString strAfter;
        WhileModal([&](QDialog& dialog) {
            auto& form = static_cast<CSearchDlg&>(dialog);
            form.m_editLastName->setText(QStringLiteral("sto"));
            WhileModal([&](QDialog& list) { nRows = list.findChild<QListView*>(QStringLiteral("persons"))->model()->rowCount(); });
            form.OnFind();
            strAfter = form.m_editLastName->text();
        });
        CSearchDlg search;
        search.RunModal();
        QCOMPARE(nRows, 1);
        QCOMPARE(strAfter, QStringLiteral("sto"));
    }

    void tabGoesThroughTheSearchFormInReadingOrder()
    {
        CGenealogyApp app;
        QStringList chain;
        WhileModal([&](QDialog& dialog) { chain = TabChain(static_cast<CSearchDlg&>(dialog).m_editFirstName); });
        CSearchDlg search;
        search.RunModal();
        QCOMPARE(chain, (QStringList{"firstName", "lastName", "fullName", "birthFrom", "birthTo", "noBirthYear", "find",
                                     "cancel"}));
    }

    void theSearchFormSpeaksRussian()
    {
        CGenealogyApp app;
        SetLanguage(L"Ru");
        QString title, find;
        WhileModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            find = static_cast<CSearchDlg&>(dialog).m_buttonFind->text();
        });
        CSearchDlg search;
        search.RunModal();
        QCOMPARE(title, QStringLiteral("Поиск"));
        QCOMPARE(find, QStringLiteral("Найти"));
    }
};

QTEST_MAIN(PersonListDlgTest)
#include "PersonListDlgTest.moc"
