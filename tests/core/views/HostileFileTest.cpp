#include "HostileGedcom.h"
#include "TestSupport.h"
#include "ViewPipeline.h"

#include <functional>

namespace {

// The knot's persons. Its counts follow a number of paths that grows
// exponentially with it, so only a budget on the steps keeps them short; the
// test gives its counts a smaller one, to stay quick under the sanitizers.
constexpr int kKnotPersons = 60;

struct HostileCase {
    const char* name;
    std::function<std::string()> make;
    int nPersons;        ///< persons the reader must find; -1 when any number will do
    int nFirst = 8;      ///< persons at the start of the file whose views are opened
    std::int64_t nStepBudget = kTreeStepBudget;
};

std::ostream& operator<<(std::ostream& out, const HostileCase& hostile)
{
    return out << hostile.name;
}

class HostileFileTest : public CViewBuilderTest, public testing::WithParamInterface<HostileCase> {};

// Every view of the file opens, each tree count within its budget of steps;
// the sanitizers watch for the rest.
TEST_P(HostileFileTest, EveryViewOpensWithBoundedWork)
{
    const CTempFolder folder;
    const std::filesystem::path path = folder.Path() / "hostile.ged";
    ASSERT_TRUE(WriteFileBytes(path, GetParam().make()));
    const CPipelineSteps steps = RunViewPipeline(path.wstring(), GetParam().nFirst, GetParam().nStepBudget);
    if (GetParam().nPersons >= 0) {
        EXPECT_EQ(steps.m_nPersons, GetParam().nPersons);
    }
    EXPECT_TRUE(KeptToTheStepBudget(steps))
        << "steps of a tree view at most " << steps.m_nMostTreeSteps << ", of the patriarchs "
        << steps.m_nPatriarchSteps << " for " << steps.m_nPatriarchCandidates << " persons walked";
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFileTest,
    testing::Values(HostileCase{"RandomBytes", [] { return RandomBytesGedcom(1 << 20, 5); }, -1},
                    HostileCase{"NulBytesInValues", NulValuesGedcom, 2},
                    HostileCase{"TenMegabyteLine", [] { return LongLineGedcom(10 << 20); }, 1},
                    // the reading stops at level 10 inside the person
                    HostileCase{"LevelsNested100000Deep", [] { return DeepLevelsGedcom(100'000); }, 1},
                    HostileCase{"ManWhoIsHisOwnFather", OwnFatherGedcom, 1},
                    HostileCase{"TwoPersonCycle", [] { return CycleGedcom(2); }, 2},
                    HostileCase{"ThreePersonCycle", [] { return CycleGedcom(3); }, 3},
                    // one person's views are enough: every other one is the same knot
                    HostileCase{.name = "Knot",
                                .make = [] { return KnotGedcom(kKnotPersons); },
                                .nPersons = kKnotPersons,
                                .nFirst = 1,
                                .nStepBudget = 20'000},
                    // the first person's descendants and the last one's ancestors are the whole line
                    HostileCase{.name = "Line200000Generations",
                                .make = [] { return LongLineageGedcom(200'000); },
                                .nPersons = 200'000,
                                .nFirst = 1},
                    HostileCase{"TenThousandRecordsSharingOneId", [] { return SharedIdGedcom(10'000); },
                                10'000},
                    HostileCase{"SameChildListed1000Times", [] { return RepeatedChildGedcom(1000); }, 3},
                    HostileCase{"LinksToTheirOwnRecord", SelfLinksGedcom, 2}),
    testing::PrintToStringParamName());

} // namespace
