// Writes a synthetic GEDCOM file: bench_WriteGedcom PERSONS PATH; the same
// with a source citation on every event: bench_WriteGedcom --cited PERSONS
// PATH; or a single line of generations, each the only child of the one
// before: bench_WriteGedcom --line GENERATIONS PATH.
#include "HostileGedcom.h"
#include "SyntheticGedcom.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

int main(int argc, char** argv)
{
    const bool bLine = argc == 4 && std::strcmp(argv[1], "--line") == 0;
    const bool bCited = argc == 4 && std::strcmp(argv[1], "--cited") == 0;
    if (argc != 3 && !bLine && !bCited) {
        std::fprintf(stderr, "usage: %s [--line|--cited] PERSONS PATH\n", argv[0]);
        return 2;
    }
    const int nPersons = std::atoi(argv[argc - 2]);
    const char* pszPath = argv[argc - 1];
    std::uint64_t nBytes = 0;
    if (bLine) {
        const std::string text = LongLineageGedcom(nPersons);
        std::ofstream file(pszPath, std::ios::binary);
        nBytes = file.write(text.data(), static_cast<std::streamsize>(text.size())) ? text.size() : 0;
    } else {
        nBytes = WriteSyntheticGedcom(pszPath, nPersons, 1, bCited);
    }
    if (nBytes == 0) {
        std::fprintf(stderr, "cannot write %s\n", pszPath);
        return 1;
    }
    std::printf("wrote %d %s, %.1f MB, to %s\n", nPersons, bLine ? "generations" : "persons",
                static_cast<double>(nBytes) / 1e6, pszPath);
    return 0;
}
