#include "SyntheticGedcom.h"

#include "core/model/GedcomReader.h"
#include "core/options/Language.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A small generator of our own: the standard distributions differ between
// libraries, and the files must not.
class CRandom {
public:
    explicit CRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Chance(int nPercent) { return Below(100) < nPercent; }
    template <class T, std::size_t N>
    const T& Pick(const T (&items)[N]) { return items[Below(static_cast<int>(N))]; }

private:
    std::uint64_t m_state;
};

constexpr const char* theMaleNames[] = {"John", "William", "James", "George", "Charles", "Thomas", "Henry",
                                        "Edward", "Robert", "Joseph", "Frederick", "Albert", "Arthur", "Walter",
                                        "Johann", "Pierre", "Giovanni", "Jan", "Lars", "Karl"};
constexpr const char* theFemaleNames[] = {"Mary", "Elizabeth", "Sarah", "Anna", "Margaret", "Emma", "Alice",
                                          "Catherine", "Jane", "Ellen", "Louisa", "Martha", "Clara", "Ida",
                                          "Maria", "Marie", "Giulia", "Ingrid", "Sophie", "Agnes"};
constexpr const char* theSurnames[] = {"Smith", "Jones", "Taylor", "Brown", "Williams", "Wilson", "Johnson",
                                       "Davies", "Robinson", "Wright", "Thompson", "Evans", "Walker", "White",
                                       "Roberts", "Green", "Hall", "Wood", "Jackson", "Clarke", "Müller",
                                       "Schneider", "Dubois", "Rossi", "Andersson", "de la Cruz", "O'Brien"};
constexpr const char* theCyrillicMale[] = {"Иван", "Пётр", "Алексей", "Николай", "Сергей"};
constexpr const char* theCyrillicFemale[] = {"Мария", "Анна", "Ольга", "Екатерина", "Наталья"};
constexpr const char* theCyrillicSurnames[] = {"Иванов", "Петров", "Смирнов", "Кузнецов", "Попов"};
constexpr const char* thePlaces[] = {
    "London, Middlesex, England", "Leeds, Yorkshire, England", "Bristol,Gloucestershire,England",
    "Boston, Suffolk, Massachusetts, USA", "Springfield, Sangamon, Illinois, USA", "Hamburg, Germany",
    "Lyon, Rhône, France", "Napoli, Campania, Italy", "Uppsala, Sweden", "Cork, Ireland",
    "Toronto, Ontario, Canada", "Москва, Россия", "St. Petersburg, Russia", "Kraków, Poland",
    "Sydney, New South Wales, Australia", "Edinburgh,, Scotland,"};
constexpr const char* theMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr const char* theOccupations[] = {"Farmer", "Labourer", "Blacksmith", "Weaver", "Merchant", "Teacher",
                                          "Clerk", "Miner", "Carpenter", "Servant", "Sailor", "Physician"};
constexpr const char* theReligions[] = {"Anglican", "Catholic", "Lutheran", "Methodist", "Orthodox", "Quaker"};
constexpr const char* theEventTypes[] = {"Emigration", "Census", "Military service", "Naturalization"};
constexpr const char* theCauses[] = {"Fever", "Consumption", "Old age", "Accident", "Influenza"};
constexpr const char* theNoteWords[] = {"moved", "to", "the", "farm", "after", "his", "father", "died", "and",
                                        "worked", "there", "until", "the", "war", "records", "say", "family"};

struct CSynPerson {
    bool m_bMale = true;
    bool m_bCyrillic = false;
    int m_nGiven = 0;
    int m_nSurname = 0;
    int m_nBirthYear = 0;
    int m_nFamc = -1;
    int m_anFams[2] = {-1, -1};
};

struct CSynFamily {
    int m_nHusband = -1;
    int m_nWife = -1;
    int m_nYear = 0;
    std::vector<int> m_anChildren;
};

class CSynthesis {
public:
    CSynthesis(int nPersons, std::uint64_t seed, bool bEveryEventCited)
        : m_random(seed), m_bEveryEventCited(bEveryEventCited)
    {
        Build(nPersons);
    }
    bool Write(std::FILE* pFile);

private:
    int AddPerson(bool bMale, int nSurname, int nBirthYear, int nFamc);
    int AddFamily(int nSpouse, int nPartner, int nYear);
    void Build(int nPersons);

