#include "core/views/TreeView.h"

#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/platform/Collator.h"
#include "core/platform/Progress.h"

#include <algorithm>
#include <utility>
#include <limits>

namespace {

constexpr std::int64_t kUnknown = -1;
constexpr std::size_t kNotLookedUp = std::numeric_limits<std::size_t>::max();

std::int64_t AddSaturating(std::int64_t nFirst, std::int64_t nSecond)
{
    return nFirst > std::numeric_limits<std::int64_t>::max() - nSecond ? std::numeric_limits<std::int64_t>::max()
                                                                       : nFirst + nSecond;
}

// Items below one item keep the order of their texts, as the tree's sorted
// insertion gives; equal texts keep the order of the links.
void SortByText(std::vector<CTreeNode>& nodes)
{
    const CCollator& collator = GetCollator();
    std::vector<std::pair<std::string, CTreeNode>> keyed;
    keyed.reserve(nodes.size());
    for (CTreeNode& node : nodes) {
        std::string key;
        collator.AppendSortKey(node.m_strText, key);
        keyed.emplace_back(std::move(key), std::move(node));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& first, const auto& second) { return first.first < second.first; });
    for (std::size_t i = 0; i < nodes.size(); ++i)
        nodes[i] = std::move(keyed[i].second);
}

std::wstring CaptionOf(ViewMode mode)
{
    switch (mode) {
    case Ancestors:
        return LoadLangString(IDS_ANCESTORS);
    case Descendants:
        return LoadLangString(IDS_DESCENDANTS);
    default:
        return LoadLangString(IDS_PATRIARCHS);
    }
}

// A patriarch is sought among the persons with a family of their own.
std::int64_t CountPatriarchCandidates(const CDocument& doc)
{
    std::int64_t nCount = 0;
    for (int i = 0; i <= doc.GetLastPersonIndex(); ++i)
        nCount += doc.Persons()[i].m_astrFams.IsEmpty() ? 0 : 1;
    return nCount;
}

} // namespace

std::wstring MakeTreeCountText(const std::wstring& strCaption, std::int64_t nCount, bool bStopped)
{
    const std::wstring strCount = std::to_wstring(nCount) + (bStopped ? L"+" : L"");
    const std::wstring strWords = LoadLangString(IDS_PERSONS_IN_TOTAL);
    const std::wstring strMiddle = theStringOffset == 0 ? strCount + L" " + strWords : strWords + L" " + strCount;
    return strCaption + L" (" + strMiddle + L")";
}

CTreeWalker::CTreeWalker(const CDocument& doc, const CViewOptions& options, ViewMode mode,
                         std::int64_t nStepBudget)
    : m_doc(doc), m_options(options), m_mode(mode), m_nStepBudget(nStepBudget), m_nWalkBudget(nStepBudget)
{
    const std::size_t nPersons = static_cast<std::size_t>(doc.GetLastPersonIndex() + 1);
    m_anMemoCount.assign(nPersons, kUnknown);
    m_anMemoDepth.assign(nPersons, 0);
    m_anPathPos.assign(nPersons, -1);
    m_nodeGroups.assign(nPersons, {kNotLookedUp, kNotLookedUp});
    m_familyMembers.assign(static_cast<std::size_t>(doc.GetLastFamilyIndex() + 1), {kNotLookedUp, kNotLookedUp});
}

// Descendants hang below the person that the item's own id finds, which is
// another one only when two records share the id.
int CTreeWalker::NodeOf(int nPerson, bool bReport)
{
    if (m_mode == Ancestors)
        return nPerson;
    const CText id = m_doc.Persons()[nPerson].m_strId;
    const int nFound = m_doc.FindPersonById(id);
    if (nFound < 0 && bReport)
        m_throttle.Report(IDS_ERROR_NEGATIVE_PERSON_INDEX, CMessageIcon::Stop, m_doc.Str(id));
    return nFound;
}

CTreeWalker::CRange CTreeWalker::MembersOf(int nFamily)
{
    CRange& members = m_familyMembers[static_cast<std::size_t>(nFamily)];
    if (members.m_nFirst != kNotLookedUp)
        return members;
    members.m_nFirst = m_anMemberPool.size();
    const CFamily& family = m_doc.Families()[nFamily];
    if (m_mode == Ancestors) {
        for (const CText id : {family.m_strHusband, family.m_strWife}) {
            const int nParent = m_doc.FindPersonById(id);
            if (nParent >= 0)
                m_anMemberPool.push_back(nParent);
        }
    } else {
        for (const CText child : m_doc.Items(family.m_astrChildren)) {
            const int nChild = m_doc.FindPersonById(child);
            if (nChild < 0)
                m_throttle.Report(IDS_ERROR_NEGATIVE_PERSON_INDEX, CMessageIcon::Exclamation, m_doc.Str(child));
            else
                m_anMemberPool.push_back(nChild);
        }
    }
    members.m_nEnd = m_anMemberPool.size();
    return members;
}

