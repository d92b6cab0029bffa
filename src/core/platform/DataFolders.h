#pragma once

#include <filesystem>
#include <vector>

/// Folders searched, in order, for the files that come with the program
/// (language modules, the help file, the sample): beside the executable, in
/// ../share/stemmark from it, and in the installed data folder.
extern std::vector<std::filesystem::path> theDataFolders;

/// The first existing file `relative` below one of the data folders; empty
/// when there is none.
std::filesystem::path FindDataFile(const std::filesystem::path& relative);