    std::string Date(int nYear);
    void Event(const char* pszTag, int nYear, bool bCitation);
    void Note();
    void Line(const std::string& line) { m_out += line; m_out += "\r\n"; }
    void WritePerson(int nPerson);
    void WriteFamily(int nFamily);
    bool Drain(std::FILE* pFile, bool bAll);

    void Citation();

    CRandom m_random;
    bool m_bEveryEventCited;
    std::vector<CSynPerson> m_persons;
    std::vector<CSynFamily> m_families;
    std::string m_out;
};

int CSynthesis::AddPerson(bool bMale, int nSurname, int nBirthYear, int nFamc)
{
    CSynPerson person;
    person.m_bMale = bMale;
    person.m_bCyrillic = m_random.Chance(3);
    person.m_nGiven = m_random.Below(20);
    person.m_nSurname = nSurname < 0 ? m_random.Below(27) : nSurname;
    person.m_nBirthYear = std::min(nBirthYear, 2015);
    person.m_nFamc = nFamc;
    m_persons.push_back(person);
    return static_cast<int>(m_persons.size()) - 1;
}

int CSynthesis::AddFamily(int nSpouse, int nPartner, int nYear)
{
    CSynFamily family;
    const bool bSpouseMale = m_persons[static_cast<std::size_t>(nSpouse)].m_bMale;
    family.m_nHusband = bSpouseMale ? nSpouse : nPartner;
    family.m_nWife = bSpouseMale ? nPartner : nSpouse;
    family.m_nYear = nYear;
    m_families.push_back(family);
    const int nFamily = static_cast<int>(m_families.size()) - 1;
    for (const int nMember : {nSpouse, nPartner}) {
        int* pnFams = m_persons[static_cast<std::size_t>(nMember)].m_anFams;
        pnFams[pnFams[0] < 0 ? 0 : 1] = nFamily;
    }
    return nFamily;
}

// Founder couples spread over two centuries; every family gets children, who
// marry newcomers and found families in turn, generation after generation.
void CSynthesis::Build(int nPersons)
{
    m_persons.reserve(static_cast<std::size_t>(nPersons) + 8);
    std::deque<int> queue;
    const int nFounders = std::max(1, nPersons / 400);
    while (static_cast<int>(m_persons.size()) < nPersons) {
        if (queue.empty()) {
            for (int i = 0; i < nFounders && static_cast<int>(m_persons.size()) + 2 <= nPersons; ++i) {
                const int nYear = 1550 + m_random.Below(200);
                const int nHusband = AddPerson(true, -1, nYear, -1);
                const int nWife = AddPerson(false, -1, nYear + m_random.Below(8), -1);
                queue.push_back(AddFamily(nHusband, nWife, nYear + 20 + m_random.Below(10)));
            }
            if (queue.empty())
                AddPerson(true, -1, 1800, -1);
            continue;
        }
        const int nFamily = queue.front();
        queue.pop_front();
        const int nChildren = m_random.Pick({0, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 5, 6, 8});
        for (int i = 0; i < nChildren && static_cast<int>(m_persons.size()) < nPersons; ++i) {
            CSynFamily& family = m_families[static_cast<std::size_t>(nFamily)];
            const int nSurname = m_persons[static_cast<std::size_t>(family.m_nHusband)].m_nSurname;
            const int nBirth = family.m_nYear + 1 + 2 * i + m_random.Below(3);
            const int nChild = AddPerson(m_random.Chance(50), nSurname, nBirth, nFamily);
            m_families[static_cast<std::size_t>(nFamily)].m_anChildren.push_back(nChild);
            if (m_random.Chance(70) && static_cast<int>(m_persons.size()) < nPersons) {
                const bool bMale = !m_persons[static_cast<std::size_t>(nChild)].m_bMale;
                const int nPartner = AddPerson(bMale, -1, nBirth - 5 + m_random.Below(10), -1);
                queue.push_back(AddFamily(nChild, nPartner, nBirth + 19 + m_random.Below(15)));
            }
        }
    }
}

std::string CSynthesis::Date(int nYear)
{
    const std::string year = std::to_string(nYear);
    const std::string month = m_random.Pick(theMonths);
    switch (m_random.Below(12)) {
    case 0: return "ABT " + year;
    case 1: return "BEF " + year;
    case 2: return "AFT " + year;
    case 3: return "BET " + year + " AND " + std::to_string(nYear + 1 + m_random.Below(5));
    case 4: return "FROM " + year + " TO " + std::to_string(nYear + 1 + m_random.Below(9));
    case 5: return month + " " + year;
    case 6: return year;
    case 7: return "EST " + year;
    default: return std::to_string(1 + m_random.Below(28)) + " " + month + " " + year;
    }
}

