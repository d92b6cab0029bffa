#include "core/views/Relationship.h"

#include "core/model/Document.h"
#include "core/options/HomePerson.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <unordered_map>

namespace {

// An ancestor reached from one side: how many generations up, and the person
// one step down towards the side's start (-1 at the start), which gives back a
// shortest line.
struct CClimbed {
    int m_nGeneration = 0;
    int m_nChild = -1;
};
using CClimbMap = std::unordered_map<int, CClimbed>;

// A way through the ancestor `m_nTop`: its child `m_nChildA` on A's side and
// `m_nChildB` on B's (-1 where the side's start is the ancestor itself).
struct CCandidate {
    int m_nUp = 0;
    int m_nDown = 0;
    int m_nTop = -1;
    int m_nFamily = -1; ///< the couple's family; -1 for one ancestor or a direct line
    int m_nChildA = -1;
    int m_nChildB = -1;
    bool m_bHalf = false;

    auto Order() const
    {
        return std::make_tuple(std::max(m_nUp, m_nDown), m_nUp + m_nDown, m_nTop, m_nChildA, m_nChildB);
    }
};

// Closest first: fewest generations from the farther side, then fewest steps,
// then blood before marriage.
auto Closeness(const CRelationship& way)
{
    const bool bSpouse = way.m_kind == CRelationKind::Spouse;
    return std::make_tuple(bSpouse ? 0 : std::max(way.Up(), way.Down()) + 1, way.Up() + way.Down(),
                           static_cast<int>(way.m_kind));
}

class CRelationSearch {
public:
    CRelationSearch(const CDocument& doc, std::int64_t nBudget) : m_doc(doc), m_nBudget(nBudget) {}

    bool Stopped() const { return m_bStopped; }

    void Blood(int nA, int nB, std::size_t nShown, CRelationships& result);
    std::vector<std::pair<int, int>> Spouses(int nPerson) const; // spouse, family
    bool IsChildOf(int nPerson, int nFamily) const
    {
        const CText famc = m_doc.Persons()[nPerson].m_strFamc;
        return !famc.empty() && m_doc.FindFamilyById(famc) == nFamily;
    }

private:
    bool Step()
    {
        if (m_nBudget <= 0) {
            m_bStopped = true;
            return false;
        }
        --m_nBudget;
        return true;
    }
    int PersonOf(CText id) const { return id.empty() ? -1 : m_doc.FindPersonById(id); }
    std::array<int, 2> Parents(int nPerson) const;
    std::vector<int> Climb(const std::vector<int>& frontier, int nGeneration, CClimbMap& climbed);
    void AddCandidates(int nTop, int nA, int nB, const CClimbMap& fromA, const CClimbMap& fromB,
                       std::vector<CCandidate>& candidates);
    std::vector<int> Line(const CClimbMap& climbed, int nChild, int nTop);

