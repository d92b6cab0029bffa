#include "core/views/TreeView.h"

#include "core/platform/Log.h"
#include "core/text/WideText.h"
#include "core/options/StringIds.h"
#include "TestSupport.h"

#include <algorithm>

namespace {

std::vector<std::wstring> Texts(const std::vector<CTreeNode>& nodes)
{
    std::vector<std::wstring> texts;
    for (const CTreeNode& node : nodes)
        texts.push_back(node.m_strText);
    return texts;
}

// The whole tree below the top level as indented lines, every item expanded,
// walked as the command line walks it; each item's children as the view asks
// for them, by the whole path, must be the same.
void RenderItem(CTreeWalker& walker, std::vector<int>& path, const CTreeNode& node, int nIndent, std::wstring& out)
{
    out += std::wstring(static_cast<std::size_t>(nIndent) * 2, L' ') + node.m_strText + L"\n";
    path.push_back(node.m_nPerson);
    walker.Enter(node.m_nPerson);
    const std::vector<CTreeNode> children = walker.ChildrenOfEntered();
    EXPECT_EQ(node.m_bHasChildren, !children.empty()) << out;
    EXPECT_EQ(Texts(children), Texts(walker.Children(path))) << out;
    for (const CTreeNode& child : children)
        RenderItem(walker, path, child, nIndent + 1, out);
    walker.Leave();
    path.pop_back();
}

class TreeViewTest : public CViewBuilderTest {
protected:
    CTreeWalker Walker(ViewMode mode, std::int64_t nBudget = kTreeStepBudget)
    {
        return CTreeWalker(Doc(), m_options, mode, nBudget);
    }
    std::wstring Render(ViewMode mode, int nPerson, CTreeContent* pContent = nullptr, CMessages* pBoxes = nullptr);
    void ThreeGenerations();
    std::int64_t PlainCount(int nPerson, std::vector<int>& path);
    void Knot(int nPersons);
};

// The boxes of the build and then of the walk go to `pBoxes`.
std::wstring TreeViewTest::Render(ViewMode mode, int nPerson, CTreeContent* pContent, CMessages* pBoxes)
{
    CTreeWalker walker = Walker(mode);
    const CTreeContent content = walker.Build(nPerson);
    std::wstring out = content.m_strCountText + L"\n";
    std::vector<int> path;
    walker.BeginMessages();
    for (const CTreeNode& root : content.m_roots)
        RenderItem(walker, path, root, 0, out);
    if (pContent)
        *pContent = content;
    if (pBoxes) {
        *pBoxes = content.m_messages;
        const CMessages walked = walker.EndMessages().m_boxes;
        pBoxes->insert(pBoxes->end(), walked.begin(), walked.end());
    }
    return out;
}

// Grandfather Adam with sons Cain (two wives' children) and Abel: each
// family's children are listed out of text order.
void TreeViewTest::ThreeGenerations()
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Adam //", .m_astrFams = {L"@F1@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Cain //", .m_strFamc = L"@F1@",
               .m_astrFams = {L"@F2@", L"@F3@"}});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Abel //", .m_strFamc = L"@F1@"});
    AddPerson({.m_strId = L"@I4@", .m_strName = L"Zillah //", .m_strFamc = L"@F2@"});
    AddPerson({.m_strId = L"@I5@", .m_strName = L"Enoch //", .m_strFamc = L"@F3@"});
    AddPerson({.m_strId = L"@I6@", .m_strName = L"Irad //", .m_strFamc = L"@F2@"});
    AddFamily(L"@F1@", L"@I1@", L"", {L"@I3@", L"@I2@"});
    AddFamily(L"@F2@", L"@I2@", L"", {L"@I4@", L"@I6@"});
    AddFamily(L"@F3@", L"@I2@", L"", {L"@I5@"});
}

