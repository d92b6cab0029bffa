#pragma once

// The name operations themselves are members of CPerson (model/Person.h).

/// How names read, as the display options ask.
struct CNameStyle {
    bool m_bFirstFirst = false;    ///< first name before last name
    bool m_bMaidenFirst = false;   ///< in Married (Maiden), the maiden name first
    bool m_bFirstInitial = false;  ///< first name as an initial
    bool m_bMiddleInitial = false; ///< middle name as an initial
    bool m_bShowMiddle = false;
    bool m_bNick = false;          ///< nickname in square brackets after the name
    bool m_bAsInNameTag = true;    ///< full names as the NAME tag writes them
    bool m_bNoShortening = false;  ///< no initials, as full names have none
};

/// Shown in place of a first or middle name that the NAME value does not let cut.
inline constexpr wchar_t theFirstNameFormatError[] = L"*FirstNameFormatError";
inline constexpr wchar_t theMiddleNameFormatError[] = L"*MiddleNameFormatError";