    const CDocument& m_doc;
    std::int64_t m_nBudget;
    bool m_bStopped = false;
};

std::array<int, 2> CRelationSearch::Parents(int nPerson) const
{
    const CText famc = m_doc.Persons()[nPerson].m_strFamc;
    const int nFamily = famc.empty() ? -1 : m_doc.FindFamilyById(famc);
    if (nFamily < 0)
        return {-1, -1};
    const CFamily& family = m_doc.Families()[nFamily];
    return {PersonOf(family.m_strHusband), PersonOf(family.m_strWife)};
}

std::vector<std::pair<int, int>> CRelationSearch::Spouses(int nPerson) const
{
    std::vector<std::pair<int, int>> spouses;
    for (const CText familyId : m_doc.Items(m_doc.Persons()[nPerson].m_astrFams)) {
        const int nFamily = familyId.empty() ? -1 : m_doc.FindFamilyById(familyId);
        if (nFamily < 0)
            continue;
        const CFamily& family = m_doc.Families()[nFamily];
        for (const CText id : {family.m_strHusband, family.m_strWife}) {
            const int nSpouse = PersonOf(id);
            const bool bKnown = std::any_of(spouses.begin(), spouses.end(),
                                            [nSpouse](const auto& spouse) { return spouse.first == nSpouse; });
            if (nSpouse >= 0 && nSpouse != nPerson && !bKnown)
                spouses.emplace_back(nSpouse, nFamily);
        }
    }
    return spouses;
}

// The parents of a generation not reached before on this side.
std::vector<int> CRelationSearch::Climb(const std::vector<int>& frontier, int nGeneration, CClimbMap& climbed)
{
    std::vector<int> next;
    for (const int nPerson : frontier) {
        if (!Step())
            break;
        for (const int nParent : Parents(nPerson))
            if (nParent >= 0 && climbed.try_emplace(nParent, CClimbed{nGeneration, nPerson}).second)
                next.push_back(nParent);
    }
    return next;
}

// The ways through one common ancestor: a child of it on each side, two
// different children (one side may be the ancestor itself: a direct line).
void CRelationSearch::AddCandidates(int nTop, int nA, int nB, const CClimbMap& fromA, const CClimbMap& fromB,
                                    std::vector<CCandidate>& candidates)
{
    struct CChild {
        int m_nPerson;
        int m_nFamily;
        int m_nGeneration;
    };
    std::vector<CChild> sideA;
    std::vector<CChild> sideB;
    for (const CText familyId : m_doc.Items(m_doc.Persons()[nTop].m_astrFams)) {
        const int nFamily = familyId.empty() ? -1 : m_doc.FindFamilyById(familyId);
        if (nFamily < 0 || !Step())
            continue;
        for (const CText childId : m_doc.Items(m_doc.Families()[nFamily].m_astrChildren)) {
            const int nChild = PersonOf(childId);
            if (const auto it = fromA.find(nChild); it != fromA.end())
                sideA.push_back({nChild, nFamily, it->second.m_nGeneration});
            if (const auto it = fromB.find(nChild); it != fromB.end())
                sideB.push_back({nChild, nFamily, it->second.m_nGeneration});
        }
    }
    if (nTop == nA || nTop == nB) {
        // A direct line: the start that is the ancestor stands alone on its side.
        for (const CChild& child : nTop == nA ? sideB : sideA) {
            CCandidate way{.m_nTop = nTop};
            (nTop == nA ? way.m_nDown : way.m_nUp) = child.m_nGeneration + 1;
            (nTop == nA ? way.m_nChildB : way.m_nChildA) = child.m_nPerson;
            candidates.push_back(way);
        }
        return;
    }
    for (const CChild& childA : sideA)
        for (const CChild& childB : sideB)
            if (childA.m_nPerson != childB.m_nPerson)
                candidates.push_back({.m_nUp = childA.m_nGeneration + 1,
                                      .m_nDown = childB.m_nGeneration + 1,
                                      .m_nTop = nTop,
                                      .m_nFamily = childA.m_nFamily == childB.m_nFamily ? childA.m_nFamily : -1,
                                      .m_nChildA = childA.m_nPerson,
                                      .m_nChildB = childB.m_nPerson,
                                      .m_bHalf = childA.m_nFamily != childB.m_nFamily});
}

// From the side's start up through `nChild` to `nTop`; the start alone when
// it is the ancestor. Empty when the budget ends on the way.
std::vector<int> CRelationSearch::Line(const CClimbMap& climbed, int nChild, int nTop)
{
    std::vector<int> anLine{nTop};
    for (int nPerson = nChild; nPerson >= 0; nPerson = climbed.at(nPerson).m_nChild) {
        if (!Step())
            return {};
        anLine.push_back(nPerson);
    }
    std::reverse(anLine.begin(), anLine.end());
    return anLine;
}

// Blood only. A way through an ancestor counts when its two lines share no
// one below it: lines that meet lower belong to the ancestor they meet in.
// Of a couple, both spouses give each way; it counts once.
void CRelationSearch::Blood(int nA, int nB, std::size_t nShown, CRelationships& result)
{
    CClimbMap fromA{{nA, {}}};
    CClimbMap fromB{{nB, {}}};
    std::vector<int> frontierA{nA};
    std::vector<int> frontierB{nB};
    for (int nGeneration = 1; (!frontierA.empty() || !frontierB.empty()) && !m_bStopped; ++nGeneration) {
        frontierA = Climb(frontierA, nGeneration, fromA);
        frontierB = Climb(frontierB, nGeneration, fromB);
    }
    const CClimbMap& smaller = fromA.size() <= fromB.size() ? fromA : fromB;
    const CClimbMap& larger = &smaller == &fromA ? fromB : fromA;
    std::vector<int> anCommon;
    for (const auto& [nPerson, climbed] : smaller)
        if (larger.contains(nPerson))
            anCommon.push_back(nPerson);
    std::sort(anCommon.begin(), anCommon.end());
    std::vector<CCandidate> candidates;
    for (const int nTop : anCommon)
        AddCandidates(nTop, nA, nB, fromA, fromB, candidates);
    std::sort(candidates.begin(), candidates.end(),
              [](const CCandidate& left, const CCandidate& right) { return left.Order() < right.Order(); });

    std::set<std::tuple<int, int, int, int>> counted; // couple or ancestor, and the two generations
    for (const CCandidate& way : candidates) {
        const auto key = std::make_tuple(way.m_nFamily >= 0 ? 0 : 1, way.m_nFamily >= 0 ? way.m_nFamily : way.m_nTop,
                                         way.m_nUp, way.m_nDown);
        if (counted.contains(key))
            continue;
        CRelationship found;
        found.m_anLineA = Line(fromA, way.m_nChildA, way.m_nTop);
        found.m_anLineB = Line(fromB, way.m_nChildB, way.m_nTop);
        if (m_bStopped)
            break;
        std::vector<int> below(found.m_anLineA.begin(), found.m_anLineA.end() - 1);
        below.insert(below.end(), found.m_anLineB.begin(), found.m_anLineB.end() - 1);
        std::sort(below.begin(), below.end());
        if (std::adjacent_find(below.begin(), below.end()) != below.end())
            continue;
        counted.insert(key);
        ++result.m_nCount;
        if (result.m_found.size() >= nShown)
            continue;
        found.m_nTop = way.m_nTop;
        found.m_bHalf = way.m_bHalf;
        if (way.m_nFamily >= 0) {
            const CFamily& family = m_doc.Families()[way.m_nFamily];
            for (const CText id : {family.m_strHusband, family.m_strWife})
                if (const int nSpouse = PersonOf(id); nSpouse >= 0 && nSpouse != way.m_nTop)
                    found.m_nTopSpouse = nSpouse;
        }
        result.m_found.push_back(std::move(found));
    }
    result.m_bStopped = result.m_bStopped || m_bStopped;
}

} // namespace

