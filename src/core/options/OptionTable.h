#pragma once

#include "core/options/Settings.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// The page of the options sheet that shows an option, if any.
enum class EOptionsPage { None, General, Display };

/// How a page shows an option: a plain check box is handled from the table
/// alone; a group of buttons and a field have code of their own.
enum class EOptionControl { None, CheckBox, Buttons, Field };

/// The setting an option keeps: a flag, a number or a text.
using COptionMember = std::variant<bool CSettings::*, int CSettings::*, std::wstring CSettings::*>;

/// One stored option: everything loading, saving, the sheet and the command
/// line need to know of it.
struct CStoredOption {
    const wchar_t* m_pszName; ///< the stored value's name, as users' settings hold it
    COptionMember m_member;
    EOptionsPage m_page = EOptionsPage::None;
    EOptionControl m_control = EOptionControl::None;
    const char* m_pszControl = nullptr; ///< the control's object name; a group's first button
    int m_nLabelId = 0;                 ///< a box's or button's text, a group's title; 0 for none
    std::size_t m_nLength = std::wstring::npos; ///< a text is kept to this many characters
    bool CSettings::*m_pbKeptWhile = nullptr;   ///< a text stored only while this flag is on
};

/// Every stored option, in the order they are written and read.
std::span<const CStoredOption> StoredOptions();

/// The option stored under `strName`, compared exactly; null if none.
const CStoredOption* FindStoredOption(std::wstring_view strName);

/// The options a page shows by one kind of control, in the table's order.
std::vector<const CStoredOption*> OptionsOnPage(EOptionsPage page, EOptionControl control);

/// The setting an option keeps, in the process-wide settings; null when the
/// option is not of that kind.
template <class T>
T* SettingOf(const CStoredOption& option)
{
    const auto* pMember = std::get_if<T CSettings::*>(&option.m_member);
    return pMember ? &(Settings.**pMember) : nullptr;
}
