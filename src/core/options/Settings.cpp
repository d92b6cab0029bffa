#include "core/options/Settings.h"

#include "core/options/Language.h"
#include "core/platform/SettingsStore.h"
#include "core/text/WideText.h"

#include <cstddef>

CSettings Settings;
std::wstring& theLastFileName = Settings.LastFileName;

namespace {

// A flag is stored as one character of code 1 when on, and as the empty string
// when off; any first character but code 0 reads as on.
void ReadFlag(const wchar_t* pszName, bool& bFlag)
{
    std::wstring strValue;
    if (ReadRegString(pszName, strValue) >= 0)
        bFlag = !strValue.empty() && strValue[0] != 0;
}

// A number is stored as one character whose code is its low 16 bits, so 0 is
// the empty string.
void ReadNumber(const wchar_t* pszName, int& nNumber)
{
    std::wstring strValue;
    if (ReadRegString(pszName, strValue) >= 0)
        nNumber = strValue.empty() ? 0 : static_cast<int>(strValue[0]);
}

void WriteFlag(const wchar_t* pszName, bool bFlag)
{
    WriteRegString(pszName, bFlag ? std::wstring(1, wchar_t{1}) : std::wstring());
}

void WriteNumber(const wchar_t* pszName, int nNumber)
{
    const auto code = static_cast<wchar_t>(static_cast<unsigned>(nNumber) & 0xFFFFu);
    WriteRegString(pszName, code != 0 ? std::wstring(1, code) : std::wstring());
}

// The options stored as a flag or a number, by value name, in the order
// LoadSettings reads them. FileOpen and LastFile come first, for LastFileName.
struct CStoredOption {
    const wchar_t* m_pszName;
    bool CSettings::*m_pbFlag = nullptr;
    int CSettings::*m_pnNumber = nullptr;
};

const CStoredOption theStartOptions[] = {{L"FileOpen", &CSettings::FileOpen}, {L"LastFile", &CSettings::LastFile}};
const CStoredOption theDisplayOptions[] = {
    {L"1Name1", &CSettings::_1Name1},
    {L"MaidNam1", &CSettings::MaidNam1},
    {L"Sh1Nam", &CSettings::Sh1Nam},
    {L"ShMidNam", &CSettings::ShMidNam},
    {L"ShowMidNam", &CSettings::ShowMidNam},
    {L"InclNick", &CSettings::InclNick},
    {L"DatForPatr", &CSettings::DatForPatr},
    {L"AsInNameTag", &CSettings::AsInNameTag},
    {L"LevForPatr", nullptr, &CSettings::LevForPatr},
    {L"PutSexLetter", &CSettings::PutSexLetter},
    {L"PutAge", &CSettings::PutAge},
    {L"PutBirthDate", &CSettings::PutBirthDate},
    {L"PutDeathDate", &CSettings::PutDeathDate},
    {L"YearOnly", &CSettings::YearOnly},
    {L"DateFormat", nullptr, &CSettings::DateFormat},
};

void ReadOption(const CStoredOption& option)
{
    if (option.m_pbFlag)
        ReadFlag(option.m_pszName, Settings.*option.m_pbFlag);
    else
        ReadNumber(option.m_pszName, Settings.*option.m_pnNumber);
}

const CStoredOption* FindStoredOption(const std::wstring& strName)
{
    for (const CStoredOption& option : theStartOptions) {
        if (strName == option.m_pszName)
            return &option;
    }
    for (const CStoredOption& option : theDisplayOptions) {
        if (strName == option.m_pszName)
            return &option;
    }
    return nullptr;
}

// A number as typed: decimal digits only, within the 16 bits it is stored in.
bool ParseNumberText(const std::wstring& strText, int& nNumber)
{
    std::size_t nDigits = 0;
    const long long nValue = LeadingNumber(strText, &nDigits);
    if (nDigits == 0 || nDigits != strText.size() || nValue > 0xFFFF)
        return false;
    nNumber = static_cast<int>(nValue);
    return true;
}

} // namespace

int ReadRegString(const std::wstring& strName, std::wstring& strValue)
{
    return GetSettingsStore().ReadValue(strName, strValue) ? 0 : -1;
}

int WriteRegString(const std::wstring& strName, const std::wstring& strText)
{
    return GetSettingsStore().WriteValue(strName, strText) ? 0 : -1;
}

void LoadSettings()
{
    for (const CStoredOption& option : theStartOptions)
        ReadOption(option);
    if (!Settings.LastFile || ReadRegString(L"LastFileName", Settings.LastFileName) < 0)
        Settings.LastFileName.clear();
    for (const CStoredOption& option : theDisplayOptions)
        ReadOption(option);
    std::wstring strLang;
    if (ReadRegString(L"Lang", strLang) >= 0)
        Settings.Lang = strLang.substr(0, 2);
    std::wstring strContactsPath;
    if (ReadRegString(L"ContactsPath", strContactsPath) >= 0)
        Settings.ContactsPath = strContactsPath;
    SetLanguage(Settings.Lang);
}

bool SetSettingFromText(const std::wstring& strName, const std::wstring& strText)
{
    if (const CStoredOption* pOption = FindStoredOption(strName)) {
        if (pOption->m_pnNumber)
            return ParseNumberText(strText, Settings.*pOption->m_pnNumber);
        if (strText != L"0" && strText != L"1")
            return false;
        Settings.*pOption->m_pbFlag = strText == L"1";
        return true;
    }
    if (strName == L"Lang")
        Settings.Lang = strText.substr(0, 2);
    else if (strName == L"LastFileName")
        Settings.LastFileName = strText;
    else
        return false;
    return true;
}

void SaveSettings()
{
    WriteFlag(L"LastFile", Settings.LastFile);
    WriteRegString(L"LastFileName", Settings.LastFile ? Settings.LastFileName : std::wstring());
    WriteFlag(L"FileOpen", Settings.FileOpen);
    WriteFlag(L"1Name1", Settings._1Name1);
    WriteFlag(L"MaidNam1", Settings.MaidNam1);
    WriteFlag(L"Sh1Nam", Settings.Sh1Nam);
    WriteFlag(L"ShowMidNam", Settings.ShowMidNam);
    WriteFlag(L"ShMidNam", Settings.ShMidNam);
    WriteFlag(L"DatForPatr", Settings.DatForPatr);
    WriteNumber(L"LevForPatr", Settings.LevForPatr);
    WriteFlag(L"InclNick", Settings.InclNick);
    WriteFlag(L"AsInNameTag", Settings.AsInNameTag);
    WriteFlag(L"PutSexLetter", Settings.PutSexLetter);
    WriteFlag(L"PutAge", Settings.PutAge);
    WriteFlag(L"PutBirthDate", Settings.PutBirthDate);
    WriteFlag(L"PutDeathDate", Settings.PutDeathDate);
    WriteFlag(L"YearOnly", Settings.YearOnly);
    WriteNumber(L"DateFormat", Settings.DateFormat);
    WriteRegString(L"Lang", Settings.Lang.substr(0, 2));
    WriteRegString(L"ContactsPath", Settings.ContactsPath);
}