int HomePersonOf(const CDocument& doc)
{
    const std::wstring strId = doc.GetPath().empty() ? std::wstring() : ReadHomePerson(doc.GetPath());
    return strId.empty() ? -1 : doc.FindPersonById(strId);
}

CRelationships FindRelationships(const CDocument& doc, int nA, int nB, std::size_t nShown, std::int64_t nStepBudget)
{
    CRelationships result;
    if (nA < 0 || nB < 0 || nA == nB || nA > doc.GetLastPersonIndex() || nB > doc.GetLastPersonIndex())
        return result;
    CRelationSearch search(doc, nStepBudget);
    search.Blood(nA, nB, nShown, result);

    // One marriage deep: the closest way for each spouse on either side. A
    // way that comes down through the marriage itself (a child of the couple,
    // or a line through the married person) is a blood way already.
    std::vector<CRelationship> married;
    const auto marry = [&](int nFrom, int nTo, CRelationKind kind, int nSpouse, int nFamily) {
        const int nMarried = kind == CRelationKind::ViaSpouseOfA ? nA : nB;
        CRelationships through;
        search.Blood(nFrom, nTo, 4, through);
        for (CRelationship& way : through.m_found) {
            const std::vector<int>& anLine = kind == CRelationKind::ViaSpouseOfA ? way.m_anLineB : way.m_anLineA;
            const auto passes = [nMarried](const std::vector<int>& anSide) {
                return std::find(anSide.begin(), anSide.end(), nMarried) != anSide.end();
            };
            if ((way.m_nTop == nSpouse && anLine.size() >= 2 && search.IsChildOf(anLine[anLine.size() - 2], nFamily)) ||
                passes(way.m_anLineA) || passes(way.m_anLineB))
                continue;
            way.m_kind = kind;
            way.m_nSpouse = nSpouse;
            married.push_back(std::move(way));
            return;
        }
    };
    for (const auto& [nSpouse, nFamily] : search.Spouses(nA)) {
        if (nSpouse == nB)
            married.push_back(
                {.m_kind = CRelationKind::Spouse, .m_nSpouse = nB, .m_anLineA = {nA}, .m_anLineB = {nB}});
        else
            marry(nSpouse, nB, CRelationKind::ViaSpouseOfA, nSpouse, nFamily);
    }
    for (const auto& [nSpouse, nFamily] : search.Spouses(nB))
        if (nSpouse != nA)
            marry(nA, nSpouse, CRelationKind::ViaSpouseOfB, nSpouse, nFamily);
    result.m_nCount += married.size();
    result.m_bStopped = result.m_bStopped || search.Stopped();
    for (CRelationship& way : married)
        result.m_found.push_back(std::move(way));
    std::stable_sort(result.m_found.begin(), result.m_found.end(),
                     [](const CRelationship& left, const CRelationship& right) {
                         return Closeness(left) < Closeness(right);
                     });
    if (result.m_found.size() > nShown)
        result.m_found.resize(nShown);
    return result;
}
