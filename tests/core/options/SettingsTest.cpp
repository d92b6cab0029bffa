#include "core/options/Settings.h"

#include "core/options/HomePerson.h"
#include "core/options/OptionTable.h"
#include "core/platform/SettingsStore.h"
#include "TestSupport.h"

#include <set>
#include <tuple>

namespace {

/// A memory store that can refuse to read some names.
class CRecordingStore : public CMemorySettingsStore {
public:
    bool ReadValue(const std::wstring& strName, std::wstring& strValue) override
    {
        return !m_unreadable.count(strName) && CMemorySettingsStore::ReadValue(strName, strValue);
    }
    std::set<std::wstring> m_unreadable;
};

class SettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Settings = CSettings();
        m_pPrevious = SetSettingsStore(&m_store);
    }
    void TearDown() override
    {
        SetSettingsStore(m_pPrevious);
        Settings = CSettings();
        SetLanguage(L"En");
    }

    CRecordingStore m_store;
    CSettingsStore* m_pPrevious = nullptr;
};

TEST_F(SettingsTest, FlagsAreOneCharacterOfCodeOneOrNothing)
{
    Settings._1Name1 = true;
    SaveSettings();
    EXPECT_EQ(m_store.m_values[L"1Name1"], std::wstring(1, wchar_t{1}));
    EXPECT_EQ(m_store.m_values[L"Sh1Nam"], L"");

    m_store.m_values[L"Sh1Nam"] = L"x"; // any code but 0 is on
    m_store.m_values[L"DatForPatr"] = L"";
    m_store.m_values[L"PutAge"] = std::wstring(1, L'\0') + L"1";
    LoadSettings();
    EXPECT_TRUE(Settings.Sh1Nam);
    EXPECT_FALSE(Settings.DatForPatr) << "an empty string is off";
    EXPECT_FALSE(Settings.PutAge) << "only the first character counts";
}

// A number is one character of its low 16 bits, so a multiple of 65536 is the
// empty string, which reads as 0.
TEST_F(SettingsTest, NumbersAreOneCharacterOfTheirLow16Bits)
{
    const std::tuple<int, const wchar_t*, int> numbers[] = {
        {65535, L"\xFFFF", 65535}, {65536 + 7, L"\x0007", 7}, {65536, L"", 0}};
    for (const auto& [nStored, pszText, nRead] : numbers) {
        SCOPED_TRACE(nStored);
        Settings.LevForPatr = nStored;
        SaveSettings();
        EXPECT_EQ(m_store.m_values[L"LevForPatr"], pszText);
        Settings.LevForPatr = 77;
        LoadSettings();
        EXPECT_EQ(Settings.LevForPatr, nRead);
    }
}

// Each file keeps its own home person, newest first; an empty id forgets it,
// and a path that cannot be kept on one line is not kept.
TEST_F(SettingsTest, EachFileKeepsItsHomePerson)
{
    WriteHomePerson(L"/a.ged", L"@I1@");
    WriteHomePerson(L"/b.ged", L"@I2@");
    WriteHomePerson(L"/a.ged", L"@I3@");
    WriteHomePerson(L"/c\td.ged", L"@I4@");
    EXPECT_EQ(m_store.m_values[L"HomePersons"], L"/a.ged\t@I3@\n/b.ged\t@I2@");
    EXPECT_EQ(ReadHomePerson(L"/b.ged"), L"@I2@");
    WriteHomePerson(L"/b.ged", L"");
    EXPECT_EQ(ReadHomePerson(L"/b.ged"), L"");
    EXPECT_EQ(ReadHomePerson(L"/a.ged"), L"@I3@");
    for (int i = 0; i < 120; ++i)
        WriteHomePerson(L"/" + std::to_wstring(i), L"@I@");
    EXPECT_EQ(ReadHomePerson(L"/20"), L"@I@");
    EXPECT_EQ(ReadHomePerson(L"/19"), L"") << "a hundred files are kept";
}

// A date format but the two known reads as day.month.year, which shows the
// dates, instead of none at all.
TEST_F(SettingsTest, AnUnknownDateFormatReadsAsTheFirst)
{
    for (const auto& [pszStored, nRead] : {std::pair{L"\x0001", 1}, std::pair{L"1", 0}, std::pair{L"\x0002", 0}}) {
        m_store.m_values[L"DateFormat"] = pszStored;
        LoadSettings();
        EXPECT_EQ(Settings.DateFormat, nRead) << WideToUtf8(pszStored);
    }
}

// Only the first two characters are read, compared exactly; an unknown code
// selects Russian but is kept as it is.
TEST_F(SettingsTest, SelectsTheLanguageFromTheFirstTwoCharacters)
{
    const std::tuple<const wchar_t*, const wchar_t*, int> codes[] = {
        {L"Enx", L"En", 0}, {L"De", L"De", 200}, {L"en", L"en", 200}};
    for (const auto& [pszStored, pszLang, nStringOffset] : codes) {
        SCOPED_TRACE(WideToUtf8(pszStored));
        m_store.m_values[L"Lang"] = pszStored;
        LoadSettings();
        EXPECT_EQ(Settings.Lang, pszLang);
        EXPECT_EQ(theStringOffset, nStringOffset);
        EXPECT_EQ(theMenuOffset, nStringOffset / 10);
        EXPECT_FALSE(theLangModuleInUse);
        SaveSettings();
        EXPECT_EQ(m_store.m_values[L"Lang"], pszLang);
    }
}