CTreeWalker::CRange CTreeWalker::GroupsOf(int nNode)
{
    CRange& groups = m_nodeGroups[static_cast<std::size_t>(nNode)];
    if (groups.m_nFirst != kNotLookedUp)
        return groups;
    groups.m_nFirst = m_anGroupPool.size();
    const CPerson& person = m_doc.Persons()[nNode];
    if (m_mode == Ancestors) {
        const int nFamily = person.m_strFamc.empty() ? -1 : m_doc.FindFamilyById(person.m_strFamc);
        if (nFamily >= 0)
            m_anGroupPool.push_back(nFamily);
    } else {
        for (const CText familyId : m_doc.Items(person.m_astrFams)) {
            // An empty id would find a family written without one, which is nobody's.
            const int nFamily = familyId.empty() ? -1 : m_doc.FindFamilyById(familyId);
            if (nFamily < 0) {
                m_throttle.Report(IDS_ERROR_NEGATIVE_FAMILY_INDEX, CMessageIcon::Exclamation, m_doc.Str(familyId));
                continue;
            }
            m_anGroupPool.push_back(nFamily);
            // The children now, so that boxes come in the order of the links.
            MembersOf(nFamily);
        }
    }
    groups.m_nEnd = m_anGroupPool.size();
    return groups;
}

bool CTreeWalker::HasLinksBelow(int nNode)
{
    const CRange groups = GroupsOf(nNode);
    for (std::size_t i = groups.m_nFirst; i < groups.m_nEnd; ++i) {
        const CRange members = MembersOf(m_anGroupPool[i]);
        if (members.m_nFirst < members.m_nEnd)
            return true;
    }
    return false;
}

std::vector<int> CTreeWalker::LinksBelow(int nNode)
{
    std::vector<int> anLinks;
    const CRange groups = GroupsOf(nNode);
    for (std::size_t i = groups.m_nFirst; i < groups.m_nEnd; ++i) {
        const CRange members = MembersOf(m_anGroupPool[i]);
        anLinks.insert(anLinks.end(), m_anMemberPool.begin() + static_cast<std::ptrdiff_t>(members.m_nFirst),
                       m_anMemberPool.begin() + static_cast<std::ptrdiff_t>(members.m_nEnd));
    }
    return anLinks;
}

// Depth first without recursion, for lines of any length. A person whose walk
// met a person above it on the path lies on a cycle, and its count depends on
// the path it was reached by, so only the counts of the others are kept; they
// are the same from wherever they are reached. Without kept counts a knot of
// cycles has more paths than any walk can follow, so the walk stops after the
// budget, and the persons it was in the middle of keep no count.
CTreeWalker::CCount CTreeWalker::Walk(int nRoot)
{
    m_bCountStopped = false;
    if (m_anMemoCount[static_cast<std::size_t>(nRoot)] != kUnknown)
        return {m_anMemoCount[static_cast<std::size_t>(nRoot)], m_anMemoDepth[static_cast<std::size_t>(nRoot)]};
    struct CFrame {
        int m_nNode;
        CRange m_groups; ///< the groups not yet begun, from m_nFirst
        CRange m_members; ///< the members of the current group not yet met, from m_nFirst
        CCount m_count;
        int m_nLowestMet; ///< the highest place on the path that the walk below met again
    };
    std::vector<CFrame> stack;
    const auto push = [&](int nNode) {
        m_anPathPos[static_cast<std::size_t>(nNode)] = static_cast<int>(stack.size());
        stack.push_back({nNode, GroupsOf(nNode), {}, {}, std::numeric_limits<int>::max()});
    };
    const auto addEntry = [](CFrame& frame, const CCount& below) {
        frame.m_count.m_nCount = AddSaturating(frame.m_count.m_nCount, AddSaturating(below.m_nCount, 1));
        frame.m_count.m_nDepth = std::max(frame.m_count.m_nDepth, below.m_nDepth + 1);
    };
    std::int64_t nSteps = 0;
    bool bStop = false;
    push(nRoot);
    for (;;) {
        CFrame& frame = stack.back();
        const bool bMore = frame.m_members.m_nFirst < frame.m_members.m_nEnd;
        bStop = bStop || (bMore && nSteps >= m_nWalkBudget);
        if (!bStop && bMore) {
            const auto nLink = static_cast<std::size_t>(m_anMemberPool[frame.m_members.m_nFirst++]);
            ++nSteps;
            ++m_nStepsTaken;
            if (m_anPathPos[nLink] >= 0) {
                frame.m_nLowestMet = std::min(frame.m_nLowestMet, m_anPathPos[nLink]);
                addEntry(frame, {});
            } else if (m_anMemoCount[nLink] != kUnknown) {
                addEntry(frame, {m_anMemoCount[nLink], m_anMemoDepth[nLink]});
            } else {
                push(static_cast<int>(nLink));
            }
            continue;
        }
        if (!bStop && frame.m_groups.m_nFirst < frame.m_groups.m_nEnd) {
            frame.m_members = MembersOf(m_anGroupPool[frame.m_groups.m_nFirst++]);
            continue;
        }
        const CCount done = frame.m_count;
        const auto nNode = static_cast<std::size_t>(frame.m_nNode);
        const int nPos = m_anPathPos[nNode];
        const int nLowestMet = frame.m_nLowestMet;
        m_anPathPos[nNode] = -1;
        if (!bStop && nLowestMet > nPos) {
            m_anMemoCount[nNode] = done.m_nCount;
            m_anMemoDepth[nNode] = done.m_nDepth;
        }
        stack.pop_back();
        if (stack.empty()) {
            m_bCountStopped = bStop;
            return done;
        }
        CFrame& parent = stack.back();
        parent.m_nLowestMet = std::min(parent.m_nLowestMet, nLowestMet);
        addEntry(parent, done);
    }
}

