#include "core/options/Settings.h"

#include "core/options/OptionTable.h"
#include "core/platform/SettingsStore.h"
#include "TestSupport.h"

#include <set>

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
    // Saves, forgets everything in memory and loads again.
    void RoundTrip()
    {
        SaveSettings();
        Settings = CSettings();
        Settings.DatForPatr = Settings.AsInNameTag = false; // so that a flag read as on shows
        LoadSettings();
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

struct CNumberCase {
    int m_nStored;
    int m_nRead;
    const wchar_t* m_pszText;
    const char* m_pszWhy;
};

class SettingsNumberTest : public SettingsTest, public testing::WithParamInterface<CNumberCase> {};

TEST_P(SettingsNumberTest, NumbersAreOneCharacterOfTheirLow16Bits)
{
    Settings.LevForPatr = GetParam().m_nStored;
    SaveSettings();
    EXPECT_EQ(m_store.m_values[L"LevForPatr"], GetParam().m_pszText) << GetParam().m_pszWhy;
    Settings.LevForPatr = 77;
    LoadSettings();
    EXPECT_EQ(Settings.LevForPatr, GetParam().m_nRead) << GetParam().m_pszWhy;
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsNumberTest, testing::Values(
    CNumberCase{3, 3, L"\x0003", "a small level"},
    CNumberCase{0, 0, L"", "0 is the empty string, which reads as 0"},
    CNumberCase{65535, 65535, L"\xFFFF", "the largest that fits"},
    CNumberCase{65536 + 7, 7, L"\x0007", "above 65535 it is kept modulo 65536"},
    CNumberCase{65536, 0, L"", "a multiple of 65536 is stored as 0"}),
    [](const auto& row) { return TestName(row.param.m_pszWhy); });

struct CLangCase {
    const wchar_t* m_pszStored;
    const wchar_t* m_pszLang;
    int m_nStringOffset;
    const char* m_pszWhy;
};

class SettingsLangTest : public SettingsTest, public testing::WithParamInterface<CLangCase> {};

TEST_P(SettingsLangTest, SelectsTheLanguageFromTheFirstTwoCharacters)
{
    m_store.m_values[L"Lang"] = GetParam().m_pszStored;
    LoadSettings();
    EXPECT_EQ(Settings.Lang, GetParam().m_pszLang) << GetParam().m_pszWhy;
    EXPECT_EQ(theStringOffset, GetParam().m_nStringOffset) << GetParam().m_pszWhy;
    EXPECT_EQ(theMenuOffset, GetParam().m_nStringOffset / 10) << GetParam().m_pszWhy;
    EXPECT_FALSE(theLangModuleInUse) << GetParam().m_pszWhy;
    SaveSettings();
    EXPECT_EQ(m_store.m_values[L"Lang"], GetParam().m_pszLang) << "written as its two characters";
}

INSTANTIATE_TEST_SUITE_P(Codes, SettingsLangTest, testing::Values(
    CLangCase{L"En", L"En", 0, "English"},
    CLangCase{L"Ru", L"Ru", 200, "Russian"},
    CLangCase{L"Enx", L"En", 0, "only two characters are read"},
    CLangCase{L"", L"", 200, "an empty code selects Russian"},
    CLangCase{L"De", L"De", 200, "an unknown code selects Russian"},
    CLangCase{L"en", L"en", 200, "codes are compared exactly"}),
    [](const auto& row) { return TestName(row.param.m_pszWhy); });

TEST_F(SettingsTest, TheLastFileIsKeptWholeOnlyWhileLastFileIsOn)
{
    std::wstring strPath = L"/home/anna/Семья";
    while (strPath.size() < 500) // far beyond the 199 characters a value once could hold
        strPath += L"/a folder with a long name";
    Settings.LastFile = true;
    theLastFileName = strPath;
    RoundTrip();
    EXPECT_EQ(theLastFileName, strPath);

    Settings.LastFile = false;
    SaveSettings();
    EXPECT_EQ(m_store.m_values[L"LastFileName"], L"") << "turning LastFile off erases the stored path";

    m_store.m_values[L"LastFileName"] = strPath;
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

// A value the option does not hold now, as typed.
std::wstring OtherValueText(const CStoredOption& option)
{
    if (SettingOf<bool>(option))
        return ValueText(option) == L"1" ? L"0" : L"1";
    if (const int* pnNumber = SettingOf<int>(option))
        return std::to_wstring((*pnNumber + 1) % 0x10000);
    return L"~" + ValueText(option) + L"/Семья";
}

std::vector<std::wstring> EveryValueText()
{
    std::vector<std::wstring> astrValues;
    for (const CStoredOption& option : StoredOptions())
        astrValues.push_back(ValueText(option));
    return astrValues;
}

class StoredOptionTest : public SettingsTest, public testing::WithParamInterface<const CStoredOption*> {};

// Set as the command line sets it, then saved, every setting changed in
// memory and loaded: each option, this one included, comes back as saved.
TEST_P(StoredOptionTest, IsSetFromTextAndSurvivesASaveAndLoad)
{
    const CStoredOption& option = *GetParam();
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

INSTANTIATE_TEST_SUITE_P(Table, StoredOptionTest,
                         testing::ValuesIn([] {
                             std::vector<const CStoredOption*> options;
                             for (const CStoredOption& option : StoredOptions())
                                 options.push_back(&option);
                             return options;
                         }()),
                         [](const testing::TestParamInfo<const CStoredOption*>& option) {
                             return WideToUtf8(option.param->m_pszName);
                         });

} // namespace

struct SettingTextCase {
    const wchar_t* name;
    const wchar_t* text;
    bool taken;
};
class SetSettingFromTextTest : public SettingsTest, public testing::WithParamInterface<SettingTextCase> {};

// The options as the command line sets them; a refused value leaves the
// option as it was, and nothing reaches the store.
TEST_P(SetSettingFromTextTest, TakesOnlyWhatTheOptionCanHold)
{
    const CSettings before = Settings;
    EXPECT_EQ(SetSettingFromText(GetParam().name, GetParam().text), GetParam().taken);
    if (!GetParam().taken) {
        EXPECT_EQ(Settings.LevForPatr, before.LevForPatr);
        EXPECT_EQ(Settings.PutAge, before.PutAge);
    }
    EXPECT_TRUE(m_store.m_values.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, SetSettingFromTextTest, testing::Values(
    SettingTextCase{L"PutAge", L"yes", false}, SettingTextCase{L"PutAge", L"", false},   // flags are 0 or 1
    SettingTextCase{L"LevForPatr", L"65535", true}, SettingTextCase{L"LevForPatr", L"65536", false},
    SettingTextCase{L"LevForPatr", L"-1", false}, SettingTextCase{L"LevForPatr", L" 4", false},
    SettingTextCase{L"1name1", L"1", false}),   // names as stored
    [](const auto& row) {
        return TestName(WideToUtf8(row.param.name) + " " + WideToUtf8(row.param.text)) + "_" +
               std::to_string(row.index);
    });
