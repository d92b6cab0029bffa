#pragma once

#include "core/platform/Message.h"

#include <string>

class CDocument;

/// What the user is told after ReadGedcomFile(strPath) gave `doc` and `bRead`: that the
/// file cannot be opened, with the system's reason on a line of its own, or
/// that it holds no person and no family. A reading stopped by a level above 9
/// has given its own box. None when the file read and has something to show.
CMessages GetOpeningMessage(const std::wstring& strPath, const CDocument& doc, bool bRead);
