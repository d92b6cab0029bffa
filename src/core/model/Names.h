#pragma once

// The name operations themselves are members of CPerson (model/Person.h).

/// While on, GetDisplayName shortens nothing; GetFullName turns it on for the
/// length of its call.
extern bool theNoShortening;

/// Shown in place of a first or middle name that the NAME value does not let cut.
inline constexpr wchar_t theFirstNameFormatError[] = L"*FirstNameFormatError";
inline constexpr wchar_t theMiddleNameFormatError[] = L"*MiddleNameFormatError";
