#pragma once

#include "core/model/Document.h"
#include "core/platform/Message.h"

#include <memory>
#include <string>
#include <string_view>

/// How a reading went: false when the file cannot be opened (a log entry) or a
/// level above 9 in a person or family record stopped it (a box to show).
struct CReadResult {
    std::unique_ptr<CDocument> m_pDocument; ///< never null: what was read, all or part of the file
    bool m_bRead = false;
    CMessages m_messages;
};

/// Reads a GEDCOM file into a new document, which knows the file's folder.
/// What was read before a failure stays.
CReadResult ReadGedcomFile(const std::wstring& strPath);

/// The same for a file's content in memory, as a document without a folder.
CReadResult ReadGedcom(std::string_view bytes);

/// The same for the gedcom of a package at `strPath` read into memory: the
/// document knows the package's path and folder and keeps its media.
CReadResult ReadGedcomPackage(const std::wstring& strPath, std::string_view gedcom,
                              std::unique_ptr<const CMediaArchive> pArchive);

/// An empty document for a file that cannot be read for `strReason`, logged
/// as a file that cannot be opened is.
CReadResult FailedReading(const std::wstring& strPath, const std::wstring& strReason);

/// As ReadGedcom, but a continued line reaches the parser again after each
/// continuation line, with its text so far. Costs time with the square of a
/// value's continuation lines; kept to check ReadGedcom against it.
CReadResult ReadGedcomLineByLine(std::string_view bytes);

/// Whether a trimmed line's tag is NAME.
template <class TChar>
bool IsNameLine(std::basic_string_view<TChar> line);

/// A physical line as the reader sees it: trimmed, a blank put before
/// opening parentheses that follow a non-blank, and in a NAME line of a
/// person record before the first slash, runs of blanks collapsed. Empty for
/// a blank line. For wide text and for the model's encoding of it.
template <class TChar>
void NormaliseGedcomLine(std::basic_string_view<TChar> line, std::basic_string<TChar>& out, bool bPersonRecord);

/// The same for the reader: the line itself, trimmed, when nothing else
/// changes, which is most lines; else the normal line made in `strNormal`.
std::string_view NormalGedcomLine(std::string_view line, std::string& strNormal, bool bPersonRecord);
inline void NormaliseGedcomLine(const wchar_t* pszLine, std::wstring& out, bool bPersonRecord)
{
    NormaliseGedcomLine(std::wstring_view(pszLine), out, bPersonRecord);
}
