// Writes a synthetic GEDCOM file: bench_WriteGedcom PERSONS PATH
#include "SyntheticGedcom.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PERSONS PATH\n", argv[0]);
        return 2;
    }
    const int nPersons = std::atoi(argv[1]);
    const std::uint64_t nBytes = WriteSyntheticGedcom(argv[2], nPersons);
    if (nBytes == 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("wrote %d persons, %.1f MB, to %s\n", nPersons, static_cast<double>(nBytes) / 1e6, argv[2]);
    return 0;
}
