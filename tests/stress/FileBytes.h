#pragma once

#include <filesystem>
#include <string>

/// The whole content of a file, empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

/// Replaces the file's content; false when it cannot be written whole.
bool WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
