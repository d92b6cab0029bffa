#include "options/Settings.h"

#include "options/Language.h"
#include "platform/SettingsStore.h"

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
    ReadFlag(L"FileOpen", Settings.FileOpen);
    ReadFlag(L"LastFile", Settings.LastFile);
    if (!Settings.LastFile || ReadRegString(L"LastFileName", Settings.LastFileName) < 0)
        Settings.LastFileName.clear();
    ReadFlag(L"1Name1", Settings._1Name1);
    ReadFlag(L"MaidNam1", Settings.MaidNam1);
    ReadFlag(L"Sh1Nam", Settings.Sh1Nam);
    ReadFlag(L"ShMidNam", Settings.ShMidNam);
    ReadFlag(L"ShowMidNam", Settings.ShowMidNam);
    ReadFlag(L"InclNick", Settings.InclNick);
    ReadFlag(L"DatForPatr", Settings.DatForPatr);
    ReadFlag(L"AsInNameTag", Settings.AsInNameTag);
    ReadNumber(L"LevForPatr", Settings.LevForPatr);
    ReadFlag(L"PutSexLetter", Settings.PutSexLetter);
    ReadFlag(L"PutAge", Settings.PutAge);
    ReadFlag(L"PutBirthDate", Settings.PutBirthDate);
    ReadFlag(L"PutDeathDate", Settings.PutDeathDate);
    ReadFlag(L"YearOnly", Settings.YearOnly);
    ReadNumber(L"DateFormat", Settings.DateFormat);
    std::wstring strLang;
    if (ReadRegString(L"Lang", strLang) >= 0)
        Settings.Lang = strLang.substr(0, 2);
    std::wstring strContactsPath;
    if (ReadRegString(L"ContactsPath", strContactsPath) >= 0)
        Settings.ContactsPath = strContactsPath;
    SetLanguage(Settings.Lang);
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
