#include "qtcore/platform/GedzipReader.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/platform/WaitCursor.h"
#include "core/text/WideText.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

namespace {

// A zip of text may well unpack twenty times over; a hundred times its size,
// or 64 MiB for a small one, leaves room for that and still refuses a bomb
// before it fills the memory.
constexpr std::uint64_t kUnpackRatio = 100;
constexpr std::uint64_t kUnpackFloor = std::uint64_t(64) << 20;

constexpr std::string_view kGedcomEntry = "gedcom.ged";

std::uint64_t AddCapped(std::uint64_t a, std::uint64_t b)
{
    return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max()
                                                             : a + b;
}

std::uint64_t UnpackLimit(std::uint64_t nZipSize)
{
    const std::uint64_t nScaled = nZipSize > std::numeric_limits<std::uint64_t>::max() / kUnpackRatio
                                      ? std::numeric_limits<std::uint64_t>::max()
                                      : nZipSize * kUnpackRatio;
    return std::max(nScaled, kUnpackFloor);
}

// Unpacked by another program, such an entry would be written outside the
// folder chosen for it; writers on Windows use '\' as well as '/'.
bool ClimbsOut(std::string_view name)
{
    if (name.starts_with('/') || name.starts_with('\\'))
        return true;
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (name.size() >= 2 && isLetter(name[0]) && name[1] == ':')
        return true;
    while (!name.empty()) {
        const std::size_t nEnd = name.find_first_of("/\\");
        if (name.substr(0, nEnd) == "..")
            return true;
        name = nEnd == std::string_view::npos ? std::string_view() : name.substr(nEnd + 1);
    }
    return false;
}

std::wstring DamagedText()
{
    return LoadLangString(IDS_GEDZIP_DAMAGED);
}

// The system's reason when the file itself could not be read, as for a GEDCOM
// file; anything libzip finds wrong inside it is damage.
std::wstring OpenErrorText(zip_error_t& error)
{
    if (zip_error_code_zip(&error) == ZIP_ER_NOENT)
        return Utf8ToWide(std::strerror(ENOENT));
    if (zip_error_system_type(&error) == ZIP_ET_SYS && zip_error_code_system(&error) != 0)
        return Utf8ToWide(std::strerror(zip_error_code_system(&error)));
    return DamagedText();
}

bool EndsWithGdz(const std::wstring& strPath)
{
    constexpr std::wstring_view kExtension = L".gdz";
    if (strPath.size() < kExtension.size())
        return false;
    return std::equal(kExtension.begin(), kExtension.end(), strPath.end() - kExtension.size(),
                      [](wchar_t a, wchar_t b) { return a == LowerCaseOf(b); });
}

// A local header starts a zip with entries; an empty zip is its end record alone.
bool StartsLikeZip(const std::wstring& strPath)
{
    std::ifstream file(std::filesystem::path(strPath), std::ios::binary);
    std::array<char, 4> head{};
    if (!file.read(head.data(), head.size()))
        return false;
    const std::string_view start(head.data(), head.size());
    return start == std::string_view("PK\x03\x04", 4) || start == std::string_view("PK\x05\x06", 4);
}

} // namespace

