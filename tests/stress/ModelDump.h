#pragma once

#include <string>

class CDocument;

/// Everything the reader stores, one field a line, to compare whole models.
std::wstring DumpDocument(const CDocument& doc);
