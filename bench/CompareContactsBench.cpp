// Times Compare with Contacts: an address book of 10,000 cards, half of them
// named as persons of the synthetic file, against a million persons:
// bench_CompareContactsBench [PERSONS] [CARDS]
// Both files are made once in /tmp and reused by later runs. Then times one
// card of very long lines at two sizes, where the time should grow tenfold.
#include "BenchSupport.h"
#include "SyntheticGedcom.h"

#include "core/contacts/ContactsComparison.h"
#include "core/contacts/VCard.h"
#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Names the synthetic file gives (given names and surnames of its lists).
constexpr const char* theGivenNames[] = {"John", "William", "Mary", "Elizabeth", "James", "Anna", "Karl", "Ida"};
constexpr const char* theSurnames[] = {"Smith", "Jones", "Taylor", "Brown", "Wilson", "Hall", "Wood", "Rossi"};

// Every other card has a surname no person has, so the walk meets the whole file.
bool WriteAddressBook(const std::filesystem::path& path, int nCards)
{
    std::ofstream file(path, std::ios::binary);
    for (int i = 0; i < nCards; ++i) {
        const std::string given = theGivenNames[i % std::size(theGivenNames)];
        std::string surname = theSurnames[(i / std::size(theGivenNames)) % std::size(theSurnames)];
        if (i % 2) {
            surname += '-';
            surname += std::to_string(i);
        }
        file << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" << surname << ';' << given << ";;;\r\nFN:" << given << ' '
             << surname << "\r\nBDAY:" << 1800 + i % 200 << "-0" << 1 + i % 9 << "-1" << i % 10
             << "\r\nEND:VCARD\r\n";
    }
    return static_cast<bool>(file);
}

std::filesystem::path MadeOnce(const std::string& name, bool (*make)(const std::filesystem::path&, int), int nCount)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::error_code error;
    if ((std::filesystem::file_size(path, error) == 0 || error) && !make(path, nCount))
        return {};
    return path;
}

bool WriteGedcom(const std::filesystem::path& path, int nPersons)
{
    return WriteSyntheticGedcom(path, nPersons) != 0;
}

// A family name of 20 characters a soft line break, a given name of as many
// soft line breaks and a junk line of 5 characters each.
void LongLinesCard(int nSoftBreaks)
{
    const auto nCount = static_cast<std::size_t>(nSoftBreaks);
    std::string strText = "BEGIN:VCARD\r\nN;QUOTED-PRINTABLE:" + std::string(20 * nCount, 'x') + ";J=\r\n";
    for (std::size_t i = 0; i < nCount; ++i)
        strText += "a=\r\n";
    strText += "b\r\nX-JUNK:" + std::string(5 * nCount, '\x01') + "\r\nEND:VCARD\r\n";
    std::vector<CContact> contacts;
    const auto start = std::chrono::steady_clock::now();
    const CContactsFailure failure = ReadVCardText(strText, contacts);
    const double seconds = SecondsSince(start);
    std::printf("one card of %6d soft line breaks, %.1f MB: %.4f s (failure %d, given name of %zu letters)\n",
                nSoftBreaks, static_cast<double>(strText.size()) / 1e6, seconds, static_cast<int>(failure),
                contacts.empty() ? std::size_t(0) : contacts[0].m_strFirstName.size());
}

} // namespace

int main(int argc, char** argv)
{
    const int nPersons = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const int nCards = argc > 2 ? std::atoi(argv[2]) : 10'000;
    const std::filesystem::path gedcom =
        MadeOnce("stemmark-synthetic-" + std::to_string(nPersons) + ".ged", WriteGedcom, nPersons);
    const std::filesystem::path book =
        MadeOnce("stemmark-contacts-" + std::to_string(nCards) + ".vcf", WriteAddressBook, nCards);
    if (gedcom.empty() || book.empty()) {
        std::fprintf(stderr, "cannot write the files in %s\n", std::filesystem::temp_directory_path().c_str());
        return 1;
    }
    SetLanguage(L"En");
    auto start = std::chrono::steady_clock::now();
    const CReadResult read = ReadGedcomFile(gedcom.wstring());
    if (!read.m_bRead) {
        std::fprintf(stderr, "cannot read %s\n", gedcom.c_str());
        return 1;
    }
    const CDocument& doc = *read.m_pDocument;
    std::printf("read %d persons in %.2f s\n", doc.GetLastPersonIndex() + 1, SecondsSince(start));

    start = std::chrono::steady_clock::now();
    std::vector<CContact> contacts;
    const CContactsFailure failure = ReadAddressBook(book.wstring(), contacts);
    std::printf("read %zu contacts in %.3f s (failure %d)\n", contacts.size(), SecondsSince(start),
                static_cast<int>(failure));

    start = std::chrono::steady_clock::now();
    const CContactsComparison result = CompareContacts(doc, contacts);
    const double seconds = SecondsSince(start);
    std::size_t nMatches = 0;
    for (std::size_t pos = 0; (pos = result.m_strMatchesBody.find(L"<br>", pos)) != std::wstring::npos; pos += 4)
        ++nMatches;
    std::printf("compared in %.3f s: %zu matches, differences page of %zu characters\n", seconds, nMatches,
                result.m_strDifferencesBody.size());

    start = std::chrono::steady_clock::now();
    CompareWithContacts(doc, book.wstring());
    std::printf("read and compared in %.3f s\n", SecondsSince(start));
    std::printf("peak resident memory: %.0f MB\n", static_cast<double>(PeakResidentBytes()) / 1e6);
    LongLinesCard(20'000);
    LongLinesCard(200'000);
    return 0;
}