TEST_F(TreeViewTest, EmptyOutcomesTellWhyAndClose)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Alone //"});
    AddPerson({.m_strId = L"", .m_strName = L"No id //", .m_strFamc = L"@F1@", .m_astrFams = {L"@F1@"}});
    AddFamily(L"@F1@", L"@I1@", L"");
    const struct {
        ViewMode m_mode;
        int m_nPerson;
        int m_nMessage; ///< the view's own word, last
        CMessageIcon m_icon;
        std::size_t m_nBoxes; ///< with the view's own
    } cases[] = {
        {Ancestors, 0, IDS_NO_INFORMATION_ABOUT_ANCESTORS, CMessageIcon::Information, 1}, // no FAMC
        {Descendants, 0, IDS_NO_INFORMATION_ABOUT_DESCENDANTS, CMessageIcon::Information, 1}, // no FAMS
        {Ancestors, 1, -1, CMessageIcon::Stop, 0},          // its own id finds nobody: closes without a word
        {Descendants, 1, -1, CMessageIcon::Stop, 1},        // ... but descendants say so
        {Patriarchs, 0, IDS_INPUT_FILE_EMPTY, CMessageIcon::Exclamation, 2}, // after the missing id's box
    };
    for (const auto& c : cases) {
        CTreeWalker walker = Walker(c.m_mode);
        const CTreeContent content = walker.Build(c.m_nPerson);
        SCOPED_TRACE(testing::Message() << c.m_mode << c.m_nPerson);
        EXPECT_TRUE(content.m_bClose);
        EXPECT_EQ(content.m_messages.size(), c.m_nBoxes);
        const CMessageBox* pOwn = OwnMessage(content);
        ASSERT_EQ(pOwn != nullptr, c.m_nMessage >= 0);
        if (pOwn) {
            EXPECT_EQ(*pOwn, (CMessageBox{LoadLangString(c.m_nMessage), L"Message", c.m_icon}));
        }
    }
}

TEST_F(TreeViewTest, AMotherAloneStandsBelowThePerson)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Child //", .m_strFamc = L"@F1@"});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Mother //", .m_strFamc = L"@F2@"});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Grandmother //"});
    AddFamily(L"@F1@", L"", L"@I2@", {L"@I1@"});
    AddFamily(L"@F2@", L"@I9@", L"@I3@", {L"@I2@"});
    EXPECT_EQ(Render(Ancestors, 0), L"Ancestors (2 persons in total)\nChild\n  Mother\n    Grandmother\n");
}

TEST_F(TreeViewTest, ACommonAncestorThroughTwoLinesIsShownAndCountedTwice)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Child //", .m_strFamc = L"@F1@"});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Father //", .m_strFamc = L"@F2@"});
    AddPerson({.m_strId = L"@I3@", .m_strName = L"Mother //", .m_strFamc = L"@F3@"});
    AddPerson({.m_strId = L"@I4@", .m_strName = L"Common //"});
    AddFamily(L"@F1@", L"@I2@", L"@I3@", {L"@I1@"});
    AddFamily(L"@F2@", L"@I4@", L"", {L"@I2@"});
    AddFamily(L"@F3@", L"@I4@", L"", {L"@I3@"});
    EXPECT_EQ(Render(Ancestors, 0),
              L"Ancestors (4 persons in total)\nChild\n  Father\n    Common\n  Mother\n    Common\n");
}

TEST_F(TreeViewTest, PatriarchsNeedTheGenerationsOfTheSetting)
{
    ThreeGenerations();
    AddPerson({.m_strId = L"@I7@", .m_strName = L"Methuselah //", .m_strFamc = L"@F3@",
               .m_astrFams = {L"@F4@"}});
    AddPerson({.m_strId = L"@I8@", .m_strName = L"Lamech //", .m_strFamc = L"@F4@"});
    AddFamily(L"@F4@", L"@I7@", L"", {L"@I8@"});
    Doc().Append(Doc().EditFamily(2).m_astrChildren, Doc().AddText(L"@I7@"));
    CTreeContent content;
    // Adam's great-grandson Lamech gives him the third generation; Cain has two.
    EXPECT_EQ(Render(Patriarchs, 0, &content), L"Patriarchs (1 persons in total)\nAdam: 7/3\n  Abel\n  Cain\n"
                                                L"    Enoch\n    Irad\n    Methuselah\n      Lamech\n    Zillah\n");
    m_options.m_nPatriarchLevel = 2;
    m_options.m_bPatriarchData = false;
    content = Walker(Patriarchs).Build(0);
    ASSERT_EQ(content.m_roots.size(), 2U);
    EXPECT_EQ(content.m_roots[0].m_strText, L"Adam");
    EXPECT_EQ(content.m_roots[1].m_strText, L"Cain");
}

