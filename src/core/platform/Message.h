#pragma once

#include <string>
#include <vector>

enum class CMessageIcon { Exclamation, Information, Stop };

/// A message box as the user sees it. The core only says which boxes to show
/// and in what order; the program shows them, the command-line tool prints them.
struct CMessageBox {
    std::wstring m_strText;
    std::wstring m_strCaption;
    CMessageIcon m_icon = CMessageIcon::Information;

    bool operator==(const CMessageBox&) const = default;
};

/// Boxes in the order they are to be shown.
using CMessages = std::vector<CMessageBox>;
