// Times ReadGedcomFile on a file (made by bench_WriteGedcom) against reading
// the same file's lines only, and on notes of many continuation lines:
// bench_ReadGedcom PATH
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/Document.h"
#include "core/model/GedcomFile.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using CClock = std::chrono::steady_clock;

// The plain way to read lines: what the reader would cost if it did nothing.
double GetlineSeconds(const std::filesystem::path& path, std::size_t& nLines)
{
    const auto start = CClock::now();
    std::ifstream file(path, std::ios::binary);
    std::string line;
    nLines = 0;
    while (std::getline(file, line))
        ++nLines;
    return SecondsSince(start);
}

// The reader's own block reading and line cutting, without decoding.
double BlockLinesSeconds(const std::filesystem::path& path)
{
    const auto start = CClock::now();
    CGedcomFile file;
    file.Open(path.wstring());
    std::string_view line;
    std::size_t nBytes = 0;
    while (file.ReadByteLine(line))
        nBytes += line.size();
    const double seconds = SecondsSince(start);
    return nBytes > 0 ? seconds : 0;
}

// The document stays in `read` for what is measured after the reading.
double ReadSeconds(const std::filesystem::path& path, CReadResult& read)
{
    const auto start = CClock::now();
    read = ReadGedcomFile(path.wstring());
    return SecondsSince(start);
}

void ContinuedNote(const std::filesystem::path& folder, const char* pszTag, int nLines)
{
    const std::filesystem::path path = folder / (std::string("continued-") + pszTag + ".ged");
    WriteContinuedNoteGedcom(path, nLines, pszTag);
    CReadResult read;
    const double seconds = ReadSeconds(path, read);
    const CDocument& doc = *read.m_pDocument;
    const auto nChars =
        doc.GetLastPersonIndex() == 0 ? doc.Str(doc.Items(doc.Persons()[0].m_notes)[0].m_strText).size() : 0;
    std::printf("one note of %7d %s lines: %8.4f s, %zu characters stored\n", nLines, pszTag, seconds, nChars);
    std::filesystem::remove(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH\n", argv[0]);
        return 2;
    }
    const std::filesystem::path path = argv[1];
    SetLanguage(L"En");
    const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;

    std::size_t nLines = 0;
    GetlineSeconds(path, nLines); // brings the file into the page cache
    const double floor = GetlineSeconds(path, nLines);
    const double blockFloor = BlockLinesSeconds(path);
    {
        CReadResult read;
        const double seconds = ReadSeconds(path, read);
        const std::size_t peak = PeakResidentBytes();
        const CDocument& doc = *read.m_pDocument;

        std::printf("file:                   %.1f MB, %zu lines\n", megabytes, nLines);
        std::printf("ReadGedcomFile:         %.3f s, %.0f MB/s, %d persons, %d families\n", seconds,
                    megabytes / seconds, doc.GetLastPersonIndex() + 1, doc.GetLastFamilyIndex() + 1);
        std::printf("floor (getline):        %.3f s, %.0f MB/s; ratio %.2f\n", floor, megabytes / floor,
                    seconds / floor);
        std::printf("block lines, no decode: %.3f s, %.0f MB/s; ratio %.2f\n", blockFloor,
                    megabytes / blockFloor, seconds / blockFloor);
        std::printf("peak resident memory:   %.1f MB, %.2f times the file\n", static_cast<double>(peak) / 1e6,
                    static_cast<double>(peak) / 1e6 / megabytes);
        std::printf("text store:             %.1f MB in blocks, %zu shared texts\n",
                    static_cast<double>(doc.GetTextBytes()) / 1e6, doc.GetSharedTextCount());
    } // the document goes here, before the notes are read
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    for (const char* pszTag : {"CONT", "CONC"}) {
        ContinuedNote(folder, pszTag, 10000);
        ContinuedNote(folder, pszTag, 100000);
    }
    return 0;
}
