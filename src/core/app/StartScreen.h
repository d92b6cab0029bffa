#pragma once

#include <string>

/// The line under the start picture for the file loaded now: "GEDCOM-file: "
/// and the file's name without its folders, in the current language; empty
/// when no file is loaded.
std::wstring GetStartScreenFileLine(const std::wstring& strFileName);
