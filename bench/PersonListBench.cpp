// Times BuildPersonList on a million persons read from a synthetic file, as
// the person list runs it each time it opens: bench_PersonListBench [PERSONS]
// The file is made once in /tmp and reused by later runs.
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/model/GedcomReader.h"
#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/views/PersonList.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kRuns = 3;
constexpr int kRenamedEvery = 2500;
constexpr wchar_t kRareSurname[] = L"Quillborn";

// The best of a few runs, so a stray pause of the machine does not count.
double BestSeconds(const CPersonListCriteria& criteria, std::size_t& nEntries)
{
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const CPersonListContent content = BuildPersonList(criteria);
        best = std::min(best, SecondsSince(start));
        nEntries = content.m_entries.size();
    }
    return best;
}

void Report(const char* pszWhat, const CPersonListCriteria& criteria)
{
    std::size_t nEntries = 0;
    const double seconds = BestSeconds(criteria, nEntries);
    std::printf("%-40s %7.3f s, %zu entries\n", pszWhat, seconds, nEntries);
}

// The synthetic surnames are each shared by tens of thousands, so a few
// hundred persons get a surname of their own for a search that finds few.
void RenameSome()
{
    for (int i = 0; i <= theLastPersonIndex; i += kRenamedEvery) {
        CPerson& person = thePersons[i];
        person.m_strName = L"Ann /" + std::wstring(kRareSurname) + L"/";
        person.m_strSurname = kRareSurname;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int nPersons = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const std::filesystem::path path = SyntheticGedcomFile(nPersons);
    if (path.empty()) {
        std::fprintf(stderr, "cannot write the synthetic file of %d persons\n", nPersons);
        return 1;
    }
    SetLanguage(L"En");
    const auto start = std::chrono::steady_clock::now();
    if (!ReadGedcomFile(path.wstring()).m_bRead) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    std::printf("read %d persons from %s in %.2f s\n", theLastPersonIndex + 1, path.c_str(),
                SecondsSince(start));
    RenameSome();

    Report("whole list, no options:", {});
    Settings.PutBirthDate = Settings.PutDeathDate = Settings.PutAge = true;
    Report("whole list, dates and age:", {});
    Settings.PutBirthDate = Settings.PutDeathDate = Settings.PutAge = false;
    Report("last name \"quillborn\":", {kRareSurname, L"", L"", L"", L"", false});
    Report("last name \"smith\":", {L"smith", L"", L"", L"", L"", false});
    std::printf("peak resident memory: %.0f MB\n", static_cast<double>(PeakResidentBytes()) / 1e6);
    ClearTables();
    return 0;
}
