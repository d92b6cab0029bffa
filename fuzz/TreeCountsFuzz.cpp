// libFuzzer target: a small family file, tangled, and the counts of every
// person's descendants and ancestors. The tree keeps the count of a person
// whose walk met nobody on the path above it and takes it again from any
// other path; the counts must be those of a plain walk, path by path, with
// the same guard against cycles.
//
// Ten persons @I0@..@I9@ and ten families @F0@..@F9@, linked by steps of
// three bytes: a letter, a record of the ten (a digit), and the record it
// points to, a digit, or ':' and ';' for ids that no record has and '<' for
// the empty id.
//   f P F  person P gets the family F (FAMS)    c F P  family F gets the child P
//   m P F  person P is a child of F (FAMC)      h F P, w F P  its husband, wife
//   i P Q  person P takes Q's id                j F G  family F takes G's id
// Another first byte picks one of the letters.
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/views/TreeView.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 10;
// Beyond it the plain walk is left: a knot of ten has millions of paths. The
// tree's counts get the same budget: with its kept counts it takes no more
// steps than the plain walk, and a count that stops is left too.
constexpr std::int64_t kPlainSteps = 10'000;

struct CFamilyFile {
    std::array<std::wstring, kRecords> m_astrPersonIds;
    std::array<std::vector<std::wstring>, kRecords> m_aFams;
    std::array<std::wstring, kRecords> m_astrFamc;
    std::array<std::wstring, kRecords> m_astrFamilyIds;
    std::array<std::vector<std::wstring>, kRecords> m_aChildren;
    std::array<std::wstring, kRecords> m_astrHusbands;
    std::array<std::wstring, kRecords> m_astrWives;
};

std::wstring Id(wchar_t cKind, int nRecord)
{
    return nRecord == kRecords + 2 ? std::wstring() : L'@' + std::wstring(1, cKind) + std::to_wstring(nRecord) + L'@';
}

CFamilyFile Decode(CFuzzInput& input)
{
    CFamilyFile file;
    for (int i = 0; i < kRecords; ++i) {
        file.m_astrPersonIds[static_cast<std::size_t>(i)] = Id(L'I', i);
        file.m_astrFamilyIds[static_cast<std::size_t>(i)] = Id(L'F', i);
    }
    while (!input.AtEnd()) {
        const char cStep = input.Letter("fcmhwij");
        const auto nRecord = static_cast<std::size_t>(input.Digit(kRecords));
        const int nOther = input.Digit(kRecords + 3);
        const bool bPointsToFamily = cStep == 'f' || cStep == 'm' || cStep == 'j';
        const std::wstring strOther = Id(bPointsToFamily ? L'F' : L'I', nOther);
        switch (cStep) {
        case 'f': file.m_aFams[nRecord].push_back(strOther); break;
        case 'c': file.m_aChildren[nRecord].push_back(strOther); break;
        case 'm': file.m_astrFamc[nRecord] = strOther; break;
        case 'h': file.m_astrHusbands[nRecord] = strOther; break;
        case 'w': file.m_astrWives[nRecord] = strOther; break;
        case 'i': file.m_astrPersonIds[nRecord] = strOther; break;
        default: file.m_astrFamilyIds[nRecord] = strOther; break;
        }
    }
    return file;
}

void FillModel(const CFamilyFile& file, CDocument& doc)
{
    for (std::size_t i = 0; i < kRecords; ++i) {
        CPerson& person = doc.AppendPerson();
        person.m_strId = doc.AddText(file.m_astrPersonIds[i]);
        person.m_strFamc = doc.AddText(file.m_astrFamc[i]);
        for (const std::wstring& strFams : file.m_aFams[i])
            doc.Append(person.m_astrFams, doc.AddText(strFams));
    }
    for (std::size_t i = 0; i < kRecords; ++i) {
        CFamily& family = doc.AppendFamily();
        family.m_strId = doc.AddText(file.m_astrFamilyIds[i]);
        family.m_strHusband = doc.AddText(file.m_astrHusbands[i]);
        family.m_strWife = doc.AddText(file.m_astrWives[i]);
        for (const std::wstring& strChild : file.m_aChildren[i])
            doc.Append(family.m_astrChildren, doc.AddText(strChild));
    }
}

// The first record with the id. An empty id is never looked up: no person
// has it, and a family without one is nobody's.
int Find(const std::array<std::wstring, kRecords>& astrIds, const std::wstring& strId)
{
    const auto found = std::find(astrIds.begin(), astrIds.end(), strId);
    return strId.empty() || found == astrIds.end() ? -1 : static_cast<int>(found - astrIds.begin());
}

