// How fast two persons' relationships are found: 1,000 random pairs of the
// synthetic million (median and worst), 1,000 pairs of cousins or siblings
// in it, the two deepest persons of a line of
// a million generations, the 60-person knot, and two persons with thousands
// of ways between them; each with the number of ways and whether the budget
// stopped the search.
//   bench_RelationshipBench [FILE.ged]   (default: the synthetic million)
#include "BenchSupport.h"
#include "HostileGedcom.h"
#include "SyntheticGedcom.h"

#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "core/views/Relationship.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

void Measure(const char* pszWhat, const CDocument& doc, int nA, int nB)
{
    const auto start = std::chrono::steady_clock::now();
    const CRelationships found = FindRelationships(doc, nA, nB);
    const double dSeconds = SecondsSince(start);
    std::printf("%s: %.3f s, %zu ways%s, closest %d/%d\n", pszWhat, dSeconds, found.m_nCount,
                found.m_bStopped ? "+" : "", found.m_found.empty() ? -1 : found.m_found[0].Up(),
                found.m_found.empty() ? -1 : found.m_found[0].Down());
}

// The file's ids are indexed at the first look-up, whatever view makes it:
// timed apart, as a user's first view of the file pays it.
void IndexIds(const CDocument& doc, const char* pszName)
{
    const auto indexing = std::chrono::steady_clock::now();
    doc.FindPersonById(L"@none@");
    doc.FindFamilyById(L"@none@");
    std::printf("%s: ids indexed by the first look-up in %.3f s\n", pszName, SecondsSince(indexing));
}

void MeasurePairs(const CDocument& doc, const char* pszName)
{
    IndexIds(doc, pszName);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> person(0, doc.GetLastPersonIndex());
    std::vector<double> seconds;
    std::size_t nRelated = 0;
    std::size_t nStopped = 0;
    for (int i = 0; i < 1000; ++i) {
        const int nA = person(random);
        const int nB = person(random);
        const auto start = std::chrono::steady_clock::now();
        const CRelationships found = FindRelationships(doc, nA, nB);
        seconds.push_back(SecondsSince(start));
        nRelated += found.m_found.empty() ? 0 : 1;
        nStopped += found.m_bStopped ? 1 : 0;
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("%s: 1000 random pairs, median %.2f ms, worst %.2f ms; %zu related, %zu stopped by the budget\n",
                pszName, seconds[500] * 1000, seconds.back() * 1000, nRelated, nStopped);
}

// A person's cousin or sibling through the father's parents, or -1: up
// two generations, down two by random children.
int RandomCousin(const CDocument& doc, int nPerson, std::mt19937& random)
{
    const auto parentOf = [&](int n) {
        const CText famc = doc.Persons()[n].m_strFamc;
        const int nFamily = famc.empty() ? -1 : doc.FindFamilyById(famc);
        return nFamily < 0 ? -1 : doc.FindPersonById(doc.Families()[nFamily].m_strHusband);
    };
    const auto childOf = [&](int n) {
        std::vector<int> children;
        for (const CText familyId : doc.Items(doc.Persons()[n].m_astrFams)) {
            const int nFamily = doc.FindFamilyById(familyId);
            if (nFamily >= 0)
                for (const CText child : doc.Items(doc.Families()[nFamily].m_astrChildren))
                    if (const int nChild = doc.FindPersonById(child); nChild >= 0)
                        children.push_back(nChild);
        }
        return children.empty() ? -1 : children[random() % children.size()];
    };
    const int nFather = parentOf(nPerson);
    const int nGrandfather = nFather < 0 ? -1 : parentOf(nFather);
    const int nUncle = nGrandfather < 0 ? -1 : childOf(nGrandfather);
    return nUncle < 0 ? -1 : childOf(nUncle);
}

void MeasureCousins(const CDocument& doc)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> person(0, doc.GetLastPersonIndex());
    std::vector<double> seconds;
    std::size_t nWays = 0;
    for (int nTries = 0; seconds.size() < 1000 && nTries < 1'000'000; ++nTries) {
        const int nA = person(random);
        const int nB = RandomCousin(doc, nA, random);
        if (nB < 0 || nB == nA)
            continue;
        const auto start = std::chrono::steady_clock::now();
        nWays += FindRelationships(doc, nA, nB).m_nCount;
        seconds.push_back(SecondsSince(start));
    }
    if (seconds.empty())
        return;
    std::sort(seconds.begin(), seconds.end());
    std::printf("  %zu pairs of cousins or siblings: median %.2f ms, worst %.2f ms; %zu ways in all\n",
                seconds.size(), seconds[seconds.size() / 2] * 1000, seconds.back() * 1000, nWays);
}

