#pragma once

#include "core/options/ResourceTable.h"

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The language state. A language is an offset added to every English string id,
// an offset added to every English menu id and, for French, German and Italian,
// the module file whose resources are searched.

extern int theStringOffset;
extern int theMenuOffset;
extern bool theLangModuleInUse;
/// The loaded module; empty while none is loaded, and also when the module of
/// the language in use could not be loaded (its texts then come in English).
extern std::unique_ptr<CResourceTable> theLangModule;
/// The program's own resources, English and Russian, built into the executable.
extern const CResourceTable* theOwnResources;

/// A language the program ships. Its row in the language table is the one
/// place its code and what hangs on it are written.
struct CLanguage {
    const wchar_t* m_pszCode; ///< as stored and as the command line takes it
    int m_nStringOffset;
    int m_nMenuOffset;
    const char* m_pszModule;     ///< nullptr: the program's own resources
    const wchar_t* m_pszHelpTag; ///< put before the help file's extension
    const char* m_pszQtLocale;   ///< of Qt's own translation; empty: Qt's English
    int m_nNameId;               ///< English string id of the language's name
    const char* m_pszControl;    ///< object name of its button on the options sheet
};

/// Every shipped language, in the order of their offsets.
std::span<const CLanguage> Languages();

/// The language of code `strLang`; nullptr for a code not in the table.
const CLanguage* FindLanguage(const std::wstring& strLang);

/// The language that code `strLang` selects: one not in the table selects Russian.
const CLanguage& SelectedLanguage(const std::wstring& strLang);

/// Reads the program's own resources once; every look-up calls it too.
void LoadOwnResources();

/// Selects the language of `strLang` (a stored or chosen code, as
/// SelectedLanguage reads it) and loads or releases its module.
void SetLanguage(const std::wstring& strLang);

/// Sets the string and menu offsets of `strLang` again and keeps its module as
/// it was read: a missing module is neither looked for nor logged once more.
/// The module of another language than the one set last is switched as by
/// SetLanguage.
void ResetLanguageOffsets(const std::wstring& strLang);

/// The text of English string id `nId` in the current language; empty when the
/// language has no such string. A module that lacks it gives the English text.
std::wstring LoadLangString(int nId);

/// LoadLangString without a copy, for texts asked for once per person of a
/// list; it stays valid until the language changes.
std::wstring_view LangStringView(int nId);

/// The English text of string id `nId`, whatever the language.
std::wstring LoadBaseString(int nId);

/// The help file of the current language for the English help file `strFile`:
/// "Stemmark.htm" is "StemmarkLangFra.htm" in French, as the module is named
/// (Russian, which has no module, follows the pattern: "StemmarkLangRus.htm").
std::wstring LangHelpFile(const std::wstring& strFile);

/// One drop-down of a menu bar: the caption of its button and its items.
struct CMenuBarMenu {
    int m_nMenuId = 0; ///< the menu resource loaded: English id plus the offset
    std::wstring m_strCaption;
    std::vector<CMenuItem> m_items;
};

/// Builds the menu bar of English menu ids `anEnglishIds` in the current
/// language. False when a menu is in neither the language nor English; the
/// window then leaves the rest of its menu bar alone.
bool BuildMenuBar(const std::vector<int>& anEnglishIds, std::vector<CMenuBarMenu>& bar);
