#include "qtcore/platform/GedzipReader.h"

#include "core/options/StringIds.h"
#include "TestSupport.h"

#include <zip.h>

#include <algorithm>
#include <random>
#include <set>
#include <thread>

namespace {

namespace fs = std::filesystem;
using CEntries = std::vector<std::pair<std::string, std::string>>;

const std::string kGedcom = "0 @I1@ INDI\n1 OBJE\n2 FILE media/photo%20one.jpg\n0 @I2@ INDI\n";
// Unpredictable, so libzip reads it in many pieces, which threads without a lock would interleave.
const std::string kPhoto = [] {
    std::string bytes(1'000'000, '\0');
    std::ranges::generate(bytes, std::mt19937());
    return bytes;
}();
const CEntries kGoodEntries = {{"gedcom.ged", kGedcom}, {"media/", ""}, {"media/photo one.jpg", kPhoto}};

// Written with libzip, as a GEDZIP writer would; a name ending in '/' is a folder.
std::string ZipBytes(const CEntries& entries)
{
    const CTempFolder folder;
    const fs::path path = folder.Path() / "made.zip";
    zip_t* pZip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const auto& [strName, strData] : entries) {
        if (strName.ends_with('/'))
            zip_dir_add(pZip, strName.c_str(), 0);
        else
            zip_file_add(pZip, strName.c_str(), zip_source_buffer(pZip, strData.data(), strData.size(), 0),
                         0);
    }
    EXPECT_EQ(zip_close(pZip), 0);
    return ReadFileBytes(path);
}

// Each refusal is one reason in the document and in the log, and nothing is ever unpacked.
TEST(GedzipReaderTest, RefusesABadPackageAndSaysWhy)
{
    const std::string strBomb(100'000'000, '0'); // deflates to about a hundred kilobytes
    std::string flipped = ZipBytes({{"gedcom.ged", kPhoto}});
    flipped[1000] ^= 1; // far into the entry's data
    const auto withGedcom = [](const char* pszName) {
        return ZipBytes({{"gedcom.ged", kGedcom}, {pszName, ""}});
    };
    const struct {
        const char* m_pszFile;
        std::string m_strBytes;
        int m_nReasonId;
        const char* m_pszDetail = ""; // after the reason
    } cases[] = {
        {"FAMILY.GDZ", kGedcom, IDS_GEDZIP_DAMAGED}, // a zip by its name, in any case
        {"cut.gdz", ZipBytes(kGoodEntries).substr(0, 5000), IDS_GEDZIP_DAMAGED},
        {"flipped.gdz", flipped, IDS_GEDZIP_DAMAGED},
        {"nested.gdz", ZipBytes({{"family/", ""}, {"family/gedcom.ged", kGedcom}}), IDS_GEDZIP_NO_GEDCOM},
        {"empty.dat", "PK\x05\x06" + std::string(18, '\0'), IDS_GEDZIP_NO_GEDCOM}, // a zip by its first bytes
        {"parent.gdz", withGedcom("../evil.jpg"), IDS_GEDZIP_ENTRY_CLIMBS_OUT, " ../evil.jpg"},
        {"root.gdz", withGedcom("/etc/x"), IDS_GEDZIP_ENTRY_CLIMBS_OUT, " /etc/x"},
        {"drive.gdz", withGedcom("C:/x"), IDS_GEDZIP_ENTRY_CLIMBS_OUT, " C:/x"},
        {"back.gdz", withGedcom("media\\..\\..\\x"), IDS_GEDZIP_ENTRY_CLIMBS_OUT, " media\\..\\..\\x"},
        {"bomb.gdz", ZipBytes({{"gedcom.ged", strBomb}}), IDS_GEDZIP_TOO_LARGE},
        {"media-bomb.gdz", ZipBytes({{"gedcom.ged", kGedcom}, {"x.jpg", strBomb}}), IDS_GEDZIP_TOO_LARGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_pszFile);
        const CTempFolder folder;
        const fs::path path = folder.Path() / c.m_pszFile;
        WriteFileBytes(path, c.m_strBytes);
        const CReadResult read = ReadFamilyFile(path.wstring());
        const std::wstring strReason =
            FillIn(LoadLangString(c.m_nReasonId), {L"100"}) + Utf8ToWide(c.m_pszDetail);
        EXPECT_FALSE(read.m_bRead);
        EXPECT_EQ(read.m_pDocument->GetReadFailureText(), strReason);
        EXPECT_EQ(read.m_pDocument->GetLastPersonIndex(), -1);
        EXPECT_EQ(ReadFileBytes(folder.Path() / "Stemmark.log"), "Can't open source file " + path.string() +
                                                                     ".\r\nFor the reason see below.\r\n" +
                                                                     WideToUtf8(strReason) + "\r\n");
        std::set<fs::path> files;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.Path()))
            files.insert(entry.path().filename());
        EXPECT_EQ(files, (std::set<fs::path>{c.m_pszFile, "Stemmark.log"}));
    }
    // A package that is not there fails as any file does.
    const CReadResult missing = ReadFamilyFile(L"/nonexistent/family.gdz");
    EXPECT_EQ(missing.m_pDocument->GetReadFailureText(), L"No such file or directory");
}

// A zip is read by its first bytes whatever its name; thumbnails are made on
// several threads from the one archive.
TEST(GedzipReaderTest, KeepsThePackageAndReadsItsMediaWithinALimit)
{
    const CTempFolder folder;
    const fs::path path = folder.Path() / "family.ged";
    WriteFileBytes(path, ZipBytes(kGoodEntries));
    const CReadResult read = ReadFamilyFile(path.wstring());
    EXPECT_EQ(read.m_pDocument->GetLastPersonIndex(), 1);
    EXPECT_EQ(read.m_pDocument->GetPath(), path.wstring());
    EXPECT_EQ(read.m_pDocument->GetFolder(), folder.Path().wstring() + L"/");
    ASSERT_NE(read.m_pDocument->GetArchive(), nullptr);
    const CMediaArchive& archive = *read.m_pDocument->GetArchive();
    EXPECT_EQ(archive.EntryNames(), (std::vector<std::string>{"gedcom.ged", "media/photo one.jpg"}));
    const struct {
        const char* m_pszEntry;
        std::size_t m_nLimit;
        const char* m_pszReason; // empty: read whole
    } cases[] = {
        {"media/photo one.jpg", kPhoto.size(), ""},
        {"media/photo one.jpg", kPhoto.size() - 1, "too large to show"},
        {"media/photo%20one.jpg", kPhoto.size(), "not found"}, // names are not escaped
    };
    std::vector<std::thread> threads;
    for (int nThread = 0; nThread < 4; ++nThread) {
        threads.emplace_back([&] {
            for (int n = 0; n < 30; ++n) {
                for (const auto& c : cases) {
                    std::string bytes = "stale";
                    std::wstring strReason;
                    EXPECT_EQ(archive.ReadEntry(c.m_pszEntry, c.m_nLimit, bytes, strReason), !*c.m_pszReason);
                    EXPECT_EQ(WideToUtf8(strReason), c.m_pszReason) << c.m_pszEntry << ' ' << c.m_nLimit;
                    EXPECT_TRUE(bytes == (*c.m_pszReason ? "" : kPhoto)) << c.m_pszEntry << ' ' << c.m_nLimit;
                }
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace
