#pragma once

#include "core/model/GedcomReader.h"
#include "core/model/MediaArchive.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

struct zip;

/// A zip file opened read-only, its entries read into memory on demand and
/// never unpacked to disk.
class CZipArchive : public CMediaArchive {
public:
    enum class CEntryRead { Read, Missing, TooLarge, Damaged };

    /// The zip at `strPath`; null with the reason in `strReason` when it
    /// cannot be opened or is not a sound zip.
    static std::unique_ptr<CZipArchive> Open(const std::wstring& strPath, std::wstring& strReason);
    ~CZipArchive() override;
    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;

    const std::vector<std::string>& EntryNames() const override { return m_astrNames; }
    bool ReadEntry(std::string_view name, std::uint64_t nLimit, std::string& out,
                   std::wstring& strReason) const override;
    /// ReadEntry's outcome as a kind, for a caller that words it itself.
    CEntryRead Read(std::string_view name, std::uint64_t nLimit, std::string& out) const;

    /// The sizes the entries declare, added up (at most the largest value).
    std::uint64_t DeclaredSize() const { return m_nDeclaredSize; }
    /// The name of the first entry, folder or file, that would land outside
    /// the folder it were unpacked in; empty when none does.
    const std::string& ClimbingEntry() const { return m_strClimbing; }

private:
    explicit CZipArchive(zip* pZip);
    CEntryRead ReadLocked(std::string_view name, std::uint64_t nLimit, std::string& out) const;

    zip* m_pZip;
    mutable std::mutex m_mutex; ///< libzip's archive serves one reader at a time
    std::vector<std::string> m_astrNames;
    std::uint64_t m_nDeclaredSize = 0;
    std::string m_strClimbing;
};

/// Reads a GEDZIP file: its gedcom.ged into a document that keeps the zip for
/// its media. A zip that is damaged, has an entry climbing out of it, would
/// unpack too large or has no gedcom.ged gives an empty document with the reason.
CReadResult ReadGedzipFile(const std::wstring& strPath);

/// Opens a family file: a zip (by its first bytes) or a .gdz as a GEDZIP,
/// anything else as a GEDCOM file.
CReadResult ReadFamilyFile(const std::wstring& strPath);
