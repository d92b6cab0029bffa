#pragma once

#include <string>

// What the two pages of the options sheet show and store. The sheet fills its
// controls from these values when a page opens and hands them back on confirm.

/// The "General" page.
struct CGeneralPageValues {
    bool m_bFileOpen = false;
    bool m_bLastFile = false;
    std::wstring m_strLang; ///< "En", "Fr", "Ge" or "Ru"; empty when no button is checked
    bool m_bDatForPatr = true;
    std::wstring m_strLevel; ///< the level field's text
    int m_nDateFormat = 0;   ///< 0 or 1; -1 when neither button is checked
};

/// The "Display" page: one flag per box, named as its setting.
struct CDisplayPageValues {
    bool AsInNameTag = true;
    bool PutSexLetter = false;
    bool _1Name1 = false;
    bool Sh1Nam = false;
    bool ShowMidNam = false;
    bool ShMidNam = false;
    bool MaidNam1 = false;
    bool InclNick = false;
    bool PutBirthDate = false;
    bool PutDeathDate = false;
    bool YearOnly = false;
    bool PutAge = false;
};

/// The page as it opens from the settings. Opening also sets the offsets of
/// the stored language again, so that they are those of the button shown; its
/// module stays as it was read.
CGeneralPageValues OpenGeneralPage();
CDisplayPageValues OpenDisplayPage();

/// Stores the page into the settings; the language is switched (its module
/// loaded again even when it is the one in use) unless no button is checked,
/// and the event and note labels are read again in every case.
void ConfirmGeneralPage(const CGeneralPageValues& values);
void ConfirmDisplayPage(const CDisplayPageValues& values);

/// The level field's number: its first 40 characters read as a leading
/// number; an empty field gives 0.
int LevelFromText(const std::wstring& strText);