std::int64_t CTreeWalker::CountAncestors(int nPerson)
{
    m_bCountStopped = false;
    if (m_doc.FindPersonById(m_doc.Persons()[nPerson].m_strId) < 0)
        return -1;
    return Walk(nPerson).m_nCount;
}

std::int64_t CTreeWalker::CountDescendants(int nPerson, int& nDepth)
{
    nDepth = 0;
    m_bCountStopped = false;
    const int nNode = NodeOf(nPerson, true);
    if (nNode < 0)
        return -1;
    const CCount count = Walk(nNode);
    nDepth = count.m_nDepth;
    return count.m_nCount;
}

CTreeNode CTreeWalker::MakeNode(int nPerson, bool bFollowed)
{
    CTreeNode node{nPerson, m_doc.Persons()[nPerson].GetDisplayName(m_doc, m_options.m_names), false};
    if (bFollowed) {
        const int nNode = NodeOf(nPerson, false);
        node.m_bHasChildren = nNode >= 0 && HasLinksBelow(nNode);
    }
    return node;
}
// Items on the path are shown but not followed, so that a cycle ends there.
template <class OnPath>
std::vector<CTreeNode> CTreeWalker::ItemsBelow(int nNode, const OnPath& isOnPath)
{
    std::vector<CTreeNode> children;
    for (const int nLink : LinksBelow(nNode))
        children.push_back(MakeNode(nLink, !isOnPath(nLink)));
    SortByText(children);
    return children;
}

std::vector<CTreeNode> CTreeWalker::Children(const std::vector<int>& anPath)
{
    std::vector<CTreeNode> children;
    if (anPath.empty() || !m_doc.Persons().IsIndex(anPath.back()))
        return children;
    std::vector<int> anPathNodes;
    for (const int nPerson : anPath)
        anPathNodes.push_back(m_doc.Persons().IsIndex(nPerson) ? NodeOf(nPerson, false) : -1);
    const int nNode = anPathNodes.back();
    if (nNode < 0 || std::find(anPathNodes.begin(), anPathNodes.end() - 1, nNode) != anPathNodes.end() - 1)
        return children;
    return ItemsBelow(nNode, [&](int nLink) {
        return std::find(anPathNodes.begin(), anPathNodes.end(), nLink) != anPathNodes.end();
    });
}

void CTreeWalker::Enter(int nPerson)
{
    if (m_anTimesEntered.empty())
        m_anTimesEntered.assign(static_cast<std::size_t>(m_doc.GetLastPersonIndex() + 1), 0);
    const int nNode = m_doc.Persons().IsIndex(nPerson) ? NodeOf(nPerson, false) : -1;
    m_anEnteredNodes.push_back(nNode);
    if (nNode >= 0)
        ++m_anTimesEntered[static_cast<std::size_t>(nNode)];
}

void CTreeWalker::Leave()
{
    const int nNode = m_anEnteredNodes.back();
    m_anEnteredNodes.pop_back();
    if (nNode >= 0)
        --m_anTimesEntered[static_cast<std::size_t>(nNode)];
}

