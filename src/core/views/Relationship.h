#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CDocument;

/// How a way of relation runs between the two persons A and B.
enum class CRelationKind {
    Blood,        ///< through a common ancestor or couple
    Spouse,       ///< A and B married each other
    ViaSpouseOfA, ///< B is a blood relative of A's spouse m_nSpouse: the lines join the spouse and B
    ViaSpouseOfB, ///< A is a blood relative of B's spouse m_nSpouse: the lines join A and the spouse
};

/// One way two persons are related.
struct CRelationship {
    CRelationKind m_kind = CRelationKind::Blood;
    int m_nSpouse = -1;         ///< the spouse the marriage goes through
    int m_nTop = -1;            ///< the common ancestor; of a couple, the one found first
    int m_nTopSpouse = -1;      ///< the other of the couple; -1 for one ancestor or a direct line
    bool m_bHalf = false;       ///< the lines come down from one ancestor through two of its marriages
    std::vector<int> m_anLineA; ///< from the first person up to the ancestor: that person first, the ancestor last
    std::vector<int> m_anLineB; ///< the same from the second

    /// Generations from each side up to the ancestor.
    int Up() const { return static_cast<int>(m_anLineA.size()) - 1; }
    int Down() const { return static_cast<int>(m_anLineB.size()) - 1; }
};

/// What a search found: the closest ways first.
struct CRelationships {
    std::vector<CRelationship> m_found; ///< at most the number asked for
    std::size_t m_nCount = 0;           ///< every way found, shown or not
    bool m_bStopped = false;            ///< the step budget ended the search: there may be more
};

/// The home person kept for the document's file, or -1.
int HomePersonOf(const CDocument& doc);

/// The links a search may follow before it stops, as a tree's count does.
constexpr std::int64_t kRelationshipStepBudget = 2'000'000;

/// Every way A and B are related: by blood, each through its own common
/// ancestor or couple with lines that share no one below it, and through one
/// marriage (a spouse, a spouse's blood relative, a blood relative's spouse:
/// the closest way for each spouse). Closest first: fewest generations from
/// the farther side up to the ancestor, then fewest steps in all. A and B the
/// same person find nothing.
///
/// Each person's ancestors are climbed a generation at a time, each once a
/// side, within half of `nStepBudget` links a person; the ways among them are
/// found within `nStepBudget` steps more. Where a budget ends the search, the
/// closest ways are those kept and m_bStopped says there may be more.
CRelationships FindRelationships(const CDocument& doc, int nA, int nB, std::size_t nShown = 20,
                                 std::int64_t nStepBudget = kRelationshipStepBudget);
