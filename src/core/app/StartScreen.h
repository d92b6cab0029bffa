#pragma once

#include <string>

/// The line under the start picture for the file last chosen: "GEDCOM-file: "
/// and the file's name without its folders, in the current language; empty
/// when no file has been chosen.
std::wstring GetStartScreenFileLine(const std::wstring& strLastFileName);
