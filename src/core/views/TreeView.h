#pragma once

#include "core/platform/Message.h"
#include "core/views/BoxThrottle.h"
#include "core/views/ViewOptions.h"

#include <cstdint>
#include <string>
#include <vector>

class CDocument;

enum ViewMode { Ancestors = 0, Descendants = 1, Patriarchs = 2 };

/// The links one count of a tree view may follow before it stops: the count of
/// a view, and the depth walk of each patriarch candidate. Counts kept from
/// earlier walks are not walked again, so a file without cycles takes at most
/// a step per child link; only a file whose links go round in a knot gets
/// near it, and there a patriarch search still ends within a second or two.
constexpr std::int64_t kTreeStepBudget = 2'000'000;
/// The links the whole patriarch search may follow, in budgets of one count:
/// a knot that many candidates lead into would otherwise cost each of them
/// the whole budget. Counts kept from earlier walks still come at no cost.
constexpr std::int64_t kPatriarchSearchBudgets = 64;

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
    /// The boxes of the build: a missing record's, then the view's own word
    /// when it closes for want of entries (see OwnMessage).
    CMessages m_messages;
    bool m_bClose = false;        ///< the view ends at once, after the boxes
    bool m_bCountStopped = false; ///< a count ran out of steps: what it reached is shown with "+"
    std::vector<std::wstring> m_astrNotShown; ///< log lines for the boxes of the build not shown
};

/// The view's own word as it closes ("No information about ancestors", ...),
/// the last of its boxes; nullptr when it has none.
const CMessageBox* OwnMessage(const CTreeContent& content);

/// Walks the family links of a document's persons for one tree view: the counts of the
/// view when it opens and the items below an item when it is expanded.
///
/// Counts go path by path, so a person reached through two lines counts
/// twice, yet each person's count is computed once and kept: a pedigree of
/// intermarried lines has billions of paths. Counts saturate at INT64_MAX.
/// A person met again on the path from the root is shown there but not
/// followed, so a cyclic file gives a finite tree; counts that depend on the
/// path cannot be kept, and a count stops after kTreeStepBudget links.
///
/// A failed lookup is reported through a CBoxThrottle: once per view for each
/// missing id, and within one build (Build, or the walk of one Expand between
/// BeginMessages and EndMessages) with only the first box of each message.
class CTreeWalker {
public:
    CTreeWalker(const CDocument& doc, const CViewOptions& options, ViewMode mode,
                std::int64_t nStepBudget = kTreeStepBudget);

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
    std::int64_t CountAncestors(int nPerson);
    /// Descendant entries of the person, and in `nDepth` the generations below
    /// it; -1 (with a box for EndMessages) when its own id does not find it.
    std::int64_t CountDescendants(int nPerson, int& nDepth);

    /// Links followed by all the counts of this walker so far.
    std::int64_t GetStepsTaken() const { return m_nStepsTaken; }

    /// The log the caller writes the held-back boxes to, named in the first
    /// box of each message; without it the boxes name none.
    void NameLogInBoxes(std::wstring strLogPath) { m_throttle.SetLogPath(std::move(strLogPath)); }
    /// One build's messages, as CBoxThrottle's Begin and End.
    void BeginMessages() { m_throttle.Begin(); }
    CTreeMessages EndMessages() { return m_throttle.End(); }

private:
    struct CCount {
        std::int64_t m_nCount = 0;
        int m_nDepth = 0;
    };
    struct CRange {
        std::size_t m_nFirst = 0;
        std::size_t m_nEnd = 0;
    };

    int NodeOf(int nPerson, bool bReport);
    // A person's links go through groups: for descendants its own families,
    // whose members are their children; for ancestors its parents' family,
    // whose members are the husband and the wife. Each is looked up once per
    // view, and held once however many persons lead to it.
    CRange GroupsOf(int nNode);
    CRange MembersOf(int nFamily);
    bool HasLinksBelow(int nNode);
    std::vector<int> LinksBelow(int nNode);
    CCount Walk(int nRoot);
    CTreeNode MakeNode(int nPerson, bool bFollowed);
    template <class OnPath>
    std::vector<CTreeNode> ItemsBelow(int nNode, const OnPath& isOnPath);
    void BuildPatriarchs(CTreeContent& content);
    void BuildPersonTree(int nPerson, CTreeContent& content);

    const CDocument& m_doc;
    CViewOptions m_options;
    ViewMode m_mode;
    std::int64_t m_nStepBudget;
    std::int64_t m_nWalkBudget; ///< the steps the next walk may take
    std::vector<std::int64_t> m_anMemoCount; ///< -1 while unknown
    std::vector<int> m_anMemoDepth;
    std::vector<int> m_anPathPos; ///< a person's place on the walked path, or -1
    std::vector<CRange> m_nodeGroups; ///< per person, into m_anGroupPool; unknown before
    std::vector<int> m_anGroupPool;
    std::vector<CRange> m_familyMembers; ///< per family, into m_anMemberPool; unknown before
    std::vector<int> m_anMemberPool;
    CBoxThrottle m_throttle;
    std::vector<int> m_anEnteredNodes; ///< per person entered, its node, or -1
    std::vector<int> m_anTimesEntered; ///< per node; sized at the first Enter
    std::int64_t m_nStepsTaken = 0;
    bool m_bCountStopped = false;
};

/// The count box: the caption, then the count in the words of the language,
/// with "+" after a count that ran out of steps.
std::wstring MakeTreeCountText(const std::wstring& strCaption, std::int64_t nCount, bool bStopped = false);
