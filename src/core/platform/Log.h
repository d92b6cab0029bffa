#pragma once

#include <filesystem>
#include <string>

// The log of reading errors: Stemmark.log in the folder of the file being read,
// else in the user's state folder. Entries are UTF-8, written whole, and carry
// their own line ends. A log that cannot be written is silently passed over.

/// The folder of the file last read, with its trailing '/'; empty before the
/// first reading. The reader sets it; the log is written there.
extern std::wstring theFileFolder;

/// Appends one entry. Before the first entry of a run that finds the log not
/// empty, a separator line marks the new run.
void WriteLog(const std::wstring& strText);

/// The file WriteLog writes to now.
std::filesystem::path GetLogPath();

/// Makes the separator due again, as at program start.
void ResetLogSeparator();
