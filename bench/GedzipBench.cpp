// Times opening a GEDZIP package of about 100 MB (the synthetic 100,000
// persons deflated, and stored photos) against its parts: reading the same
// gedcom as a plain file, and unzipping its entry alone into memory. Opening
// the package should cost no more than the two together. The package
// reader's own open and read of the entry is timed too, to tell its part.
//   bench_GedzipBench [RUNS] [PERSONS]
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "qtcore/platform/GedzipReader.h"

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using CClock = std::chrono::steady_clock;

constexpr std::uint64_t kPackageBytes = 100'000'000;
constexpr std::uint64_t kPhotoBytes = 1 << 20;

double MsSince(CClock::time_point start)
{
    return SecondsSince(start) * 1000;
}

double Median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms.empty() ? 0 : ms[ms.size() / 2];
}

void Report(const char* pszWhat, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %8.1f ms  (min %.1f, max %.1f, %zu runs)\n", pszWhat, Median(ms), ms.front(),
                ms.back(), ms.size());
}

// Bytes no compressor can shrink, as a camera's JPEG nearly is.
void* RandomPhoto(std::uint64_t& state)
{
    auto* pWords = static_cast<std::uint64_t*>(std::malloc(kPhotoBytes));
    for (std::uint64_t i = 0; pWords && i < kPhotoBytes / sizeof(std::uint64_t); ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        pWords[i] = state;
    }
    return pWords;
}

bool AddGedcom(const fs::path& ged, const fs::path& gdz)
{
    zip_t* pZip = zip_open(gdz.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!pZip)
        return false;
    zip_source_t* pSource = zip_source_file(pZip, ged.c_str(), 0, -1);
    const zip_int64_t nIndex = pSource ? zip_file_add(pZip, "gedcom.ged", pSource, ZIP_FL_ENC_UTF_8) : -1;
    if (nIndex < 0) {
        if (pSource)
            zip_source_free(pSource);
        zip_discard(pZip);
        return false;
    }
    zip_set_file_compression(pZip, static_cast<zip_uint64_t>(nIndex), ZIP_CM_DEFLATE, 0);
    return zip_close(pZip) == 0;
}

// Stored photos after the deflated gedcom until the package is just over
// kPackageBytes; the count of photos, or -1 when it cannot be written.
int AddPhotos(const fs::path& gdz)
{
    const std::uint64_t nGedcom = fs::file_size(gdz);
    const int nPhotos = nGedcom >= kPackageBytes
                            ? 0
                            : static_cast<int>((kPackageBytes - nGedcom + kPhotoBytes - 1) / kPhotoBytes);
    zip_t* pZip = zip_open(gdz.c_str(), 0, nullptr);
    if (!pZip)
        return -1;
    std::uint64_t state = 88172645463325252ull;
    for (int nPhoto = 0; nPhoto < nPhotos; ++nPhoto) {
        const std::string strName = "photos/p" + std::to_string(nPhoto + 1) + ".jpg";
        void* pBytes = RandomPhoto(state);
        zip_source_t* pSource = pBytes ? zip_source_buffer(pZip, pBytes, kPhotoBytes, 1) : nullptr;
        const zip_int64_t nIndex =
            pSource ? zip_file_add(pZip, strName.c_str(), pSource, ZIP_FL_ENC_UTF_8) : -1;
        if (nIndex < 0) {
            if (pSource)
                zip_source_free(pSource); // it owns the bytes
            else
                std::free(pBytes);
            zip_discard(pZip);
            return -1;
        }
        zip_set_file_compression(pZip, static_cast<zip_uint64_t>(nIndex), ZIP_CM_STORE, 0);
    }
    return zip_close(pZip) == 0 ? nPhotos : -1;
}

// The gedcom entry alone, as a reader of the package must unpack it first.
double UnzipSeconds(const fs::path& gdz, std::size_t& nBytes)
{
    const auto start = CClock::now();
    zip_t* pZip = zip_open(gdz.c_str(), ZIP_RDONLY, nullptr);
    zip_stat_t stat;
    zip_file_t* pFile =
        pZip && zip_stat(pZip, "gedcom.ged", 0, &stat) == 0 ? zip_fopen(pZip, "gedcom.ged", 0) : nullptr;
    std::string gedcom;
    if (pFile) {
        gedcom.resize(static_cast<std::size_t>(stat.size));
        const zip_int64_t nRead = zip_fread(pFile, gedcom.data(), gedcom.size());
        gedcom.resize(nRead < 0 ? 0 : static_cast<std::size_t>(nRead));
        zip_fclose(pFile);
    }
    if (pZip)
        zip_discard(pZip);
    const double dSeconds = SecondsSince(start);
    nBytes = gedcom.size();
    return dSeconds;
}