void CSynthesis::Event(const char* pszTag, int nYear, bool bCitation)
{
    Line(std::string("1 ") + pszTag);
    Line("2 DATE " + Date(nYear));
    Line(std::string("2 PLAC ") + m_random.Pick(thePlaces));
    if (m_bEveryEventCited || (bCitation && m_random.Chance(35)))
        Citation();
}

void CSynthesis::Citation()
{
    Line("2 SOUR @S" + std::to_string(1 + m_random.Below(40)) + "@");
    Line("3 PAGE p. " + std::to_string(1 + m_random.Below(400)));
    if (m_random.Chance(30))
        Line("3 QUAY " + std::to_string(m_random.Below(4)));
}

void CSynthesis::Note()
{
    const int nLines = 1 + m_random.Below(4);
    for (int nLine = 0; nLine < nLines; ++nLine) {
        std::string text;
        for (int nWord = 8 + m_random.Below(10); nWord > 0; --nWord)
            text += std::string(m_random.Pick(theNoteWords)) + " ";
        text.pop_back();
        if (nLine == 0) {
            Line("1 NOTE " + text);
        } else if (m_random.Chance(50)) {
            Line("2 CONT " + text);
        } else {
            const std::size_t nCut = text.size() / 2; // CONC may split a word
            Line("2 CONC " + text.substr(0, nCut));
            Line("2 CONC " + text.substr(nCut));
        }
    }
}

void CSynthesis::WritePerson(int nPerson)
{
    const CSynPerson& person = m_persons[static_cast<std::size_t>(nPerson)];
    const int nGiven = person.m_nGiven;
    const std::string given = person.m_bCyrillic
                                  ? (person.m_bMale ? theCyrillicMale : theCyrillicFemale)[nGiven % 5]
                                  : (person.m_bMale ? theMaleNames : theFemaleNames)[nGiven];
    const std::string surname =
        person.m_bCyrillic ? theCyrillicSurnames[person.m_nSurname % 5] : theSurnames[person.m_nSurname];
    const int nBirth = person.m_nBirthYear;
    Line("0 @I" + std::to_string(nPerson + 1) + "@ INDI");
    Line("1 NAME " + given + " /" + surname + "/");
    Line("2 GIVN " + given);
    Line("2 SURN " + surname);
    Line(person.m_bMale ? "1 SEX M" : "1 SEX F");
    Event("BIRT", nBirth, true);
    if (m_random.Chance(20))
        Event("CHR", nBirth, false);
    if (m_random.Chance(15)) {
        Line(std::string("1 OCCU ") + m_random.Pick(theOccupations));
        Line("2 DATE " + Date(nBirth + 20 + m_random.Below(20)));
        if (m_bEveryEventCited)
            Citation();
    }
    if (m_random.Chance(8)) {
        Line(std::string("1 RELI ") + m_random.Pick(theReligions));
        if (m_bEveryEventCited)
            Citation();
    }
    if (m_random.Chance(8)) {
        Event("EVEN", nBirth + 15 + m_random.Below(40), false);
        Line(std::string("2 TYPE ") + m_random.Pick(theEventTypes));
    }
    const int nDeath = nBirth + 1 + m_random.Below(90);
    if (nDeath < 2000 && m_random.Chance(85)) {
        Event("DEAT", nDeath, true);
        if (m_random.Chance(15))
            Line(std::string("2 CAUS ") + m_random.Pick(theCauses));
        if (m_random.Chance(25))
            Event("BURI", nDeath, false);
    }
    if (m_random.Chance(12))
        Note();
    if (person.m_nFamc >= 0)
        Line("1 FAMC @F" + std::to_string(person.m_nFamc + 1) + "@");
    for (const int nFams : person.m_anFams) {
        if (nFams >= 0)
            Line("1 FAMS @F" + std::to_string(nFams + 1) + "@");
    }
    Line("1 CHAN");
    Line("2 DATE " + std::to_string(1 + m_random.Below(28)) + " " + m_random.Pick(theMonths) + " 2019");
    Line("3 TIME 1" + std::to_string(m_random.Below(10)) + ":2" + std::to_string(m_random.Below(10)) + ":05");
}

