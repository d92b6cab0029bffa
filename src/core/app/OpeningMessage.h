#pragma once

#include "core/platform/Message.h"

#include <string>

/// A box to show once a file has been read; none when its text is empty.
struct COpeningMessage {
    std::wstring m_strText;
    std::wstring m_strCaption;
    CMessageIcon m_icon = CMessageIcon::Exclamation;
};

/// What the user is told after ReadGedcomFile(strPath) gave `bRead`: that the
/// file cannot be opened, with the system's reason on a line of its own, or
/// that it holds no person and no family. A reading stopped by a level above 9
/// has shown its own box.
COpeningMessage GetOpeningMessage(const std::wstring& strPath, bool bRead);
