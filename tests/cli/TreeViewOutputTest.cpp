#include "cli/TreeViewOutput.h"

#include "core/options/StringIds.h"
#include "HostileGedcom.h"
#include "TestSupport.h"

#include <algorithm>

namespace {

struct CWalk {
    int m_nStatus;
    std::string m_strOut;
    std::string m_strErr;
};

class TreeWalkLimitTest : public CGedcomTest {
protected:
    CWalk Walk(bool bJson, std::int64_t nItemLimit)
    {
        CWalk walk;
        testing::internal::CaptureStderr();
        walk.m_nStatus = RunTreeView(Doc(), m_options, Descendants, 0, -1, bJson, walk.m_strOut, nItemLimit);
        walk.m_strErr = testing::internal::GetCapturedStderr();
        return walk;
    }
};

// A knot of a few persons has more paths than any output could hold: the walk
// stops at its limit, says so as the program does, and leaves whole JSON.
TEST_F(TreeWalkLimitTest, StopsAKnotAtTheLimitAndSaysSo)
{
    ASSERT_TRUE(Read(KnotGedcom(60)));
    const CWalk text = Walk(false, 100);
    EXPECT_EQ(text.m_nStatus, kExitDone);
    EXPECT_EQ(std::count(text.m_strOut.begin(), text.m_strOut.end(), '\n'), 101) << "the count line and 100 items";
    EXPECT_NE(text.m_strErr.find(WideToUtf8(LoadLangString(IDS_TREE_TOO_LARGE))), std::string::npos);

    const CWalk json = Walk(true, 100);
    const auto count = [&](char c) { return std::count(json.m_strOut.begin(), json.m_strOut.end(), c); };
    EXPECT_EQ(count('{'), count('}'));
    EXPECT_EQ(count('['), count(']'));
    EXPECT_EQ(count('{'), 101) << "the document and 100 items";
}

TEST_F(TreeWalkLimitTest, ATreeThatFitsTheLimitExactlyIsWhole)
{
    ASSERT_TRUE(Read("0 @I1@ INDI\n1 NAME John /Smith/\n1 FAMS @F1@\n"
                     "0 @I2@ INDI\n1 NAME Anna /Smith/\n1 FAMC @F1@\n"
                     "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n"));
    const CWalk walk = Walk(false, 2);
    EXPECT_EQ(walk.m_strOut, "Descendants (1 persons in total)\nSmith John\n  Smith Anna\n");
    EXPECT_EQ(walk.m_strErr, "");
}

} // namespace
