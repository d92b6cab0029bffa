#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

class CDocument;

// Synthetic GEDCOM files for the benchmarks. The same arguments always give
// the same bytes.

/// Writes a file of `nPersons` persons to `path`, in UTF-8 with CR LF line
/// ends: a header, a few dozen sources, the persons, their families and the
/// trailer. Families span many generations; events carry varied dates (exact,
/// ABT, BEF, AFT, BET .. AND, FROM .. TO, month and year, year alone), places
/// and source citations; some persons have notes continued with CONC and
/// CONT, occupations, religions, generic events, christenings and burials;
/// a few have Cyrillic names, some families a divorce. Returns the number of
/// bytes written, 0 when the file cannot be written. With `bEveryEventCited`
/// every event carries a source citation.
std::uint64_t WriteSyntheticGedcom(const std::filesystem::path& path, int nPersons, std::uint64_t seed = 1,
                                   bool bEveryEventCited = false);

/// Writes one person whose note is continued by `nLines` lines of the tag
/// ("CONT" or "CONC"). Returns the number of bytes written, 0 on failure.
std::uint64_t WriteContinuedNoteGedcom(const std::filesystem::path& path, int nLines, const char* pszTag);

/// The synthetic file of `nPersons` persons in the temporary folder, written
/// the first time it is asked for; empty when it cannot be written.
std::filesystem::path SyntheticGedcomFile(int nPersons);

/// Reads the synthetic file of `nPersons` persons, made once, in English;
/// null when it cannot be made or read.
std::unique_ptr<CDocument> ReadSyntheticGedcom(int nPersons);
