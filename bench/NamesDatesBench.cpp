// The person list builds one entry per person each time it opens: the display
// name, the birth date and the age. This times that work over a million
// persons made in memory, with the name and date shapes a real file has.

#include "BenchSupport.h"
#include "core/model/Dates.h"
#include "core/model/Document.h"
#include "core/views/ViewOptions.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kPersons = 1'000'000;

// A small deterministic generator, so every run times the same persons.
class CRandom {
public:
    std::uint32_t Next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33);
    }
    std::size_t Below(std::size_t count) { return Next() % count; }
    template <class T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) { return items[Below(N)]; }

private:
    std::uint64_t m_state = 1923;
};

constexpr std::array<const wchar_t*, 12> theGiven = {L"John", L"Mary", L"William", L"Elizabeth",
    L"Henry", L"Anna", L"Thomas", L"Margaret", L"\u00C9mile", L"Charlotte", L"Jean-Paul", L"Ole"};
constexpr std::array<const wchar_t*, 10> theSurnames = {L"Smith", L"Johnson", L"Brown", L"M\u00FCller",
    L"van der Berg", L"O'Neill", L"Taylor", L"Dubois", L"Hansen", L"MacDonald"};
constexpr std::array<const wchar_t*, 6> theRussianGiven = {L"Иван", L"Мария", L"Пётр", L"Анна",
    L"Сергей", L"Ольга"};
constexpr std::array<const wchar_t*, 4> theRussianSurnames = {L"Иванов", L"Петрова", L"Сидоров", L"Ёлкина"};
constexpr std::array<const wchar_t*, 5> theMonths = {L"JAN", L"MAR", L"JUN", L"SEP", L"DEC"};

std::wstring MakeName(CRandom& random)
{
    const std::wstring first = random.Pick(theGiven);
    const std::wstring middle = random.Pick(theGiven);
    const std::wstring last = random.Pick(theSurnames);
    switch (random.Below(20)) {
    case 0:
        return L"/" + last + L"/";
    case 1:
        return first;
    case 2:
        return first + L" (" + random.Pick(theGiven) + L") /" + last + L"/";
    case 3:
        return first + L" /" + last + L" (" + random.Pick(theSurnames) + L")/";
    case 4:
        return first + L" /" + last + L"/ Jr.";
    case 5:
        return std::wstring(random.Pick(theRussianGiven)) + L" " + random.Pick(theRussianGiven) + L"ович /" +
               random.Pick(theRussianSurnames) + L"/";
    case 6: case 7: case 8: case 9: case 10: case 11:
        return first + L" /" + last + L"/";
    default:
        return first + L" " + middle + L" /" + last + L"/";
    }
}

std::wstring MakeDate(CRandom& random, int nYear)
{
    const std::wstring day = std::to_wstring(1 + random.Below(28));
    const std::wstring month = random.Pick(theMonths);
    const std::wstring year = std::to_wstring(nYear);
    switch (random.Below(16)) {
    case 0: return month + L" " + year;
    case 1: return year;
    case 2: return L"ABT " + year;
    case 3: return L"BEF " + day + L" " + month + L" " + year;
    case 4: return L"BET " + year + L" AND " + std::to_wstring(nYear + 5);
    case 5: return L"AFT " + year;
    case 6: return L"EST " + year;
    case 7: return day + L" dec " + year;
    case 8: return day + L" " + month + L" " + year.substr(2);
    default: return day + L" " + month + L" " + year;
    }
}

// Made by the first pass and kept for the others.
std::unique_ptr<CDocument> theDocument;

std::unique_ptr<CDocument> BuildPersons()
{
    auto pDoc = std::make_unique<CDocument>();
    CDocument& doc = *pDoc;
    CRandom random;
    for (int i = 0; i < kPersons; ++i) {
        CPerson& person = doc.AppendPerson();
        person.m_strId = doc.AddText(L"@I" + std::to_wstring(i + 1) + L"@");
        person.m_strName = doc.AddText(MakeName(random));
        if (random.Below(10) == 0) {
            person.m_strGiven = doc.AddText(random.Pick(theGiven));
            person.m_strSurname = doc.AddText(random.Pick(theSurnames));
        }
        if (random.Below(20) == 0)
            person.m_strNick = doc.AddText(L"Bud");
        const int nBirthYear = 1700 + static_cast<int>(random.Below(320));
        if (random.Below(10) != 0)
            doc.Edit(person.m_birth).m_strDate = doc.AddText(MakeDate(random, nBirthYear));
        if (nBirthYear < 1930 || random.Below(5) == 0) {
            CEventInfo& death = doc.Edit(person.m_death);
            death.m_bPresent = true;
            if (random.Below(5) != 0)
                death.m_strDate =
                    doc.AddText(MakeDate(random, nBirthYear + static_cast<int>(random.Below(95))));
        }
    }
    return pDoc;
}

void PersonListPass(benchmark::State& state, bool bAllNameOptions)
{
    if (!theDocument)
        theDocument = BuildPersons();
    const CDocument& doc = *theDocument;
    CViewOptions options;
    if (bAllNameOptions) {
        CNameStyle& names = options.m_names;
        names.m_bAsInNameTag = false;
        names.m_bFirstFirst = names.m_bShowMiddle = names.m_bFirstInitial = names.m_bMiddleInitial = true;
        names.m_bMaidenFirst = names.m_bNick = true;
    }
    const int nLast = doc.GetLastPersonIndex();
    std::size_t characters = 0;
    for (auto _ : state) {
        for (int i = 0; i <= nLast; ++i) {
            const CPerson& person = doc.Persons()[i];
            const std::wstring strName = person.GetDisplayName(doc, options.m_names);
            const std::wstring strBirth =
                person.GetBirthDateText(doc, DateTextMode::Display, options.m_dates);
            const std::wstring strAge = FormatAge(doc, person);
            characters += strName.size() + strBirth.size() + strAge.size();
        }
        benchmark::DoNotOptimize(characters);
    }
    state.counters["persons_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * (nLast + 1), benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = static_cast<double>(PeakResidentBytes()) / (1024.0 * 1024.0);
}

void BM_PersonListDefaultOptions(benchmark::State& state)
{
    PersonListPass(state, false);
}

void BM_PersonListAllNameOptions(benchmark::State& state)
{
    PersonListPass(state, true);
}

BENCHMARK(BM_PersonListDefaultOptions)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PersonListAllNameOptions)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
