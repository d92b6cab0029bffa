#pragma once

#include "core/options/OptionTable.h"

#include <map>
#include <string>

// What the two pages of the options sheet show and store. The sheet fills its
// controls from these values when a page opens and hands them back on confirm.

/// A page's plain check boxes, each by the option it shows.
using COptionBoxes = std::map<const CStoredOption*, bool>;

/// The "General" page.
struct CGeneralPageValues {
    COptionBoxes m_boxes;
    std::wstring m_strLang;  ///< a code of the language table; empty when no button is checked
    std::wstring m_strLevel; ///< the level field's text
    int m_nDateFormat = 0;   ///< 0 or 1; -1 when neither button is checked
};

/// The "Display" page.
struct CDisplayPageValues {
    COptionBoxes m_boxes;
    bool m_bAsInNameTag = true;
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
