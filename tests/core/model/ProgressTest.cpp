#include "core/platform/Progress.h"

#include "core/options/StringIds.h"
#include "TestSupport.h"

#include <algorithm>

namespace {

using namespace std::chrono_literals;

struct CProgressCase {
    const char* m_pszName;
    std::chrono::milliseconds m_step; ///< how far the clock moves each time it is asked
    std::int64_t m_nTotal;
    std::vector<std::int64_t> m_anDone;
    std::vector<int> m_anShown; ///< -1 for the end
};

class ProgressTest : public testing::TestWithParam<CProgressCase> {};

// The clock is asked once at the start and once per new percent.
INSTANTIATE_TEST_SUITE_P(
    Reports, ProgressTest,
    testing::Values(CProgressCase{"EveryNewWholePercentOnce", 1s, 1000, {0, 5, 10, 20, 999, 1000}, {0, 1, 2, 99, 100, -1}},
                    CProgressCase{"NothingBeforeTheDelay", 200ms, 1000, {0, 10, 20, 25, 30}, {2, 3, -1}},
                    CProgressCase{"BeyondTheTotalIsAHundred", 1s, 10, {5, 12}, {50, 100, -1}},
                    CProgressCase{"NothingWithoutATotal", 1s, 0, {0, 5}, {}}),
    CByName());

TEST_P(ProgressTest, ShowsWholePercentsAfterTheDelay)
{
    CSteppingClock clock(GetParam().m_step);
    CRecordingProgress sink;
    {
        CProgress progress(IDS_PATRIARCHS);
        for (const std::int64_t nDone : GetParam().m_anDone)
            progress.Report(nDone, GetParam().m_nTotal);
    }
    EXPECT_EQ(sink.m_anShown, GetParam().m_anShown);
}

class ReadingProgressTest : public CGedcomTest {
public:
    // Enough lines for the reader to look at its progress several times.
    bool ReadManyPersons()
    {
        std::string text;
        for (int i = 0; i < 20000; ++i)
            text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME A /B/\n";
        return Read(text + "0 TRLR\n");
    }
};

TEST_F(ReadingProgressTest, RisesToAHundredThenHides)
{
    CSteppingClock clock(1s);
    CRecordingProgress sink;
    ASSERT_TRUE(ReadManyPersons());
    ASSERT_GE(sink.m_anShown.size(), 5U);
    EXPECT_EQ(sink.m_anShown.back(), -1);
    const std::vector<int> anPercents(sink.m_anShown.begin(), sink.m_anShown.end() - 1);
    EXPECT_TRUE(std::ranges::is_sorted(anPercents) && std::ranges::adjacent_find(anPercents) == anPercents.end());
    EXPECT_EQ(anPercents.back(), 100);
    EXPECT_EQ(sink.m_strLabel, L"Reading the file");
}

// Without a sink the reading does not even look at the clock.
TEST_F(ReadingProgressTest, NoSinkAsksNoClock)
{
    CSteppingClock clock(1s);
    ASSERT_TRUE(ReadManyPersons());
    EXPECT_EQ(clock.m_nAsked, 0);
}

} // namespace