TEST_F(TreeViewTest, SharedIdsWalkTheFirstRecordAndMissingIdsAreToldOnce)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"First //", .m_astrFams = {L"@F1@"}});
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Second //", .m_astrFams = {L"@F9@", L"@F9@", L"@F2@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Child //"});
    AddFamily(L"@F1@", L"@I1@", L"", {L"@I2@", L"@I8@", L"@I8@"});
    AddFamily(L"@F2@", L"@I1@", L"", {L"@I2@"});
    CMessages boxes;
    // The second record's own id finds the first, whose family is the one shown.
    EXPECT_EQ(Render(Descendants, 1, nullptr, &boxes),
              L"Descendants (1 persons in total)\nSecond\n  Child\n");
    EXPECT_EQ(boxes.size(), 1U) << "one box for @I8@";
    m_options.m_nPatriarchLevel = 1;
    const CTreeContent content = Walker(Patriarchs).Build(0);
    EXPECT_EQ(content.m_roots.size(), 2U);
    EXPECT_EQ(content.m_messages.size(), 1U);
}

TEST_F(TreeViewTest, ACycleIsShownOnceAroundAndStopsThere)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Ann //", .m_strFamc = L"@F2@", .m_astrFams = {L"@F1@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Bob //", .m_strFamc = L"@F1@", .m_astrFams = {L"@F2@"}});
    AddFamily(L"@F1@", L"@I1@", L"", {L"@I2@"});
    AddFamily(L"@F2@", L"@I2@", L"", {L"@I1@"});
    EXPECT_EQ(Render(Descendants, 0), L"Descendants (2 persons in total)\nAnn\n  Bob\n    Ann\n");
    EXPECT_EQ(Render(Ancestors, 1), L"Ancestors (2 persons in total)\nBob\n  Ann\n    Bob\n");
}

// Counts of the plain walk, path by path, with the same guard against cycles.
std::int64_t TreeViewTest::PlainCount(int nPerson, std::vector<int>& path)
{
    std::int64_t nCount = 0;
    path.push_back(nPerson);
    for (const CText familyId : Doc().Items(Person(nPerson).m_astrFams)) {
        const CFamily& family = Family(Doc().FindFamilyById(familyId));
        for (const CText child : Doc().Items(family.m_astrChildren)) {
            const int nChild = Doc().FindPersonById(child);
            const bool bOnPath = std::find(path.begin(), path.end(), nChild) != path.end();
            nCount += 1 + (bOnPath ? 0 : PlainCount(nChild, path));
        }
    }
    path.pop_back();
    return nCount;
}

TEST_F(TreeViewTest, CountsOfIntermarriedLinesStayFinite)
{
    // Each generation a couple whose two children marry: 2^n paths to the top.
    const int nGenerations = 80;
    for (int g = 0; g < nGenerations; ++g)
        for (const wchar_t* pszSide : {L"A", L"B"})
            AddPerson({.m_strId = L"@" + std::wstring(pszSide) + std::to_wstring(g) + L"@",
                       .m_strFamc = L"@F" + std::to_wstring(g + 1) + L"@"});
    for (int g = 1; g <= nGenerations; ++g)
        AddFamily(L"@F" + std::to_wstring(g) + L"@", L"@A" + std::to_wstring(g) + L"@",
                  L"@B" + std::to_wstring(g) + L"@");
    EXPECT_EQ(Walker(Ancestors).CountAncestors(0), std::numeric_limits<std::int64_t>::max());
}