struct CCount {
    std::int64_t m_nCount = 0;
    int m_nDepth = 0;
};

class CPlainWalk {
public:
    CPlainWalk(const CFamilyFile& file, ViewMode mode) : m_file(file), m_mode(mode) {}

    /// The count below the person, -1 when its own id does not find it;
    /// nothing when the walk took too many steps.
    std::optional<CCount> Count(int nPerson)
    {
        const int nFound = Find(m_file.m_astrPersonIds, m_file.m_astrPersonIds[static_cast<std::size_t>(nPerson)]);
        if (nFound < 0)
            return CCount{-1, 0};
        m_nSteps = 0;
        // Descendants hang below the person the id finds, ancestors above the person itself.
        const CCount count = Walk(m_mode == Descendants ? nFound : nPerson);
        return m_nSteps <= kPlainSteps ? std::optional<CCount>(count) : std::nullopt;
    }

private:
    std::vector<int> LinksBelow(int nPerson) const
    {
        const auto nIndex = static_cast<std::size_t>(nPerson);
        std::vector<int> anLinks;
        const auto addPerson = [&](const std::wstring& strId) {
            const int nFound = Find(m_file.m_astrPersonIds, strId);
            if (nFound >= 0)
                anLinks.push_back(nFound);
        };
        if (m_mode == Ancestors) {
            const int nFamily = Find(m_file.m_astrFamilyIds, m_file.m_astrFamc[nIndex]);
            if (nFamily >= 0) {
                addPerson(m_file.m_astrHusbands[static_cast<std::size_t>(nFamily)]);
                addPerson(m_file.m_astrWives[static_cast<std::size_t>(nFamily)]);
            }
            return anLinks;
        }
        for (const std::wstring& strFams : m_file.m_aFams[nIndex]) {
            const int nFamily = Find(m_file.m_astrFamilyIds, strFams);
            if (nFamily >= 0) {
                for (const std::wstring& strChild : m_file.m_aChildren[static_cast<std::size_t>(nFamily)])
                    addPerson(strChild);
            }
        }
        return anLinks;
    }

    CCount Walk(int nPerson)
    {
        CCount count;
        m_anPath.push_back(nPerson);
        for (const int nLink : LinksBelow(nPerson)) {
            if (++m_nSteps > kPlainSteps)
                break;
            const bool bOnPath = std::find(m_anPath.begin(), m_anPath.end(), nLink) != m_anPath.end();
            const CCount below = bOnPath ? CCount() : Walk(nLink);
            count.m_nCount += below.m_nCount + 1;
            count.m_nDepth = std::max(count.m_nDepth, below.m_nDepth + 1);
        }
        m_anPath.pop_back();
        return count;
    }

    const CFamilyFile& m_file;
    ViewMode m_mode;
    std::vector<int> m_anPath;
    std::int64_t m_nSteps = 0;
};

[[noreturn]] void Fail(const char* pszWhat, int nPerson, std::int64_t nGot, std::int64_t nExpected)
{
    FailDifference(pszWhat, "person " + std::to_string(nPerson), std::to_string(nGot), std::to_string(nExpected));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

// One walker for each view, as a view keeps it, asked for every person in turn.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CFuzzInput input(pData, nSize);
    const CFamilyFile file = Decode(input);
    CDocument doc;
    FillModel(file, doc);
    // The walks keep their counts, so a count the plain walk finishes within
    // its steps never runs out of its own.
    const CViewOptions options;
    CTreeWalker descendants(doc, options, Descendants, kPlainSteps);
    CTreeWalker ancestors(doc, options, Ancestors, kPlainSteps);
    CPlainWalk plainDescendants(file, Descendants);
    CPlainWalk plainAncestors(file, Ancestors);
    for (int i = 0; i < kRecords; ++i) {
        int nDepth = 0;
        const std::int64_t nDescendants = descendants.CountDescendants(i, nDepth);
        const std::int64_t nAncestors = ancestors.CountAncestors(i);
        const std::optional<CCount> expected = plainDescendants.Count(i);
        if (expected) {
            if (nDescendants != expected->m_nCount)
                Fail("CountDescendants", i, nDescendants, expected->m_nCount);
            if (nDepth != expected->m_nDepth)
                Fail("CountDescendants' depth", i, nDepth, expected->m_nDepth);
        }
        const std::optional<CCount> expectedAbove = plainAncestors.Count(i);
        if (expectedAbove && nAncestors != expectedAbove->m_nCount)
            Fail("CountAncestors", i, nAncestors, expectedAbove->m_nCount);
    }
    return 0;
}
