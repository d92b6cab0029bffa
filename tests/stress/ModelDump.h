#pragma once

#include <string>

/// Everything the reader stores, one field a line, to compare whole models.
std::wstring DumpTables();