CZipArchive::CZipArchive(zip* pZip) : m_pZip(pZip)
{
    const zip_int64_t nEntries = zip_get_num_entries(m_pZip, 0);
    for (zip_int64_t nIndex = 0; nIndex < nEntries; ++nIndex) {
        const auto nEntry = static_cast<zip_uint64_t>(nIndex);
        const char* pszName = zip_get_name(m_pZip, nEntry, 0);
        if (!pszName)
            continue;
        const std::string_view name(pszName);
        if (m_strClimbing.empty() && ClimbsOut(name))
            m_strClimbing = name;
        zip_stat_t stat;
        if (zip_stat_index(m_pZip, nEntry, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
            m_nDeclaredSize = AddCapped(m_nDeclaredSize, stat.size);
        if (!name.ends_with('/'))
            m_astrNames.emplace_back(name);
    }
}

CZipArchive::~CZipArchive()
{
    zip_discard(m_pZip);
}

std::unique_ptr<CZipArchive> CZipArchive::Open(const std::wstring& strPath, std::wstring& strReason)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* pSource = zip_source_file_create(WideToUtf8(strPath).c_str(), 0, -1, &error);
    zip_t* pZip = pSource ? zip_open_from_source(pSource, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    if (!pZip) {
        if (pSource)
            zip_source_free(pSource);
        strReason = OpenErrorText(error);
        zip_error_fini(&error);
        return nullptr;
    }
    zip_error_fini(&error);
    return std::unique_ptr<CZipArchive>(new CZipArchive(pZip));
}

bool CZipArchive::ReadEntry(std::string_view name, std::uint64_t nLimit, std::string& out,
                            std::wstring& strReason) const
{
    switch (Read(name, nLimit, out)) {
    case CEntryRead::Read:
        return true;
    case CEntryRead::Missing:
        strReason = LoadLangString(IDS_MEDIA_NOT_FOUND);
        break;
    case CEntryRead::TooLarge:
        strReason = LoadLangString(IDS_MEDIA_TOO_LARGE);
        break;
    case CEntryRead::Damaged:
        strReason = DamagedText();
        break;
    }
    return false;
}

CZipArchive::CEntryRead CZipArchive::Read(std::string_view name, std::uint64_t nLimit, std::string& out) const
{
    out.clear();
    if (name.find('\0') != std::string_view::npos)
        return CEntryRead::Missing;
    const std::lock_guard lock(m_mutex);
    return ReadLocked(name, nLimit, out);
}

// The declared size may lie, so it only sizes the buffer: one byte past the
// limit is asked for and refuses the entry. libzip checks the CRC when it
// reaches the end, so a good entry is read until it says there is no more.
CZipArchive::CEntryRead CZipArchive::ReadLocked(std::string_view name, std::uint64_t nLimit,
                                                std::string& out) const
{
    const zip_int64_t nIndex = zip_name_locate(m_pZip, std::string(name).c_str(), 0);
    if (nIndex < 0)
        return CEntryRead::Missing;
    const auto nEntry = static_cast<zip_uint64_t>(nIndex);
    zip_stat_t stat;
    if (zip_stat_index(m_pZip, nEntry, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
        out.reserve(static_cast<std::size_t>(std::min({stat.size, nLimit, std::uint64_t(kUnpackFloor)})));
    zip_file_t* pFile = zip_fopen_index(m_pZip, nEntry, 0);
    if (!pFile)
        return CEntryRead::Damaged;
    std::array<char, 64 * 1024> buffer;
    CEntryRead result = CEntryRead::Read;
    for (;;) {
        const std::uint64_t nWanted =
            std::min<std::uint64_t>(buffer.size(), AddCapped(nLimit, 1) - out.size());
        const zip_int64_t nGot = zip_fread(pFile, buffer.data(), nWanted);
        if (nGot < 0) {
            result = CEntryRead::Damaged;
            break;
        }
        if (nGot == 0)
            break;
        out.append(buffer.data(), static_cast<std::size_t>(nGot));
        if (out.size() > nLimit) {
            result = CEntryRead::TooLarge;
            break;
        }
    }
    zip_fclose(pFile);
    if (result != CEntryRead::Read)
        out.clear();
    return result;
}

CReadResult ReadGedzipFile(const std::wstring& strPath)
{
    CWaitCursor waitCursor; // unpacking a large gedcom takes a while before the reading does
    std::wstring strReason;
    std::unique_ptr<CZipArchive> pArchive = CZipArchive::Open(strPath, strReason);
    if (!pArchive)
        return FailedReading(strPath, strReason);
    if (!pArchive->ClimbingEntry().empty())
        return FailedReading(strPath, LoadLangString(IDS_GEDZIP_ENTRY_CLIMBS_OUT) + L" " +
                                          Utf8ToWide(pArchive->ClimbingEntry()));
    std::error_code error;
    const std::uint64_t nZipSize = std::filesystem::file_size(std::filesystem::path(strPath), error);
    const std::uint64_t nLimit = UnpackLimit(error ? 0 : nZipSize);
    const std::wstring strTooLarge =
        FillIn(LoadLangString(IDS_GEDZIP_TOO_LARGE), {std::to_wstring(kUnpackRatio)});
    if (pArchive->DeclaredSize() > nLimit)
        return FailedReading(strPath, strTooLarge);
    std::string gedcom;
    switch (pArchive->Read(kGedcomEntry, nLimit, gedcom)) {
    case CZipArchive::CEntryRead::Read:
        break;
    case CZipArchive::CEntryRead::Missing:
        return FailedReading(strPath, LoadLangString(IDS_GEDZIP_NO_GEDCOM));
    case CZipArchive::CEntryRead::TooLarge:
        return FailedReading(strPath, strTooLarge);
    case CZipArchive::CEntryRead::Damaged:
        return FailedReading(strPath, DamagedText());
    }
    return ReadGedcomPackage(strPath, gedcom, std::move(pArchive));
}

// A folder, a device or a file that is not there is left to the GEDCOM
// reader, which names each as it does for any file.
CReadResult ReadFamilyFile(const std::wstring& strPath)
{
    std::error_code error;
    const bool bFile = std::filesystem::is_regular_file(std::filesystem::path(strPath), error);
    if (bFile && (StartsLikeZip(strPath) || EndsWithGdz(strPath)))
        return ReadGedzipFile(strPath);
    return ReadGedcomFile(strPath);
}