std::vector<CTreeNode> CTreeWalker::ChildrenOfEntered()
{
    const int nNode = m_anEnteredNodes.empty() ? -1 : m_anEnteredNodes.back();
    // Entered twice: it is already on the path above.
    if (nNode < 0 || m_anTimesEntered[static_cast<std::size_t>(nNode)] > 1)
        return {};
    return ItemsBelow(nNode, [&](int nLink) { return m_anTimesEntered[static_cast<std::size_t>(nLink)] > 0; });
}

// A candidate whose walk ran out of steps is a patriarch when the generations
// it reached are enough; both of its numbers are then what was reached. One
// that stopped short of them may still be one, so the number of patriarchs is
// then what was found; so it is when the search as a whole runs out of steps.
void CTreeWalker::BuildPatriarchs(CTreeContent& content)
{
    const std::int64_t nSearchEnd = m_nStepsTaken + m_nStepBudget * kPatriarchSearchBudgets;
    CProgress progress(IDS_PATRIARCHS);
    const std::int64_t nCandidates = CountPatriarchCandidates(m_doc);
    std::int64_t nDone = 0;
    for (int i = 0; i <= m_doc.GetLastPersonIndex(); ++i) {
        if (m_doc.Persons()[i].m_astrFams.IsEmpty())
            continue;
        progress.Report(nDone++, nCandidates);
        int nDepth = 0;
        m_nWalkBudget = std::min(m_nStepBudget, std::max<std::int64_t>(nSearchEnd - m_nStepsTaken, 0));
        const std::int64_t nDescendants = CountDescendants(i, nDepth);
        m_nWalkBudget = m_nStepBudget;
        const bool bStopped = m_bCountStopped;
        if (nDepth < m_options.m_nPatriarchLevel || nDescendants < 1) {
            content.m_bCountStopped = content.m_bCountStopped || bStopped;
            continue;
        }
        CTreeNode node = MakeNode(i, true);
        if (m_options.m_bPatriarchData) {
            const wchar_t* pszMore = bStopped ? L"+" : L"";
            node.m_strText += L": " + std::to_wstring(nDescendants) + pszMore + L"/" + std::to_wstring(nDepth) + pszMore;
        }
        content.m_roots.push_back(std::move(node));
    }
    progress.Report(nCandidates, nCandidates);
    content.m_nCount = static_cast<std::int64_t>(content.m_roots.size());
    if (content.m_roots.empty()) {
        m_throttle.Show(IDS_INPUT_FILE_EMPTY, CMessageIcon::Exclamation);
        content.m_bClose = true;
    }
}

void CTreeWalker::BuildPersonTree(int nPerson, CTreeContent& content)
{
    if (!m_doc.Persons().IsIndex(nPerson))
        return;
    int nDepth = 0;
    content.m_nCount = m_mode == Ancestors ? CountAncestors(nPerson) : CountDescendants(nPerson, nDepth);
    content.m_bCountStopped = m_bCountStopped;
    if (content.m_nCount == 0) {
        const int nMessageId =
            m_mode == Ancestors ? IDS_NO_INFORMATION_ABOUT_ANCESTORS : IDS_NO_INFORMATION_ABOUT_DESCENDANTS;
        m_throttle.Show(nMessageId, CMessageIcon::Information);
    }
    content.m_bClose = content.m_nCount <= 0;
    if (!content.m_bClose)
        content.m_roots.push_back(MakeNode(nPerson, true));
}

CTreeContent CTreeWalker::Build(int nPerson)
{
    CTreeContent content;
    content.m_strCaption = CaptionOf(m_mode);
    BeginMessages();
    if (m_mode == Patriarchs)
        BuildPatriarchs(content);
    else
        BuildPersonTree(nPerson, content);
    if (!content.m_bClose && !content.m_roots.empty()) {
        SortByText(content.m_roots);
        content.m_strCountText = MakeTreeCountText(content.m_strCaption, content.m_nCount, content.m_bCountStopped);
    }
    CTreeMessages messages = EndMessages();
    content.m_messages = std::move(messages.m_boxes);
    content.m_astrNotShown = std::move(messages.m_astrNotShown);
    return content;
}

// Only a view closed for want of entries has a word of its own; one closed
// because its person's id finds no one (a count of -1) closes on that box.
const CMessageBox* OwnMessage(const CTreeContent& content)
{
    if (!content.m_bClose || content.m_nCount != 0 || content.m_messages.empty())
        return nullptr;
    return &content.m_messages.back();
}
