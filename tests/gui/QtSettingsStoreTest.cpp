#include "platform/QtSettingsStore.h"

#include "options/Language.h"
#include "options/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

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
    changed.LastFileName = L"/home/anna/Семья; старые записи, 1923 = #1/tree.ged";
    return changed;
}

const QStringList theValueNames = {
    "FileOpen", "LastFile", "LastFileName", "1Name1", "MaidNam1", "Sh1Nam", "ShMidNam",
    "ShowMidNam", "InclNick", "DatForPatr", "AsInNameTag", "LevForPatr", "PutSexLetter",
    "PutAge", "PutBirthDate", "PutDeathDate", "YearOnly", "DateFormat", "Lang"};

// One option as text, by its stored name.
QString ValueText(const CSettings& settings, const QString& strName)
{
    const std::pair<const char*, bool> flags[] = {
        {"FileOpen", settings.FileOpen}, {"LastFile", settings.LastFile}, {"1Name1", settings._1Name1},
        {"MaidNam1", settings.MaidNam1}, {"Sh1Nam", settings.Sh1Nam}, {"ShMidNam", settings.ShMidNam},
        {"ShowMidNam", settings.ShowMidNam}, {"InclNick", settings.InclNick},
        {"DatForPatr", settings.DatForPatr}, {"AsInNameTag", settings.AsInNameTag},
        {"PutSexLetter", settings.PutSexLetter}, {"PutAge", settings.PutAge},
        {"PutBirthDate", settings.PutBirthDate}, {"PutDeathDate", settings.PutDeathDate},
        {"YearOnly", settings.YearOnly}};
    for (const auto& [pszName, bFlag] : flags) {
        if (strName == QLatin1String(pszName))
            return bFlag ? "on" : "off";
    }
    if (strName == "LevForPatr")
        return QString::number(settings.LevForPatr);
    if (strName == "DateFormat")
        return QString::number(settings.DateFormat);
    if (strName == "Lang")
        return QString::fromStdWString(settings.Lang);
    return QString::fromStdWString(settings.LastFileName);
}

void CompareSettings(const CSettings& actual, const CSettings& expected)
{
    for (const QString& strName : theValueNames)
        QCOMPARE(strName + "=" + ValueText(actual, strName), strName + "=" + ValueText(expected, strName));
}

QByteArray Noise(int nSize)
{
    std::mt19937 random(1923);
    QByteArray bytes;
    for (int i = 0; i < nSize; ++i) {
        const auto c = static_cast<char>(random() % 256);
        bytes.append(c == '=' ? '_' : c); // no line of noise may set a value
    }
    return bytes;
}

} // namespace

class QtSettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Settings = CSettings();
        QVERIFY(m_folder.isValid());
    }
    void cleanup()
    {
        SetSettingsStore(nullptr);
        Settings = CSettings();
        SetLanguage(L"En");
    }

    void theUsersFileLiesInTheConfigurationFolder()
    {
        const CQtSettingsStore store;
        QCOMPARE(store.FileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quillborn/Stemmark.ini");
    }

    void everyOptionSurvivesARoundTrip()
    {
        const QString strPath = m_folder.filePath("roundtrip.ini");
        Settings = ChangedSettings();
        {
            CQtSettingsStore store(strPath);
            SetSettingsStore(&store);
            SaveSettings();
            SetSettingsStore(nullptr);
        }
        Settings = CSettings();
        CQtSettingsStore store(strPath);
        SetSettingsStore(&store);
        LoadSettings();
        CompareSettings(Settings, ChangedSettings());
        QCOMPARE(theStringOffset, 200);
    }

    void aLongPathIsReadBackWhole()
    {
        std::wstring strPath = L"/home/anna";
        while (strPath.size() < 1000)
            strPath += L"/Очень длинная папка";
        const QString strFile = m_folder.filePath("long.ini");
        {
            CQtSettingsStore store(strFile);
            QVERIFY(store.WriteValue(L"LastFileName", strPath));
        }
        CQtSettingsStore store(strFile);
        std::wstring strRead;
        QVERIFY(store.ReadValue(L"LastFileName", strRead));
        QCOMPARE(strRead, strPath);
    }

    void aMissingFileLeavesTheDefaults()
    {
        CQtSettingsStore store(m_folder.filePath("absent/Stemmark.ini"));
        SetSettingsStore(&store);
        LoadSettings();
        CompareSettings(Settings, CSettings());
    }

    void anUnreadableFileLeavesTheDefaults()
    {
        const QString strPath = m_folder.filePath("folder.ini");
        QVERIFY(QDir().mkpath(strPath)); // a folder where the file should be: unreadable even for root
        CQtSettingsStore store(strPath);
        SetSettingsStore(&store);
        LoadSettings();
        CompareSettings(Settings, CSettings());
        SaveSettings(); // fails, silently
        QCOMPARE(Settings.LevForPatr, 3);
    }

    void aTruncatedFileGivesWhatItStillHas()
    {
        const QString strPath = m_folder.filePath("truncated.ini");
        Settings = ChangedSettings();
        {
            CQtSettingsStore store(strPath);
            SetSettingsStore(&store);
            SaveSettings();
            SetSettingsStore(nullptr);
        }
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        file.close();
        // Every cut: a value whose line is whole is read, one not begun keeps its default.
        for (qsizetype nCut = 0; nCut <= whole.size(); ++nCut) {
            const QString strCut = m_folder.filePath(QStringLiteral("cut%1.ini").arg(nCut));
            QFile cut(strCut);
            QVERIFY(cut.open(QIODevice::WriteOnly));
            cut.write(whole.left(nCut));
            cut.close();
            Settings = CSettings();
            CQtSettingsStore store(strCut);
            SetSettingsStore(&store);
            LoadSettings();
            SetSettingsStore(nullptr);
            for (const QString& strName : theValueNames) {
                const qsizetype start = whole.indexOf("\n" + strName.toUtf8() + "=") + 1;
                const qsizetype end = whole.indexOf('\n', start) + 1;
                QVERIFY(start > 0 && end > start);
                if (nCut >= end)
                    QCOMPARE(ValueText(Settings, strName), ValueText(ChangedSettings(), strName));
                else if (nCut <= start + strName.size())
                    QCOMPARE(ValueText(Settings, strName), ValueText(CSettings(), strName));
            }
        }
    }

    void junkLeavesTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("junk");
        QTest::newRow("noise") << Noise(4096);
        QTest::newRow("nul bytes") << QByteArray(512, '\0');
        QTest::newRow("broken sections") << QByteArray("[General\n[[]]\n]\n1Name1\nLang\n\\x\n");
        QTest::newRow("values of other types") << QByteArray(
            "[General]\nLevForPatr=@Variant(\\0\\0\\0\\x7f\\0\\0\\0)\nDateFormat=1, 2\n"
            "Lang=@Invalid()\nAsInNameTag=@ByteArray()\nDatForPatr=a,b,c\n");
        QTest::newRow("bad utf-8") << QByteArray("[General]\n\xff\xfe\xC0\xAF=\xED\xA0\x80\n");
        QTest::newRow("one huge line") << QByteArray(1 << 20, 'x');
        QTest::newRow("keys elsewhere") << QByteArray("[Other]\n1Name1=\\x1\nLevForPatr=\\x9\n");
    }
    void junkLeavesTheDefaults()
    {
        QFETCH(QByteArray, junk);
        const QString strPath = m_folder.filePath(QStringLiteral("junk-%1.ini").arg(QTest::currentDataTag()));
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(junk);
        file.close();
        CQtSettingsStore store(strPath);
        SetSettingsStore(&store);
        LoadSettings();
        CompareSettings(Settings, CSettings());
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(QtSettingsStoreTest)
#include "QtSettingsStoreTest.moc"
