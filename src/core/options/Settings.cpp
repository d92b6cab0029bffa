#include "core/options/Settings.h"

#include "core/options/Language.h"
#include "core/options/OptionTable.h"
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

// A text is stored whole, or cut to the length its option keeps; one kept only
// while a flag is on is not read while the flag is off, and reads as empty
// when it cannot be read.
void ReadText(const CStoredOption& option, std::wstring& strText)
{
    const bool bKept = !option.m_pbKeptWhile || Settings.*option.m_pbKeptWhile;
    std::wstring strValue;
    if (bKept && ReadRegString(option.m_pszName, strValue) >= 0)
        strText = strValue.substr(0, option.m_nLength);
    else if (option.m_pbKeptWhile)
        strText.clear();
}

void WriteText(const CStoredOption& option, const std::wstring& strText)
{
    const bool bKept = !option.m_pbKeptWhile || Settings.*option.m_pbKeptWhile;
    WriteRegString(option.m_pszName, bKept ? strText.substr(0, option.m_nLength) : std::wstring());
}

void ReadOption(const CStoredOption& option)
{
    if (bool* pbFlag = SettingOf<bool>(option))
        ReadFlag(option.m_pszName, *pbFlag);
    else if (int* pnNumber = SettingOf<int>(option))
        ReadNumber(option.m_pszName, *pnNumber);
    else
        ReadText(option, *SettingOf<std::wstring>(option));
}

void WriteOption(const CStoredOption& option)
{
    if (const bool* pbFlag = SettingOf<bool>(option))
        WriteFlag(option.m_pszName, *pbFlag);
    else if (const int* pnNumber = SettingOf<int>(option))
        WriteNumber(option.m_pszName, *pnNumber);
    else
        WriteText(option, *SettingOf<std::wstring>(option));
}

// A flag as typed is 0 or 1; a text is taken as written, cut as it is stored.
bool SetOptionFromText(const CStoredOption& option, const std::wstring& strText)
{
    if (int* pnNumber = SettingOf<int>(option))
        return ParseNumberText(strText, *pnNumber);
    if (std::wstring* pstrText = SettingOf<std::wstring>(option)) {
        *pstrText = strText.substr(0, option.m_nLength);
        return true;
    }
    if (strText != L"0" && strText != L"1")
        return false;
    *SettingOf<bool>(option) = strText == L"1";
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
    for (const CStoredOption& option : StoredOptions())
        ReadOption(option);
    // A date format the program does not know, as a hand-edited "1" (code
    // 49), would leave every date blank: it reads as the first.
    if (Settings.DateFormat != 0 && Settings.DateFormat != 1)
        Settings.DateFormat = 0;
    SetLanguage(Settings.Lang);
}

bool SetSettingFromText(const std::wstring& strName, const std::wstring& strText)
{
    const CStoredOption* pOption = FindStoredOption(strName);
    return pOption && SetOptionFromText(*pOption, strText);
}

void SaveSettings()
{
    for (const CStoredOption& option : StoredOptions())
        WriteOption(option);
}
