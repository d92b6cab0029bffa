#include "qtcore/platform/QtSettingsStore.h"

#include "GuiTestSupport.h"

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

// Every option as its stored text, a line each: what SaveSettings writes of them.
QString Stored(const CSettings& settings)
{
    const CSettings saved = Settings;
    CMemorySettingsStore memory;
    CSettingsStore* pPrevious = SetSettingsStore(&memory);
    Settings = settings;
    SaveSettings();
    SetSettingsStore(pPrevious);
    Settings = saved;
    QString strLines;
    for (const auto& [strName, strValue] : memory.m_values)
        strLines += ToQString(strName + L"=" + strValue + L"\n");
    return strLines;
}

// Loads the options from the file, or saves the changed ones to it.
void UseFile(const QString& strPath, bool bSave)
{
    Settings = bSave ? ChangedSettings() : CSettings();
    CQtSettingsStore store(strPath);
    SetSettingsStore(&store);
    if (bSave)
        SaveSettings();
    else
        LoadSettings();
    SetSettingsStore(nullptr);
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
        UseFile(strPath, true);
        UseFile(strPath, false);
        QCOMPARE(Stored(Settings), Stored(ChangedSettings()));
        QCOMPARE(theStringOffset, 200);
    }

    // The file's parsing is the library's; what the store decides is that
    // only text is a value.
    void junkLeavesTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("junk"); // "/": a folder in the file's place
        QTest::newRow("a folder") << QByteArray("/"); // unreadable even for root
        QTest::newRow("values of other types") << QByteArray(
            "[General]\nLevForPatr=@Variant(\\0\\0\\0\\x7f\\0\\0\\0)\nDateFormat=1, 2\n"
            "Lang=@Invalid()\nAsInNameTag=@ByteArray()\nDatForPatr=a,b,c\n");
    }
    void junkLeavesTheDefaults()
    {
        QFETCH(QByteArray, junk);
        const QString strPath =
            m_folder.filePath(QStringLiteral("junk/%1/Stemmark.ini").arg(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(junk == "/" ? strPath : QFileInfo(strPath).path()));
        if (junk != "/")
            WriteFile(strPath, junk);
        UseFile(strPath, false);
        QCOMPARE(Stored(Settings), Stored(CSettings()));
        UseFile(strPath, true); // over junk, or where it cannot write: no harm
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(QtSettingsStoreTest)
#include "QtSettingsStoreTest.moc"