std::unique_ptr<CDocument> FromText(const std::string& strText)
{
    return std::move(ReadGedcom(strText).m_pDocument);
}

// Two persons whose ancestors, `nDepth` generations of full trees on each
// side, meet only at the top, pair by pair: 2^nDepth ways of 2^nDepth
// distinct couples.
std::string ManyWaysGedcom(int nDepth)
{
    std::string strText = "0 HEAD\n";
    std::string strFamilies;
    const int nLeaves = 1 << nDepth;
    const auto id = [](char cSide, int n) { return "@" + std::string(1, cSide) + std::to_string(n) + "@"; };
    for (const char cSide : {'a', 'b'})
        for (int n = 1; n < 2 * nLeaves; ++n) {
            strText += "0 " + id(cSide, n) + " INDI\n1 NAME P //\n1 SEX " + (n % 2 ? "F" : "M") + "\n";
            strText += "1 FAMC " + (n < nLeaves ? "@" + std::string(1, cSide) + "F" + std::to_string(n) + "@"
                                               : "@T" + std::to_string(n) + "@") +
                       "\n";
            if (n > 1)
                strText += "1 FAMS @" + std::string(1, cSide) + "F" + std::to_string(n / 2) + "@\n";
            if (n < nLeaves)
                strFamilies += "0 @" + std::string(1, cSide) + "F" + std::to_string(n) + "@ FAM\n1 HUSB " +
                               id(cSide, 2 * n) + "\n1 WIFE " + id(cSide, 2 * n + 1) + "\n1 CHIL " + id(cSide, n) +
                               "\n";
        }
    for (int n = nLeaves; n < 2 * nLeaves; ++n) {
        strText += "0 @t" + std::to_string(n) + "@ INDI\n1 SEX M\n1 FAMS @T" + std::to_string(n) + "@\n";
        strText += "0 @u" + std::to_string(n) + "@ INDI\n1 SEX F\n1 FAMS @T" + std::to_string(n) + "@\n";
        strFamilies += "0 @T" + std::to_string(n) + "@ FAM\n1 HUSB @t" + std::to_string(n) + "@\n1 WIFE @u" +
                       std::to_string(n) + "@\n1 CHIL " + id('a', n) + "\n1 CHIL " + id('b', n) + "\n";
    }
    return strText + strFamilies + "0 TRLR\n";
}

} // namespace

int main(int argc, char** argv)
{
    SetLanguage(L"En");
    std::unique_ptr<CDocument> pDoc;
    if (argc > 1) {
        const std::string strPath = argv[1];
        pDoc = std::move(ReadGedcomFile(std::wstring(strPath.begin(), strPath.end())).m_pDocument);
    } else {
        pDoc = ReadSyntheticGedcom(1'000'000);
    }
    if (!pDoc)
        return 1;
    MeasurePairs(*pDoc, argc > 1 ? argv[1] : "synthetic million");
    MeasureCousins(*pDoc);

    const int nGenerations = 1'000'000;
    const auto line = FromText(LongLineageGedcom(nGenerations));
    const int nLast = line->GetLastPersonIndex();
    IndexIds(*line, "line of a million generations");
    Measure("line of a million generations, the two deepest", *line, nLast, nLast - 1);

    const auto knot = FromText(KnotGedcom(60));
    Measure("60-person knot", *knot, 0, 1);

    const auto ways = FromText(ManyWaysGedcom(14));
    Measure("16,384 ways between two persons", *ways, ways->FindPersonById(L"@a1@"), ways->FindPersonById(L"@b1@"));
    return 0;
}
