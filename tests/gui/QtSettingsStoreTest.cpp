#include "qtcore/platform/QtSettingsStore.h"

#include "GuiTestSupport.h"

#include <map>

namespace {

// Options that differ from every default.
CSettings ChangedSettings()
{
    CSettings changed;
    changed.FileOpen = changed.LastFile = changed._1Name1 = changed.MaidNam1 = changed.Sh1Nam = true;
    changed.ShMidNam = changed.ShowMidNam = changed.InclNick = changed.PutSexLetter = true;
    changed.PutAge = changed.PutBirthDate = changed.PutDeathDate = changed.YearOnly = true;
    changed.DatForPatr = changed.AsInNameTag = false;
    changed.LevForPatr = 1234;
    changed.DateFormat = 1;
    changed.Lang = L"Ru";
    // Long (far beyond the 199 characters a value once could hold) and full of INI's own signs.
    while (changed.LastFileName.size() < 1000)
        changed.LastFileName += L"/Семья; старые записи, 1923 = #1";
    changed.LastFileName += L"/tree.ged";
    return changed;
}

// Every option as its stored text, by name: what SaveSettings writes of them.
std::map<std::wstring, std::wstring> Snapshot(const CSettings& settings)
{
    const CSettings saved = Settings;
    CMemorySettingsStore memory;
    CSettingsStore* pPrevious = SetSettingsStore(&memory);
    Settings = settings;
    SaveSettings();
    SetSettingsStore(pPrevious);
    Settings = saved;
    return memory.m_values;
}

void CompareSettings(const CSettings& expected)
{
    const std::map<std::wstring, std::wstring> actual = Snapshot(Settings);
    for (const auto& [strName, strValue] : Snapshot(expected))
        QCOMPARE(QString::fromStdWString(strName + L"=" + actual.at(strName)),
                 QString::fromStdWString(strName + L"=" + strValue));
}

template <class TWork>
void WithStoreAt(const QString& strPath, TWork work)
{
    CQtSettingsStore store(strPath);
    SetSettingsStore(&store);
    work();
    SetSettingsStore(nullptr);
}

void LoadFrom(const QString& strPath)
{
    Settings = CSettings();
    WithStoreAt(strPath, LoadSettings);
}

void SaveChangedSettings(const QString& strPath)
{
    Settings = ChangedSettings();
    WithStoreAt(strPath, SaveSettings);
}

} // namespace

class QtSettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_folder.isValid()); }
    void cleanup()
    {
        SetSettingsStore(nullptr);
        ResetState();
    }

    void theUsersFileLiesInTheConfigurationFolder()
    {
        const CQtSettingsStore store;
        QCOMPARE(store.FileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quillborn/Stemmark.ini");
    }

    void everyOptionSurvivesARoundTripAndALongValueComesBackWhole()
    {
        const QString strPath = m_folder.filePath("roundtrip.ini");
        SaveChangedSettings(strPath);
        LoadFrom(strPath);
        CompareSettings(ChangedSettings());
        QCOMPARE(theStringOffset, 200);
    }

    // The file's parsing is the library's; what the store decides is that
    // only text is a value.
    void junkLeavesTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("junk"); // null: no file; "/": a folder in its place
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("a folder") << QByteArray("/"); // unreadable even for root
        QTest::newRow("values of other types") << QByteArray(
            "[General]\nLevForPatr=@Variant(\\0\\0\\0\\x7f\\0\\0\\0)\nDateFormat=1, 2\n"
            "Lang=@Invalid()\nAsInNameTag=@ByteArray()\nDatForPatr=a,b,c\n");
        QTest::newRow("keys elsewhere") << QByteArray("[Other]\n1Name1=\\x1\nLevForPatr=\\x9\n");
    }
    void junkLeavesTheDefaults()
    {
        QFETCH(QByteArray, junk);
        const QString strPath =
            m_folder.filePath(QStringLiteral("junk/%1/Stemmark.ini").arg(QTest::currentDataTag()));
        if (!junk.isNull())
            QVERIFY(QDir().mkpath(junk == "/" ? strPath : QFileInfo(strPath).path()));
        if (!junk.isNull() && junk != "/")
            WriteFile(strPath, junk);
        LoadFrom(strPath);
        CompareSettings(CSettings());
        SaveChangedSettings(strPath); // over junk, or where it cannot write: no harm
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(QtSettingsStoreTest)
#include "QtSettingsStoreTest.moc"
