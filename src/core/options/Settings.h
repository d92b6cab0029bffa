#pragma once

#include <string>

/// The user's options, process-wide, each named by its stored value name.
struct CSettings {
    bool FileOpen = false; ///< at start, ask for a file
    bool LastFile = false; ///< at start, open LastFileName, and keep it up to date
    std::wstring LastFileName; ///< the GEDCOM file last opened
    bool _1Name1 = false; ///< "1Name1": first name before last name (a name cannot start with a digit)
    bool MaidNam1 = false; ///< in Married (Maiden), the maiden name first
    bool Sh1Nam = false; ///< first name as an initial
    bool ShMidNam = false; ///< middle name as an initial
    bool ShowMidNam = false;
    bool InclNick = false; ///< nickname in square brackets after the name
    bool DatForPatr = true; ///< descendants and generations after each patriarch
    bool AsInNameTag = true; ///< full names as the NAME tag writes them
    int LevForPatr = 3; ///< least descendant generations of a patriarch
    bool PutSexLetter = false;
    bool PutAge = false;
    bool PutBirthDate = false;
    bool PutDeathDate = false;
    bool YearOnly = false; ///< list dates cut to their last four characters
    int DateFormat = 0; ///< 0: dd.mm.yyyy, 1: mm/dd/yyyy
    std::wstring Lang = L"En"; ///< "En", "Ru", "Fr", "Ge" or "It"; anything else reads as Russian
    std::wstring ContactsPath; ///< the vCard file or folder compared with; empty until one is chosen
};

extern CSettings Settings;
/// The name the rest of the program knows the last file by.
extern std::wstring& theLastFileName;

/// Reads a stored value whole; 0 on success, negative when it is missing or
/// cannot be read.
int ReadRegString(const std::wstring& strName, std::wstring& strValue);

/// Stores a value; 0 on success, negative on failure (which callers ignore).
int WriteRegString(const std::wstring& strName, const std::wstring& strText);

/// Reads every stored option over the defaults, then selects the language.
/// A value that cannot be read keeps its setting as it was.
void LoadSettings();

/// Sets the option stored under `strName` for this run only, from its text as
/// a person types it: a flag 0 or 1, a number in decimal (0 to 65535, as it
/// is stored), a text as written (cut as it is stored). False for an unknown
/// name or a value the option cannot take; a new Lang is selected by SetLanguage.
bool SetSettingFromText(const std::wstring& strName, const std::wstring& strText);

/// Writes every option, changed or not.
void SaveSettings();
