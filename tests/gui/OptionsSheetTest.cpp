#include "gui/options/OptionsSheet.h"

#include "core/options/Language.h"
#include "core/options/OptionTable.h"
#include "core/platform/DataFolders.h"
#include "core/platform/Log.h"

#include "GuiTestSupport.h"

#include <utility>

namespace {

/// Runs the sheet with `fnWhileOpen` acting on it once it is shown.
int RunSheet(const std::function<void(COptionsSheet&)>& fnWhileOpen)
{
    COptionsSheet sheet;
    QTimer::singleShot(0, &sheet, [&] { fnWhileOpen(sheet); });
    return sheet.exec();
}

/// Counts the values written, so that a second saving shows.
struct CCountingStore : CMemorySettingsStore {
    bool WriteValue(const std::wstring& strName, const std::wstring& strValue) override
    {
        ++m_nWrites;
        return CMemorySettingsStore::WriteValue(strName, strValue);
    }
    std::size_t m_nWrites = 0;
};

} // namespace

class OptionsSheetTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        theDataFolders = {STEMMARK_RESOURCES};
        StartApp(m_app);
        m_store = CCountingStore();
        SetSettingsStore(&m_store);
    }
    void cleanup()
    {
        m_app.reset();
        qputenv("XDG_STATE_HOME", m_stateHome);
    }

    // OK stores each page that was opened once, in front or not, leaves a
    // page never opened alone and saves once. Each store of the General page
    // switches the language, and a missing module is logged at every switch.
    void okStoresEachOpenedPageOnceAndSavesOnce()
    {
        const QTemporaryDir folder;
        theDataFolders = {folder.path().toStdString()};
        qputenv("XDG_STATE_HOME", folder.path().toUtf8()); // the language module's log, without a file
        QFile log(QString::fromStdString(GetLogPath().string()));
        // Result, values written, switches logged, Display opened, level, Display settings kept.
        const auto Row = [](auto... values) { return QStringList{QString::number(values)...}.join(' '); };
        const std::pair<QList<int>, bool> rows[] = {{{0}, false}, {{1, 0}, true}, {{0, 1}, true}};
        QStringList seen, wanted;
        for (const auto& [tabs, bDisplayOpened] : rows) { // tabs shown in turn, the last in front
            SetLanguage(L"En");
            Settings.AsInNameTag = false;
            Settings.PutAge = Settings.ShowMidNam = true;
            log.remove();
            m_store = CCountingStore();
            bool bOpened = false;
            const int nResult = RunSheet([&](COptionsSheet& sheet) {
                for (const int nTab : tabs)
                    sheet.m_pTabs->setCurrentIndex(nTab);
                sheet.findChild<QRadioButton*>("french")->setChecked(true);
                sheet.m_pPageGeneral->m_editLevel->setText(QStringLiteral("007"));
                sheet.OnOK();
                bOpened = sheet.m_pPageDisplay->IsInitialised();
            });
            QVERIFY(log.open(QIODevice::ReadOnly));
            seen << Row(nResult, m_store.m_nWrites, log.readAll().count("Language module"), bOpened,
                        Settings.LevForPatr, !Settings.AsInNameTag && Settings.PutAge && Settings.ShowMidNam);
            log.close();
            wanted << Row(int(QDialog::Accepted), StoredOptions().size(), 1, bDisplayOpened, 7, true);
        }
        QCOMPARE(seen, wanted);
    }

    void greyedNameBoxesKeepAndStoreTheirStates()
    {
        Settings._1Name1 = Settings.InclNick = true;
        QList<bool> seen;
        RunSheet([&](COptionsSheet& sheet) {
            sheet.m_pTabs->setCurrentIndex(1);
            COptionsPageDisplay& page = *sheet.m_pPageDisplay;
            const auto box = [&page](const char* pszName) { return page.findChild<QCheckBox*>(pszName); };
            seen << box("firstNameFirst")->isEnabled() << box("firstNameFirst")->isChecked()
                 << box("sexLetter")->isEnabled();
            page.m_radioModifications->setChecked(true);
            seen << box("firstNameFirst")->isEnabled() << box("nickname")->isChecked();
            page.m_radioAsInNameTag->setChecked(true);
            sheet.m_pPageGeneral->m_editLevel->clear();
            sheet.OnOK();
        });
        QCOMPARE(seen, (QList<bool>{false, true, true, true, true}));
        QVERIFY(Settings.AsInNameTag && Settings._1Name1 && Settings.InclNick);
        QCOMPARE(Settings.LevForPatr, 0);
        QCOMPARE(m_store.m_values[L"1Name1"], std::wstring(1, wchar_t{1}));
    }

    // Each option the table puts on a page has its control there; a plain
    // box opens as its option stands and confirms into it. A page has no box
    // the table does not know.
    void eachPageShowsTheOptionsOfTheTable()
    {
        std::vector<std::pair<bool*, bool>> toggled;
        for (const CStoredOption& option : StoredOptions()) {
            if (option.m_control == EOptionControl::CheckBox)
                toggled.emplace_back(SettingOf<bool>(option), toggled.size() % 2 == 0);
        }
        for (const auto& [pbSetting, bValue] : toggled)
            *pbSetting = !bValue;
        RunSheet([&](COptionsSheet& sheet) {
            sheet.m_pTabs->setCurrentIndex(1);
            const std::pair<EOptionsPage, QWidget*> pages[] = {{EOptionsPage::General, sheet.m_pPageGeneral},
                                                               {EOptionsPage::Display, sheet.m_pPageDisplay}};
            for (const auto& [page, pPage] : pages) {
                QCOMPARE(std::size_t(pPage->findChildren<QCheckBox*>().size()),
                         OptionsOnPage(page, EOptionControl::CheckBox).size());
                for (const CStoredOption& option : StoredOptions()) {
                    if (option.m_page != page)
                        continue;
                    auto* pControl = pPage->findChild<QWidget*>(option.m_pszControl);
                    QVERIFY2(pControl, option.m_pszControl);
                    if (auto* pBox = qobject_cast<QCheckBox*>(pControl)) {
                        QCOMPARE(pBox->isChecked(), *SettingOf<bool>(option));
                        pBox->toggle();
                    }
                }
            }
            sheet.OnOK();
        });
        for (const auto& [pbSetting, bValue] : toggled)
            QCOMPARE(*pbSetting, bValue);
    }

    void cancelChangesNothing()
    {
        RunSheet([](COptionsSheet& sheet) {
            sheet.findChild<QRadioButton*>("russian")->setChecked(true);
            sheet.reject();
        });
        QCOMPARE(Settings.Lang, std::wstring(L"En"));
        QVERIFY(m_store.m_values.empty());
    }

    // In every language the sheet ticks that language's button, names each
    // language on its own button, in the order of the English names, and opens at the size of its larger
    // page, so that showing the other page neither grows it nor hides a label, and never outgrows the screen:
    // a page that does not fit scrolls instead.
    void eachLanguageTicksItsButtonAndFitsBothPages()
    {
        for (const CLanguage& language : Languages()) {
            SetLanguage(language.m_pszCode);
            QSize opened, withDisplay, screen;
            int nHiddenWidth = -1;
            QStringList ticked, captions, order;
            RunSheet([&](COptionsSheet& sheet) {
                for (const auto* pButton : sheet.m_pPageGeneral->findChildren<QRadioButton*>())
                    order << pButton->objectName();
                for (const CLanguage& other : Languages()) {
                    const auto* pButton = sheet.findChild<QRadioButton*>(other.m_pszControl);
                    captions << pButton->text();
                    if (pButton->isChecked())
                        ticked << pButton->objectName();
                }
                opened = sheet.size();
                screen = sheet.screen()->availableGeometry().size();
                sheet.m_pTabs->setCurrentIndex(1);
                QApplication::processEvents();
                withDisplay = sheet.size();
                nHiddenWidth = 0;
                for (auto* pScroller : sheet.m_pTabs->findChildren<QScrollArea*>())
                    nHiddenWidth += pScroller->horizontalScrollBar()->maximum();
                sheet.reject();
            });
            QCOMPARE(order.join(' '),
                     QStringLiteral("english french german italian russian dayFirst monthFirst"));
            QCOMPARE(ticked.join(' '), QString::fromLatin1(language.m_pszControl));
            QVERIFY2(captions.removeDuplicates() == 0 && !captions.contains(QString()),
                     qPrintable(captions.join('|')));
            QCOMPARE(withDisplay, opened);
            QVERIFY(opened.width() <= screen.width() && opened.height() <= screen.height());
            QCOMPARE(nHiddenWidth, 0);
        }
    }

    // Every window's bar is rebuilt in each language at once, whichever
    // window the options came from, every item and key kept.
    void theWindowsMenusFollowEachLanguageAtOnce()
    {
        m_app->m_fnChooseFile = [](QWidget*, const QString&, const QString&, const QString&) {
            return QStringLiteral(STEMMARK_TEST_DATA "/cli-accents.ged");
        };
        m_app->InitInstance();
        m_app->OnFileOpenInNewWindow();
        QCOMPARE(m_app->Frames().size(), std::size_t(2));
        CMainFrame& frame = *m_app->MainFrame();
        QStringList titles;
        for (const char* pszButton : {"french", "russian", "german", "italian", "english"}) {
            QTimer::singleShot(0, &frame, [pszButton] {
                auto* pSheet = qobject_cast<COptionsSheet*>(QApplication::activeModalWidget());
                pSheet->findChild<QRadioButton*>(QString::fromLatin1(pszButton))->setChecked(true);
                pSheet->OnOK();
            });
            frame.OnCommand(ID_OPTIONS);
            for (const std::unique_ptr<CMainFrame>& pFrame : m_app->Frames())
                titles << MenuTitles(pFrame->menuBar()).join(QLatin1Char('|'));
        }
        QCOMPARE(titles, (QStringList{"Fichier|Affichage|Aide", "Fichier|Affichage|Aide",
                                      "Файл|Просмотр|Помощь", "Файл|Просмотр|Помощь", "Datei|Ansicht|Hilfe",
                                      "Datei|Ansicht|Hilfe", "File|Visualizza|Aiuto", "File|Visualizza|Aiuto",
                                      "File|View|Help", "File|View|Help"}));
        QCOMPARE(MenuCommands(frame.menuBar(), 0),
                 (QList<int>{ID_FILE_OPEN, ID_FILE_OPEN_NEW_WINDOW, ID_COMPARE_WITH_CONTACTS, 0, ID_OPTIONS,
                             ID_APP_EXIT}));
        QCOMPARE(MenuCommands(frame.menuBar(), 1), (QList<int>{ID_SEARCH, 0, ID_PERSON_LIST, ID_PATRIARCHY}));
        QCOMPARE(MenuCommands(frame.menuBar(), 2), (QList<int>{ID_HELP_TOPIC, ID_HELP_CONTENTS, 0, ID_APP_ABOUT}));
        const QList<QAction*> file = frame.menuBar()->actions().at(0)->menu()->actions();
        QCOMPARE(file.at(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(file.at(1)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    }

private:
    const QByteArray m_stateHome = qgetenv("XDG_STATE_HOME");
    std::optional<CGenealogyApp> m_app;
    CCountingStore m_store;
};

QTEST_MAIN(OptionsSheetTest)
#include "OptionsSheetTest.moc"
