#pragma once

#include <string>

/// The user's options, process-wide, each named by its stored value name.
struct CSettings {
    std::wstring Lang = L"En"; ///< "En", "Ru", "Fr", "Ge" or "It"; anything else reads as Russian
};

extern CSettings Settings;
