#include "TestSupport.h"
#include "ViewPipeline.h"

namespace {

using GedcomRobustnessTest = CGedcomTest;

// Nothing in a file may crash, hang or stop the reading but a level above 9.
// (Noise, broken letters, NUL bytes, long lines and deep levels are the
// hostile files' part.)
TEST_F(GedcomRobustnessTest, LongIdsAndManyLevelsAreReadWhole)
{
    const std::string longId(1 << 20, 'i');
    Read("0 @" + longId + "@ INDI\n1 FAMS @" + longId + "@\n");
    ASSERT_EQ(theLastPersonIndex, 0);
    EXPECT_EQ(thePersons[0].m_strId.Str().size(), longId.size() + 2);

    std::string deep = "0 @I1@ INDI\n";
    for (int i = 0; i < 100000; ++i)
        deep += std::to_string(1 + i % 9) + " NOTE\n" + "text\n";
    EXPECT_TRUE(Read(deep));
    EXPECT_EQ(theLastPersonIndex, 0);
}

// Every input that once broke the reader or a view stays here, and goes
// through every view as the fuzzer sent it.
TEST_F(GedcomRobustnessTest, InputsThatOnceFailedAreReadAndViewedCleanly)
{
    const std::filesystem::path folder = std::filesystem::path(STEMMARK_TEST_DATA) / "reader-faults";
    if (!std::filesystem::exists(folder))
        GTEST_SKIP() << "no recorded faults";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_TRUE(KeptToTheStepBudget(RunViewPipeline(entry.path().wstring())));
    }
}

} // namespace
