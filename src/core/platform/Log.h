#pragma once

#include <filesystem>
#include <string>

// The log of reading errors: Stemmark.log in the folder of the file being read,
// else in the user's state folder. Entries are UTF-8, written whole, and carry
// their own line ends. A log that cannot be written is silently passed over.

/// Appends one entry to the log of the file in `strFolder` (the folder with
/// its trailing '/'), or to the user's log when the folder is empty. Before
/// the first entry of a run that finds a log not empty, a separator line
/// marks the new run.
void WriteLog(const std::wstring& strFolder, const std::wstring& strText);
/// The same into the user's log, for what belongs to no file.
inline void WriteLog(const std::wstring& strText) { WriteLog(std::wstring(), strText); }

/// The file WriteLog writes to for a file in `strFolder`.
std::filesystem::path GetLogPath(const std::wstring& strFolder = std::wstring());

/// Makes the separator due again in every log, as at program start.
void ResetLogSeparator();
