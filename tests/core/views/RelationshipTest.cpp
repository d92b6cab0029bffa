#include "core/views/Relationship.h"

#include "core/text/WideText.h"
#include "TestSupport.h"


namespace {

// A way as "up/down top", "+spouse" for a couple, "half", and the kind:
// "2/2 G1+G2", "1/1 P half", "spouse", "via S: 0/1 P+W".
std::string Describe(const CDocument& doc, const CRelationship& way)
{
    const auto name = [&](int nPerson) { return WideToUtf8(doc.Str(doc.Persons()[nPerson].m_strId)); };
    const auto bare = [&](int nPerson) { const std::string id = name(nPerson); return id.substr(1, id.size() - 2); };
    if (way.m_kind == CRelationKind::Spouse)
        return "spouse";
    std::string strWay = way.m_kind == CRelationKind::Blood ? "" : "via " + bare(way.m_nSpouse) + ": ";
    strWay += std::to_string(way.Up()) + "/" + std::to_string(way.Down()) + " " + bare(way.m_nTop);
    if (way.m_nTopSpouse >= 0)
        strWay += "+" + bare(way.m_nTopSpouse);
    if (way.m_bHalf)
        strWay += " half";
    return strWay;
}

int IndexOf(const CDocument& doc, const std::string& strName)
{
    return doc.FindPersonById(Utf8ToWide("@" + strName + "@"));
}

// G1+G2 have P and Q. P has A and A2 with W, and C with W2. Q and H have B,
// who has D with X. A married S; they have K. Brothers M1, M2 (of GA+GB)
// married sisters S1, S2 (of GC+GD): their children E1 and E2 are double
// first cousins. Cousins A3 and S3 (of GG+GH) have C3. Z is nobody's.
TEST(RelationshipTest, FindsEachWayClosestFirst)
{
    const auto doc = MakeFamilies(
        "G1:M G2:F P:M Q:F W:F W2:F H:M A:F A2:M C:M B:M X:F D:F S:M K:F Z:M "
        "GA:M GB:F GC:M GD:F M1:M M2:M S1:F S2:F E1:M E2:F GG:M GH:F U:M V:F A3:M S3:F C3:M",
        {"G1 G2 > P Q", "P W > A A2", "P W2 > C", "Q H > B", "B X > D", "S A > K", "GA GB > M1 M2",
         "GC GD > S1 S2", "M1 S1 > E1", "M2 S2 > E2", "GG GH > U V", "U - > A3", "V - > S3", "A3 S3 > C3"});
    const struct {
        const char* m_pszA;
        const char* m_pszB;
        const char* m_pszWays; ///< closest first
    } cases[] = {
        {"A", "A2", "1/1 P+W"},
        {"A", "C", "1/1 P half"},
        {"A", "B", "2/2 G1+G2"},
        {"A", "G1", "2/0 G1"},
        {"G2", "A", "0/2 G2"},
        {"A", "Q", "2/1 G1+G2"},
        {"A", "D", "2/3 G1+G2"},
        {"K", "A", "1/0 A"}, // not also the child of A's husband: that is the same way
        {"A", "S", "spouse"},
        {"S", "P", "via A: 1/0 P"},   // P is the father of S's wife
        {"A", "H", "via Q: 2/1 G1+G2"}, // H is the husband of A's aunt
        {"E1", "E2", "2/2 GA+GB; 2/2 GC+GD"},
        // A father and also a cousin; no way through his wife, whose lines
        // to the child all come down through the marriage.
        {"A3", "C3", "0/1 A3; 2/3 GG+GH"},
        {"A", "Z", ""},
        {"A", "A", ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.m_pszA) + " " + test.m_pszB);
        const CRelationships found = FindRelationships(*doc, IndexOf(*doc, test.m_pszA), IndexOf(*doc, test.m_pszB));
        std::string strWays;
        for (const CRelationship& way : found.m_found)
            strWays += (strWays.empty() ? "" : "; ") + Describe(*doc, way);
        EXPECT_EQ(strWays, test.m_pszWays);
        EXPECT_EQ(found.m_nCount, found.m_found.size());
        EXPECT_FALSE(found.m_bStopped);
    }
}

// A and B descend from 2^depth distinct couples of cousins at the top, by
// lines that never meet below: as many ways, all alike; a small budget stops
// the search and says so, keeping the closest it reached.
TEST(RelationshipTest, ManyWaysAreCountedAndABudgetStopsTheCount)
{
    const int nDepth = 6;
    std::string strPersons;
    std::vector<std::string> families;
    // Each side a full tree of ancestors: person s_n has parents s_2n and s_2n+1.
    const int nLeaves = 1 << nDepth;
    for (const char* pszSide : {"a", "b"})
        for (int n = 1; n < 2 * nLeaves; ++n) {
            const std::string strName = pszSide + std::to_string(n);
            strPersons += strName + (n % 2 == 0 ? ":M " : ":F ");
            if (n < nLeaves)
                families.push_back(std::string(pszSide) + std::to_string(2 * n) + " " + pszSide +
                                   std::to_string(2 * n + 1) + " > " + strName);
        }
    // The leaves of the two sides, pair by pair, are siblings.
    for (int n = nLeaves; n < 2 * nLeaves; ++n) {
        strPersons += "t" + std::to_string(n) + ":M u" + std::to_string(n) + ":F ";
        families.push_back("t" + std::to_string(n) + " u" + std::to_string(n) + " > a" + std::to_string(n) + " b" +
                           std::to_string(n));
    }
    const auto doc = MakeFamilies(strPersons, families);
    const int nA = IndexOf(*doc, "a1");
    const int nB = IndexOf(*doc, "b1");
    const CRelationships all = FindRelationships(*doc, nA, nB);
    EXPECT_EQ(all.m_nCount, std::size_t(nLeaves));
    EXPECT_FALSE(all.m_bStopped);
    ASSERT_EQ(all.m_found.size(), 20U);
    EXPECT_EQ(all.m_found[0].Up(), nDepth + 1);
    EXPECT_EQ(all.m_found[0].Down(), nDepth + 1);

    const CRelationships cut = FindRelationships(*doc, nA, nB, 20, 2 * nLeaves + 40);
    EXPECT_TRUE(cut.m_bStopped);
    EXPECT_LT(cut.m_nCount, all.m_nCount);
    EXPECT_EQ(cut.m_found.size(), std::min<std::size_t>(cut.m_nCount, 20));
}

// Every person a child of every other's family: the climb ends within its
// budget, whatever the knot.
TEST(RelationshipTest, AKnotEndsWithinTheBudget)
{
    std::string strPersons;
    std::vector<std::string> families;
    const int nPersons = 60;
    for (int i = 0; i < nPersons; ++i) {
        strPersons += "p" + std::to_string(i) + (i % 2 ? ":F " : ":M ");
        std::string strFamily = "p" + std::to_string(i) + " - >";
        for (int j = 0; j < nPersons; ++j)
            if (j != i)
                strFamily += " p" + std::to_string(j);
        families.push_back(strFamily);
    }
    const auto doc = MakeFamilies(strPersons, families);
    const CRelationships found = FindRelationships(*doc, 0, 1, 20, 5000);
    EXPECT_LE(found.m_found.size(), 20U);
    EXPECT_GE(found.m_nCount, found.m_found.size());
}

} // namespace