// Person 0 has a family whose children are missing and two missing families.
TEST_F(TreeViewTest, ABuildShowsOneBoxPerMessageAndListsTheRest)
{
    AddPerson({.m_strId = L"@I1@", .m_strName = L"Root //",
               .m_astrFams = {L"@F1@", L"@F8@", L"@F9@", L"@F9@"}});
    AddPerson({.m_strId = L"@I2@", .m_strName = L"Child //", .m_strFamc = L"@F1@", .m_astrFams = {L"@F7@"}});
    AddFamily(L"@F1@", L"@I1@", L"", {L"@I2@", L"@X1@", L"@X2@", L"@X1@", L"@X3@"});
    CTreeWalker walker = Walker(Descendants);
    const std::wstring strLog = Utf8ToWide(GetLogPath(Doc().GetFolder()).string());
    walker.NameLogInBoxes(strLog);
    const CTreeContent content = walker.Build(0);
    // The first box of each says how many more went to the log, and where.
    const std::wstring strMore = L"\n\n2 more of these were written to the log:\n" + strLog;
    EXPECT_EQ(content.m_messages,
              (CMessages{{L"Error: Negative person index" + strMore, L"Message", CMessageIcon::Exclamation},
                         {L"Error: negative family index" + strMore, L"Message", CMessageIcon::Exclamation}}));
    EXPECT_EQ(content.m_astrNotShown,
              (std::vector<std::wstring>{L"Error: Negative person index: @X2@", L"Error: Negative person index: @X3@",
                                         L"Error: negative family index: @F9@", L"Error: negative family index: @F7@",
                                         L"Error: Negative person index: 2 more not shown, listed above",
                                         L"Error: negative family index: 2 more not shown, listed above"}));
    // An id told once stays told for the view; a new build starts afresh.
    walker.BeginMessages();
    EXPECT_EQ(Texts(walker.Children({0})), std::vector<std::wstring>{L"Child"});
    const CTreeMessages again = walker.EndMessages();
    EXPECT_TRUE(again.m_boxes.empty());
    EXPECT_TRUE(again.m_astrNotShown.empty());
    // A walk step by step keeps the build's rule: @F7@ first, then @X1@;
    // @F8@ and @F9@ are held like @F7@'s message.
    CTreeWalker stepped = Walker(Descendants);
    stepped.NameLogInBoxes(strLog);
    stepped.BeginMessages();
    stepped.Enter(1);
    EXPECT_EQ(stepped.ChildrenOfEntered().size(), 0U);
    stepped.Leave();
    stepped.Enter(0);
    stepped.ChildrenOfEntered();
    const CTreeMessages walked = stepped.EndMessages();
    ASSERT_EQ(walked.m_boxes.size(), 2U);
    EXPECT_EQ(walked.m_boxes[0].m_strText, L"Error: negative family index" + strMore);
    EXPECT_EQ(walked.m_astrNotShown.size(), 6U);
}

// Every person a child of every other's family: the paths from one of them
// are all the orders of the others, and none of its counts can be kept.
void TreeViewTest::Knot(int nPersons)
{
    for (int i = 0; i < nPersons; ++i)
        AddPerson({.m_strId = (L"@I" + std::to_wstring(i) + L"@").c_str(),
                   .m_strName = (L"P" + std::to_wstring(i) + L" //").c_str(),
                   .m_astrFams = {(L"@F" + std::to_wstring(i) + L"@").c_str()}});
    for (int i = 0; i < nPersons; ++i) {
        CFamily& family = AddFamily(L"@F" + std::to_wstring(i) + L"@", L"@I" + std::to_wstring(i) + L"@", L"");
        for (int j = 0; j < nPersons; ++j)
            if (j != i)
                Doc().Append(family.m_astrChildren, Doc().AddText(L"@I" + std::to_wstring(j) + L"@"));
    }
}

