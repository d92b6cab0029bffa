#pragma once

#include "core/platform/Message.h"

#include <string>
#include <string_view>

/// How a reading went: false when the file cannot be opened (a log entry) or a
/// level above 9 in a person or family record stopped it (a box to show).
struct CReadResult {
    bool m_bRead = false;
    CMessages m_messages;
};

/// Reads a GEDCOM file into thePersons and theFamilies, which it empties first,
/// and sets theFileFolder. What was read before a failure stays.
CReadResult ReadGedcomFile(const std::wstring& strPath);

/// Why the last reading could not open its file, in the system's words ("No
/// such file or directory", "Is a directory"); empty when it opened it.
const std::wstring& GetReadFailureText();

/// As ReadGedcomFile, but a continued line reaches the parser again after each
/// continuation line, with its text so far. Costs time with the square of a
/// value's continuation lines; kept to check ReadGedcomFile against it.
CReadResult ReadGedcomFileLineByLine(const std::wstring& strPath);

/// A physical line as the reader sees it: trimmed, a blank put before the
/// first slash and before opening parentheses that follow a non-blank, runs of
/// blanks collapsed. Empty for a blank line. For wide text and for the
/// model's encoding of it.
template <class TChar>
void NormaliseGedcomLine(std::basic_string_view<TChar> line, std::basic_string<TChar>& out);

/// The same for the reader: the line itself, trimmed, when nothing else
/// changes, which is most lines; else the normal line made in `strNormal`.
std::string_view NormalGedcomLine(std::string_view line, std::string& strNormal);
inline void NormaliseGedcomLine(const wchar_t* pszLine, std::wstring& out)
{
    NormaliseGedcomLine(std::wstring_view(pszLine), out);
}