// The same through the package reader's own archive, as opening it does
// before the gedcom is read: the part of that opening that is the zip's.
double ArchiveReadSeconds(const fs::path& gdz, std::size_t& nBytes)
{
    const auto start = CClock::now();
    std::wstring strReason;
    const std::unique_ptr<CZipArchive> pArchive = CZipArchive::Open(gdz.wstring(), strReason);
    std::string gedcom;
    if (pArchive)
        pArchive->Read("gedcom.ged", std::uint64_t(1) << 32, gedcom);
    const double dSeconds = SecondsSince(start);
    nBytes = gedcom.size();
    return dSeconds;
}

// A reading's time, without the time to free what it read.
template <class TRead> double ReadMs(TRead read, int& nPersons)
{
    const auto start = CClock::now();
    const CReadResult result = read();
    const double dMs = MsSince(start);
    nPersons = result.m_bRead ? result.m_pDocument->GetLastPersonIndex() + 1 : -1;
    return dMs;
}

} // namespace

int main(int argc, char** argv)
{
    SetLanguage(L"En");
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int nPersons = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100'000;
    const fs::path folder = fs::temp_directory_path() / "stemmark-gedzip-bench";
    std::error_code error;
    fs::create_directories(folder, error);
    // A hundred megabytes are not left behind, whatever ends the run.
    const std::unique_ptr<const fs::path, void (*)(const fs::path*)> removal(
        &folder, [](const fs::path* pFolder) {
            std::error_code ignored;
            fs::remove_all(*pFolder, ignored);
        });
    const fs::path ged = folder / "family.ged";
    const fs::path gdz = folder / "family.gdz";
    const auto writing = CClock::now();
    const std::uint64_t nGedBytes = WriteSyntheticGedcom(ged, nPersons);
    const int nPhotos = nGedBytes == 0 || !AddGedcom(ged, gdz) ? -1 : AddPhotos(gdz);
    if (nPhotos < 0) {
        std::fprintf(stderr, "cannot write %s or %s\n", ged.c_str(), gdz.c_str());
        return 1;
    }
    std::printf(
        "%d persons: gedcom %.1f MB; package %.1f MB with %d stored photos of 1 MiB; written in %.1f s\n",
        nPersons, static_cast<double>(nGedBytes) / 1e6, static_cast<double>(fs::file_size(gdz)) / 1e6,
        nPhotos, SecondsSince(writing));

    std::vector<double> plain, unzip, archive, package, differences;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        int nPlainPersons = 0;
        int nPackagePersons = 0;
        std::size_t nUnzipped = 0;
        std::size_t nArchived = 0;
        plain.push_back(ReadMs([&] { return ReadGedcomFile(ged.wstring()); }, nPlainPersons));
        unzip.push_back(UnzipSeconds(gdz, nUnzipped) * 1000);
        archive.push_back(ArchiveReadSeconds(gdz, nArchived) * 1000);
        package.push_back(ReadMs([&] { return ReadFamilyFile(gdz.wstring()); }, nPackagePersons));
        differences.push_back(package.back() - plain.back() - unzip.back());
        if (nPlainPersons != nPersons || nPackagePersons != nPersons || nUnzipped != nGedBytes ||
            nArchived != nGedBytes) {
            std::fprintf(stderr, "read %d persons from the file, %d from the package, unzipped %zu bytes\n",
                         nPlainPersons, nPackagePersons, nUnzipped);
            return 1;
        }
    }
    Report("plain .ged, ReadGedcomFile:", plain);
    Report("gedcom entry unzipped alone:", unzip);
    Report("package, ReadFamilyFile:", package);
    Report("the reader's archive alone, open + read:", archive);
    const double dBudget = Median(plain) + Median(unzip);
    std::printf("package - (plain + unzip): %+.1f ms by medians (%+.1f%%), median of each run's %+.1f ms\n",
                Median(package) - dBudget, (Median(package) - dBudget) / dBudget * 100, Median(differences));
    std::printf("peak resident memory: %.0f MB\n", static_cast<double>(PeakResidentBytes()) / 1e6);
    return 0;
}