TEST_F(TreeViewTest, ACountThatRunsOutOfStepsShowsWhatItReachedWithAPlus)
{
    Knot(6);
    std::vector<int> path;
    const std::int64_t nExact = PlainCount(0, path);
    const struct {
        std::int64_t m_nBudget;
        bool m_bStopped;
    } cases[] = {{1'000'000, false}, {nExact, false}, {nExact - 1, true}, {100, true}};
    for (const auto& c : cases) {
        CTreeWalker walker = Walker(Descendants, c.m_nBudget);
        const CTreeContent content = walker.Build(0);
        EXPECT_EQ(content.m_bCountStopped, c.m_bStopped) << c.m_nBudget;
        EXPECT_EQ(content.m_nCount, c.m_bStopped ? c.m_nBudget : nExact) << c.m_nBudget;
        EXPECT_EQ(content.m_strCountText, L"Descendants (" + std::to_wstring(content.m_nCount) +
                                              (c.m_bStopped ? L"+" : L"") + L" persons in total)");
        EXPECT_LE(walker.GetStepsTaken(), c.m_nBudget);
    }
    UseLanguage(L"Ru");
    EXPECT_EQ(Walker(Ancestors, 3).Build(0).m_strCountText, L"");
    EXPECT_EQ(Walker(Descendants, 3).Build(0).m_strCountText, L"Потомки (всего:  3+)");
}

TEST_F(TreeViewTest, PatriarchsWhoseWalkStoppedShowWhatWasReached)
{
    Knot(6);
    m_options.m_nPatriarchLevel = 3;
    CTreeWalker walker = Walker(Patriarchs, 50);
    const CTreeContent content = walker.Build(0);
    ASSERT_EQ(content.m_roots.size(), 6U);
    EXPECT_EQ(content.m_roots[0].m_strText, L"P0: 50+/6+");
    EXPECT_LE(walker.GetStepsTaken(), 6 * 50);
    // Stopped short of the generations, a candidate may yet be a patriarch.
    m_options.m_nPatriarchLevel = 4;
    const CTreeContent none = Walker(Patriarchs, 3).Build(0);
    EXPECT_TRUE(none.m_bClose);
    m_options.m_nPatriarchLevel = 5;
    EXPECT_FALSE(Walker(Patriarchs, 1'000'000).Build(0).m_bCountStopped);
}

TEST_F(TreeViewTest, ThePatriarchSearchAsAWholeHasABudget)
{
    Knot(6);
    // A hundred persons whose only child is in the knot.
    for (int i = 0; i < 100; ++i) {
        const std::wstring strId = L"@E" + std::to_wstring(i) + L"@";
        const std::wstring strFamily = L"@G" + std::to_wstring(i) + L"@";
        AddPerson({.m_strId = strId.c_str(), .m_strName = L"Outer //", .m_astrFams = {strFamily.c_str()}});
        AddFamily(strFamily, strId, L"", {L"@I0@"});
    }
    m_options.m_nPatriarchLevel = 3;
    CTreeWalker walker = Walker(Patriarchs, 50);
    const CTreeContent content = walker.Build(0);
    EXPECT_EQ(walker.GetStepsTaken(), kPatriarchSearchBudgets * 50);
    EXPECT_EQ(content.m_nCount, kPatriarchSearchBudgets);
    EXPECT_EQ(content.m_strCountText, L"Patriarchs (" + std::to_wstring(kPatriarchSearchBudgets) + L"+ persons in total)");
}

// Adam and Cain have families of their own: the search tells each of them.
TEST_F(TreeViewTest, PatriarchSearchTellsTheCandidatesDone)
{
    ThreeGenerations();
    CSteppingClock clock(std::chrono::seconds(1));
    CRecordingProgress sink;
    Walker(Patriarchs).Build(0);
    EXPECT_EQ(sink.m_anShown, (std::vector<int>{0, 50, 100, -1}));
    EXPECT_EQ(sink.m_strLabel, L"Patriarchs");
}

} // namespace

