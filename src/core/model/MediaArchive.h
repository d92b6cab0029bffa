#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The media packed with a file, as a GEDZIP packs them beside its gedcom:
/// entries named by their paths in the package, read only when shown. A
/// thumbnail may be made on any thread, so reading is safe from several.
class CMediaArchive {
public:
    virtual ~CMediaArchive() = default;
    /// The entries' names as the package writes them (UTF-8, '/' between
    /// folders), in its order; folders are left out.
    virtual const std::vector<std::string>& EntryNames() const = 0;
    /// The entry's whole content, at most `nLimit` bytes; false with the
    /// reason in `strReason` when it is not there, is larger or is damaged.
    virtual bool ReadEntry(std::string_view name, std::uint64_t nLimit, std::string& out,
                           std::wstring& strReason) const = 0;
};
