#pragma once

#include <string>

// The home person of each file: the person the user measures the others
// against, kept by the file's path and the person's id.

/// The id of the home person kept for the file at `strFile` (by its whole
/// path, however it is typed); empty for none.
std::wstring ReadHomePerson(const std::wstring& strFile);

/// Keeps `strPersonId` as the file's home person; an empty id forgets it. The
/// newest files are kept, up to a hundred; a path with a tab or a line end
/// is not kept.
void WriteHomePerson(const std::wstring& strFile, const std::wstring& strPersonId);
