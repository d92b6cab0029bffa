#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

enum ViewMode { Ancestors = 0, Descendants = 1, Patriarchs = 2 };

/// The links one count of a tree view may follow before it stops: the count of
/// a view, and the depth walk of each patriarch candidate. Counts kept from
/// earlier walks cost nothing, so only a file whose links go round in a large
/// knot ever reaches it.
constexpr std::int64_t kTreeStepBudget = 4'000'000;

/// One item of a tree view.
struct CTreeNode {
    int m_nPerson = -1;
    std::wstring m_strText;
    bool m_bHasChildren = false; ///< expanding the item shows something
};

/// What a tree view shows when it opens, before any item is expanded.
struct CTreeContent {
    std::wstring m_strCaption;
    std::wstring m_strCountText;
    std::vector<CTreeNode> m_roots; ///< the top level, in text order
    std::int64_t m_nCount = 0;      ///< entries below the root, or patriarchs
    int m_nMessageId = -1;          ///< the box the view shows before it closes
    CMessageIcon m_messageIcon = CMessageIcon::Information;
    bool m_bClose = false; ///< the view ends at once, after the box if any
    bool m_bCountStopped = false; ///< a count ran out of steps: what it reached is shown with "+"
    std::vector<std::wstring> m_astrNotShown; ///< log lines for the boxes of the build not shown
};

/// Walks the family links of thePersons for one tree view: the counts of the
/// view when it opens and the items below an item when it is expanded.
///
/// Counts go path by path, so a person reached through two lines counts
/// twice, yet each person's count is computed once and kept: a pedigree of
/// intermarried lines has billions of paths. Counts saturate at INT64_MAX.
/// A person met again on the path from the root is shown there but not
/// followed, so a cyclic file gives a finite tree. A failed lookup raises its
/// box once per view for each missing id, however many lines lead to it.
class CTreeWalker {
public:
    explicit CTreeWalker(ViewMode mode);

    CTreeContent Build(int nPerson);

    /// The items below the item reached through `anPath` (the persons of the
    /// items from the top level down to it), in text order.
    std::vector<CTreeNode> Children(const std::vector<int>& anPath);

    /// The same for a walk through the whole tree, at a cost that does not
    /// grow with the depth: Enter the persons of the path from the top down,
    /// one at a time, ask for the items below the last one entered, and Leave
    /// it when done with them.
    void Enter(int nPerson);
    void Leave();
    std::vector<CTreeNode> ChildrenOfEntered();

    /// Ancestor entries of the person; -1 when its own id does not find it.
    std::int64_t CollectAncestors(int nPerson);
    /// Descendant entries of the person, and in `nDepth` the generations below
    /// it; -1 (with a box) when its own id does not find it.
    std::int64_t CollectDescendants(int nPerson, int& nDepth);

    /// Links followed by all the counts of this walker so far.
    std::int64_t GetStepsTaken() const { return m_nStepsTaken; }

private:
    struct CCount {
        std::int64_t m_nCount = 0;
        int m_nDepth = 0;
    };

    int NodeOf(int nPerson, bool bReport);
    void AppendChildren(int nFamily, std::vector<int>& anLinks);
    void AppendLinksBelow(int nNode, std::vector<int>& anLinks);
    std::vector<int> LinksBelow(int nNode);
    CCount Walk(int nRoot);
    void Report(int nStringId, CMessageIcon icon, const std::wstring& strId);
    CTreeNode MakeNode(int nPerson, bool bFollowed);
    template <class OnPath>
    std::vector<CTreeNode> ItemsBelow(int nNode, const OnPath& isOnPath);
    void BuildPatriarchs(CTreeContent& content);

    ViewMode m_mode;
    std::vector<std::int64_t> m_anMemoCount; ///< -1 while unknown
    std::vector<int> m_anMemoDepth;
    std::vector<int> m_anPathPos; ///< a person's place on the walked path, or -1
    std::vector<int> m_anLinkStack; ///< the links of the persons on the walked path
    std::vector<int> m_anFamilyFirst; ///< where a family's children start in m_anChildPool; -1 before
    std::vector<int> m_anFamilyCount;
    std::vector<int> m_anChildPool;
    std::set<std::pair<int, std::wstring>> m_reported;
    std::vector<int> m_anEnteredNodes; ///< per person entered, its node, or -1
    std::vector<int> m_anTimesEntered; ///< per node; sized at the first Enter
    std::int64_t m_nStepsTaken = 0;
};

/// The count box: the caption, then the count in the words of the language.
std::wstring MakeTreeCountText(const std::wstring& strCaption, std::int64_t nCount);
