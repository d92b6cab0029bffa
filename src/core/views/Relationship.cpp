#include "core/views/Relationship.h"

#include "core/model/Document.h"
#include "core/options/HomePerson.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <unordered_map>

namespace {

// An ancestor reached from one person: how many generations up, the person
// one step down towards the start (-1 at the start), which gives back a
// shortest line, and the first of its edges down.
struct CClimbed {
    int m_nGeneration = 0;
    int m_nChild = -1;
    int m_nFirstEdge = -1;
};

// A link from a person reached up to a parent: the child, its family (the
// one the child was born in), the child's generation, and the parent's next
// edge.
struct CEdge {
    int m_nChild;
    int m_nFamily;
    int m_nChildGeneration;
    int m_nNext;
};

// The ancestors of one person, each once, a generation at a time; with the
// edges down from each, so that the children of an ancestor on this side
// need no look-up in the file.
struct CClimb {
    std::unordered_map<int, CClimbed> m_reached;
    std::vector<CEdge> m_edges;
    bool m_bStopped = false;
};

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

// One search: each person's ancestors are climbed once, within half the
// budget a person; finding the ways among them has a budget of its own.
class CRelationSearch {
public:
    CRelationSearch(const CDocument& doc, std::int64_t nBudget) : m_doc(doc), m_nBudget(nBudget), m_nWalkBudget(nBudget)
    {
    }

    bool Stopped() const { return m_bStopped; }

    void Blood(int nA, int nB, std::size_t nShown, CRelationships& result);
    std::vector<std::pair<int, int>> Spouses(int nPerson) const; // spouse, family
    bool IsChildOf(int nPerson, int nFamily) const
    {
        const CText famc = m_doc.Persons()[nPerson].m_strFamc;
        return !famc.empty() && m_doc.FindFamilyById(famc) == nFamily;
    }

private:
    bool Walk()
    {
        if (m_nWalkBudget <= 0) {
            m_bStopped = true;
            return false;
        }
        --m_nWalkBudget;
        return true;
    }
    int PersonOf(CText id) const { return id.empty() ? -1 : m_doc.FindPersonById(id); }
    const std::array<int, 3>& ParentsOf(int nPerson);
    const CClimb& ClimbFrom(int nPerson);
    void AddCandidates(int nTop, int nA, int nB, const CClimb& fromA, const CClimb& fromB,
                       std::vector<CCandidate>& candidates);
    std::vector<int> Line(const CClimb& climb, int nChild, int nTop);

    const CDocument& m_doc;
    std::int64_t m_nBudget;
    std::int64_t m_nWalkBudget;
    bool m_bStopped = false;
    std::unordered_map<int, CClimb> m_climbs;
    std::vector<std::array<int, 3>> m_parents; ///< family, father, mother; looked up once a search
};

// The family a person was born in and its two parents, -1 for none; looked
// up in the file once, as the climbs of one search share most ancestors.
const std::array<int, 3>& CRelationSearch::ParentsOf(int nPerson)
{
    constexpr int kNotLookedUp = -2;
    if (m_parents.empty())
        m_parents.assign(static_cast<std::size_t>(m_doc.GetLastPersonIndex() + 1), {kNotLookedUp, -1, -1});
    std::array<int, 3>& parents = m_parents[static_cast<std::size_t>(nPerson)];
    if (parents[0] != kNotLookedUp)
        return parents;
    const CText famc = m_doc.Persons()[nPerson].m_strFamc;
    parents[0] = famc.empty() ? -1 : m_doc.FindFamilyById(famc);
    if (parents[0] >= 0) {
        const CFamily& family = m_doc.Families()[parents[0]];
        parents[1] = PersonOf(family.m_strHusband);
        parents[2] = PersonOf(family.m_strWife);
    }
    return parents;
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

// The parents of a generation at a time, each ancestor once, within half the
// budget: the two sides of a search share it.
const CClimb& CRelationSearch::ClimbFrom(int nStart)
{
    const auto [it, bNew] = m_climbs.try_emplace(nStart);
    CClimb& climb = it->second;
    if (!bNew)
        return climb;
    std::int64_t nSteps = m_nBudget / 2;
    climb.m_reached.emplace(nStart, CClimbed{});
    std::vector<int> frontier{nStart};
    for (int nGeneration = 1; !frontier.empty(); ++nGeneration) {
        std::vector<int> next;
        for (const int nPerson : frontier) {
            if (nSteps-- <= 0) {
                climb.m_bStopped = true;
                m_bStopped = true;
                return climb;
            }
            const std::array<int, 3>& parents = ParentsOf(nPerson);
            const int nFamily = parents[0];
            for (const int nParent : {parents[1], parents[2]}) {
                if (nParent < 0)
                    continue;
                const auto [parent, bFirst] = climb.m_reached.try_emplace(nParent, CClimbed{nGeneration, nPerson});
                if (bFirst)
                    next.push_back(nParent);
                climb.m_edges.push_back({nPerson, nFamily, nGeneration - 1, parent->second.m_nFirstEdge});
                parent->second.m_nFirstEdge = static_cast<int>(climb.m_edges.size()) - 1;
            }
        }
        frontier = std::move(next);
    }
    return climb;
}

// The ways through one common ancestor: a child of it on each side, two
// different children (one side may be the ancestor itself: a direct line).
void CRelationSearch::AddCandidates(int nTop, int nA, int nB, const CClimb& fromA, const CClimb& fromB,
                                    std::vector<CCandidate>& candidates)
{
    struct CChild {
        int m_nPerson;
        int m_nFamily;
        int m_nGeneration;
    };
    const auto children = [&](const CClimb& climb) {
        std::vector<CChild> found;
        for (int nEdge = climb.m_reached.at(nTop).m_nFirstEdge; nEdge >= 0 && Walk();) {
            const CEdge& edge = climb.m_edges[static_cast<std::size_t>(nEdge)];
            found.push_back({edge.m_nChild, edge.m_nFamily, edge.m_nChildGeneration});
            nEdge = edge.m_nNext;
        }
        return found;
    };
    if (nTop == nA || nTop == nB) {
        // A direct line: the start that is the ancestor stands alone on its side.
        for (const CChild& child : children(nTop == nA ? fromB : fromA)) {
            CCandidate way{.m_nTop = nTop};
            (nTop == nA ? way.m_nDown : way.m_nUp) = child.m_nGeneration + 1;
            (nTop == nA ? way.m_nChildB : way.m_nChildA) = child.m_nPerson;
            candidates.push_back(way);
        }
        return;
    }
    const std::vector<CChild> sideA = children(fromA);
    const std::vector<CChild> sideB = children(fromB);
    for (const CChild& childA : sideA)
        for (const CChild& childB : sideB)
            if (childA.m_nPerson != childB.m_nPerson && Walk())
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
std::vector<int> CRelationSearch::Line(const CClimb& climb, int nChild, int nTop)
{
    std::vector<int> anLine{nTop};
    for (int nPerson = nChild; nPerson >= 0; nPerson = climb.m_reached.at(nPerson).m_nChild) {
        if (!Walk())
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
    const CClimb& fromA = ClimbFrom(nA);
    const CClimb& fromB = ClimbFrom(nB);
    const CClimb& smaller = fromA.m_reached.size() <= fromB.m_reached.size() ? fromA : fromB;
    const CClimb& larger = &smaller == &fromA ? fromB : fromA;
    std::vector<int> anCommon;
    for (const auto& [nPerson, climbed] : smaller.m_reached)
        if (larger.m_reached.contains(nPerson))
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
        if (found.m_anLineA.empty() || found.m_anLineB.empty())
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