void CSynthesis::WriteFamily(int nFamily)
{
    const CSynFamily& family = m_families[static_cast<std::size_t>(nFamily)];
    Line("0 @F" + std::to_string(nFamily + 1) + "@ FAM");
    Line("1 HUSB @I" + std::to_string(family.m_nHusband + 1) + "@");
    Line("1 WIFE @I" + std::to_string(family.m_nWife + 1) + "@");
    for (const int nChild : family.m_anChildren)
        Line("1 CHIL @I" + std::to_string(nChild + 1) + "@");
    Event("MARR", family.m_nYear, true);
    if (m_random.Chance(4)) {
        Line("1 DIV");
        Line("2 DATE " + Date(family.m_nYear + 5 + m_random.Below(20)));
        if (m_bEveryEventCited)
            Citation();
    }
}

bool CSynthesis::Drain(std::FILE* pFile, bool bAll)
{
    if (!bAll && m_out.size() < (1 << 20))
        return true;
    const bool bWritten = std::fwrite(m_out.data(), 1, m_out.size(), pFile) == m_out.size();
    m_out.clear();
    return bWritten;
}

bool CSynthesis::Write(std::FILE* pFile)
{
    Line("0 HEAD");
    Line("1 SOUR STEMMARK_BENCH");
    Line("2 VERS 1.0");
    Line("1 GEDC");
    Line("2 VERS 5.5.1");
    Line("2 FORM LINEAGE-LINKED");
    Line("1 CHAR UTF-8");
    for (int nSource = 1; nSource <= 40; ++nSource) {
        Line("0 @S" + std::to_string(nSource) + "@ SOUR");
        Line("1 TITL Parish register of " + std::string(thePlaces[nSource % 16]));
        Line("1 AUTH Parish clerk");
    }
    bool bWritten = true;
    for (int nPerson = 0; nPerson < static_cast<int>(m_persons.size()); ++nPerson) {
        WritePerson(nPerson);
        bWritten = Drain(pFile, false) && bWritten;
    }
    for (int nFamily = 0; nFamily < static_cast<int>(m_families.size()); ++nFamily) {
        WriteFamily(nFamily);
        bWritten = Drain(pFile, false) && bWritten;
    }
    Line("0 TRLR");
    return Drain(pFile, true) && bWritten;
}

struct CFileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

std::uint64_t SizeOf(const std::filesystem::path& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

} // namespace

std::uint64_t WriteSyntheticGedcom(const std::filesystem::path& path, int nPersons, std::uint64_t seed,
                                   bool bEveryEventCited)
{
    {
        std::unique_ptr<std::FILE, CFileCloser> file(std::fopen(path.c_str(), "wb"));
        if (!file || !CSynthesis(nPersons, seed, bEveryEventCited).Write(file.get()))
            return 0;
    }
    return SizeOf(path);
}

std::uint64_t WriteContinuedNoteGedcom(const std::filesystem::path& path, int nLines, const char* pszTag)
{
    {
        std::unique_ptr<std::FILE, CFileCloser> file(std::fopen(path.c_str(), "wb"));
        if (!file)
            return 0;
        std::fputs("0 HEAD\r\n0 @I1@ INDI\r\n1 NAME Long /Note/\r\n1 NOTE The note begins here.\r\n", file.get());
        for (int nLine = 0; nLine < nLines; ++nLine)
            std::fprintf(file.get(), "2 %s line %d of a long note\r\n", pszTag, nLine);
        std::fputs("0 TRLR\r\n", file.get());
    }
    return SizeOf(path);
}

std::filesystem::path SyntheticGedcomFile(int nPersons)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("stemmark-synthetic-" + std::to_string(nPersons) + ".ged");
    std::error_code error;
    if ((std::filesystem::file_size(path, error) == 0 || error) && WriteSyntheticGedcom(path, nPersons) == 0)
        return {};
    return path;
}

std::unique_ptr<CDocument> ReadSyntheticGedcom(int nPersons)
{
    const std::filesystem::path path = SyntheticGedcomFile(nPersons);
    if (path.empty())
        return nullptr;
    SetLanguage(L"En");
    CReadResult read = ReadGedcomFile(path.wstring());
    return read.m_bRead ? std::move(read.m_pDocument) : nullptr;
}
