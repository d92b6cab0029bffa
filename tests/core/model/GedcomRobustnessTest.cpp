#include "TestSupport.h"
#include "ViewPipeline.h"

#include <random>

namespace {

using GedcomRobustnessTest = CGedcomTest;

// ReadGedcomFile hands a continued value to the parser once; the stored result
// must be what delivering it after every continuation line gives, however the
// levels, tags, places and resets mix. (A continued FAMS or CHIL is left out:
// there the two differ on purpose.)
TEST_F(GedcomRobustnessTest, ContinuedValuesGiveWhatLineByLineDeliveryGives)
{
    const char* const tags[] = {"NAME", "BIRT", "DEAT", "OCCU", "RELI", "EVEN", "DATE", "PLAC",
                                "PLAC", "NOTE", "NOTE", "TYPE", "SOUR", "HUSB", "MARR", "DIV"};
    const char* const values[] = {"", "a", ",", "b,", "x  y", "T,,S", "(p)", ". ,"};
    std::mt19937 random(7);
    const auto pick = [&random](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    const auto Line = [&](std::size_t nLevel, const char* pszTag) {
        return std::to_string(nLevel) + " " + pszTag + " " + values[pick(std::size(values))] + "\n";
    };
    for (int nFile = 0; nFile < 1500; ++nFile) {
        std::string text;
        for (int nLine = 0; nLine < 40; ++nLine) {
            const std::size_t n = pick(20);
            if (n == 0)
                text += pick(2) ? "0 @I1@ INDI\n" : "0 @F1@ FAM\n";
            else if (n == 1)
                text += "more,\n";
            else
                text += Line(1 + pick(3), tags[pick(std::size(tags))]);
            for (std::size_t nMore = pick(4); nMore > 0; --nMore) // a continued line, at its own level or deeper
                text += Line(2 + pick(3), pick(2) ? "CONC" : "CONT");
        }
        ASSERT_TRUE(Read(text, true));
        const std::wstring expected = DumpTables();
        ASSERT_TRUE(Read(text));
        ASSERT_EQ(DumpTables(), expected) << text;
    }
}

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