TEST_F(SettingsTest, TheLastFileIsKeptOnlyWhileLastFileIsOn)
{
    theLastFileName = L"/a.ged";
    SaveSettings();
    EXPECT_EQ(m_store.m_values[L"LastFileName"], L"") << "turning LastFile off erases the stored path";

    m_store.m_values[L"LastFileName"] = L"/a.ged";
    theLastFileName = L"kept?";
    LoadSettings();
    EXPECT_TRUE(theLastFileName.empty()) << "with LastFile off the stored path is not read";
}

TEST_F(SettingsTest, AnUnreadableValueKeepsItsSetting)
{
    Settings.LastFile = true;
    Settings.LevForPatr = 9;
    Settings.ShowMidNam = true;
    theLastFileName = L"/a.ged";
    Settings.ContactsPath = L"/home/anna/Контакты.vcf";
    SaveSettings();
    m_store.m_unreadable = {L"LevForPatr", L"ShowMidNam", L"LastFileName", L"Lang", L"ContactsPath"};
    Settings = CSettings();
    Settings.Lang = L"Ru";
    Settings.ContactsPath = L"/kept.vcf";
    theLastFileName = L"/old.ged";
    LoadSettings();
    EXPECT_EQ(Settings.LevForPatr, 3);
    EXPECT_FALSE(Settings.ShowMidNam);
    EXPECT_TRUE(Settings.LastFile);
    EXPECT_TRUE(theLastFileName.empty()) << "an unreadable path reads as empty";
    EXPECT_EQ(Settings.Lang, L"Ru");
    EXPECT_EQ(theStringOffset, 200) << "the language in memory is still selected";
    EXPECT_EQ(Settings.ContactsPath, L"/kept.vcf");
}

// An option's value as the command line types it.
std::wstring ValueText(const CStoredOption& option)
{
    if (const bool* pbFlag = SettingOf<bool>(option))
        return *pbFlag ? L"1" : L"0";
    if (const int* pnNumber = SettingOf<int>(option))
        return std::to_wstring(*pnNumber);
    return *SettingOf<std::wstring>(option);
}

// A value the option does not hold now, as typed; a text far beyond the 199
// characters a value once could hold.
std::wstring OtherValueText(const CStoredOption& option)
{
    if (SettingOf<bool>(option))
        return ValueText(option) == L"1" ? L"0" : L"1";
    if (const int* pnNumber = SettingOf<int>(option))
        return std::to_wstring((*pnNumber + 1) % 0x10000);
    return L"~" + ValueText(option) + L"/Семья/" + std::wstring(200, L'a');
}

std::vector<std::wstring> EveryValueText()
{
    std::vector<std::wstring> astrValues;
    for (const CStoredOption& option : StoredOptions())
        astrValues.push_back(ValueText(option));
    return astrValues;
}

// Set as the command line sets it, then saved, every setting changed in
// memory and loaded: each option, this one included, comes back as saved.
TEST_F(SettingsTest, EachOptionIsSetFromTextAndSurvivesASaveAndLoad)
{
    for (const CStoredOption& option : StoredOptions()) {
        SCOPED_TRACE(WideToUtf8(option.m_pszName));
        Settings.LastFile = true; // the last file is kept only then
        const std::wstring strText = OtherValueText(option);
        ASSERT_TRUE(SetSettingFromText(option.m_pszName, strText));
        EXPECT_EQ(ValueText(option), strText.substr(0, option.m_nLength));
        const std::vector<std::wstring> astrSaved = EveryValueText();
        SaveSettings();
        for (const CStoredOption& other : StoredOptions())
            ASSERT_TRUE(SetSettingFromText(other.m_pszName, OtherValueText(other)));
        LoadSettings();
        EXPECT_EQ(EveryValueText(), astrSaved);
    }
}

// The options as the command line sets them: flags are 0 or 1, numbers fit 16
// bits, names are as stored; a refused value leaves the option as it was, and
// nothing reaches the store.
TEST_F(SettingsTest, SetSettingFromTextTakesOnlyWhatTheOptionCanHold)
{
    const std::tuple<const wchar_t*, const wchar_t*, bool> texts[] = {
        {L"PutAge", L"yes", false}, {L"LevForPatr", L"65535", true}, {L"LevForPatr", L"65536", false},
        {L"LevForPatr", L"-1", false}, {L"1name1", L"1", false}};
    for (const auto& [pszName, pszText, bTaken] : texts) {
        SCOPED_TRACE(WideToUtf8(std::wstring(pszName) + L"=" + pszText));
        const CSettings before = Settings;
        EXPECT_EQ(SetSettingFromText(pszName, pszText), bTaken);
        if (!bTaken) {
            EXPECT_EQ(Settings.LevForPatr, before.LevForPatr);
            EXPECT_EQ(Settings.PutAge, before.PutAge);
        }
    }
    EXPECT_TRUE(m_store.m_values.empty());
}

} // namespace
