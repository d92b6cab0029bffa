#include "core/views/Chart.h"

#include "core/model/Document.h"
#include "core/text/WideText.h"
#include "core/views/ViewOptions.h"
#include "TestSupport.h"

namespace {

// Three generations with a cousin marriage: G1+G2 have P and Q; P+W have A
// and C; Q+H have B and D; A marries his cousin B: their child K descends from
// G1+G2 twice. E is W's parent; D has no family.
std::unique_ptr<CDocument> Cousins()
{
    return MakeFamilies("G1:M G2:F P:M Q:F W:F H:M A:M C:F B:F D:M K:F E:M",
                        {"G1 G2 > P Q", "P W > A C", "Q H > B D", "A B > K", "E - > W"});
}

std::string NameOf(const CDocument& doc, const CChartBox& box)
{
    const std::string strId = WideToUtf8(doc.Str(doc.Persons()[box.m_nPerson].m_strId));
    return strId.substr(1, strId.size() - 2);
}

double Middle(const CChartBox& box)
{
    return box.m_dX + box.m_dWidth / 2;
}

bool Overlap(const CChartBox& a, const CChartBox& b)
{
    return a.m_dX < b.m_dX + b.m_dWidth && b.m_dX < a.m_dX + a.m_dWidth && a.m_dY < b.m_dY + b.m_dHeight &&
           b.m_dY < a.m_dY + a.m_dHeight;
}

// Both charts: every box within the chart, none over another, the repeated
// persons marked, and each person centred with the persons it stands for:
// a child under its two parents, a couple over its children.
TEST(ChartTest, BoxesNeverOverlapAndStandCentred)
{
    const auto doc = Cousins();
    const CViewOptions options;
    const struct {
        const char* m_pszPerson;
        CChartKind m_kind;
        int m_nGenerations;
        const char* m_pszBoxes;    ///< in the order laid out
        const char* m_pszRepeated; ///< the boxes marked as repeated
    } cases[] = {
        {"K", CChartKind::Ancestors, 4, "K A B P W Q H G1 G2 E G1 G2", "G1 G2"},
        {"K", CChartKind::Ancestors, 2, "K A B", ""},
        {"G1", CChartKind::Descendants, 4, "G1 G2 P W Q H A B C B A D K K", "B A K"},
        {"D", CChartKind::Descendants, 3, "D", ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.m_pszPerson) + " " + std::to_string(test.m_nGenerations));
        const CChart chart =
            LayoutChart(*doc, doc->FindPersonById(Utf8ToWide(std::string("@") + test.m_pszPerson + "@")), test.m_kind,
                        test.m_nGenerations, options);
        std::string strBoxes;
        std::string strRepeated;
        for (const CChartBox& box : chart.m_boxes) {
            strBoxes += (strBoxes.empty() ? "" : " ") + NameOf(*doc, box);
            if (box.m_bRepeated)
                strRepeated += (strRepeated.empty() ? "" : " ") + NameOf(*doc, box);
            EXPECT_GE(box.m_dX, 0);
            EXPECT_LE(box.m_dX + box.m_dWidth, chart.m_dWidth + 0.01);
            EXPECT_LE(box.m_dY + box.m_dHeight, chart.m_dHeight + 0.01);
        }
        EXPECT_EQ(strBoxes, test.m_pszBoxes);
        EXPECT_EQ(strRepeated, test.m_pszRepeated);
        EXPECT_FALSE(chart.m_bStopped);
        for (std::size_t i = 0; i < chart.m_boxes.size(); ++i)
            for (std::size_t j = i + 1; j < chart.m_boxes.size(); ++j)
                EXPECT_FALSE(Overlap(chart.m_boxes[i], chart.m_boxes[j])) << i << " " << j;
    }
    // K under A and B; the couple G1+G2 over P and Q.
    const CChart up = LayoutChart(*doc, doc->FindPersonById(L"@K@"), CChartKind::Ancestors, 2, options);
    EXPECT_DOUBLE_EQ(Middle(up.m_boxes[0]), (Middle(up.m_boxes[1]) + Middle(up.m_boxes[2])) / 2);
    const CChart down = LayoutChart(*doc, doc->FindPersonById(L"@G1@"), CChartKind::Descendants, 2, options);
    const double dCouple = (down.m_boxes[0].m_dX + down.m_boxes[1].m_dX + down.m_boxes[1].m_dWidth) / 2;
    EXPECT_DOUBLE_EQ(dCouple, (Middle(down.m_boxes[2]) + Middle(down.m_boxes[4])) / 2);
}

// A budget stops the chart and says so; the SVG holds a group per box.
TEST(ChartTest, ABudgetCutsTheChartAndTheSvgHasEveryBox)
{
    const auto doc = Cousins();
    const CChart cut = LayoutChart(*doc, doc->FindPersonById(L"@K@"), CChartKind::Ancestors, 10, CViewOptions(), true, 4);
    EXPECT_TRUE(cut.m_bStopped);
    EXPECT_EQ(cut.m_boxes.size(), 4U);
    EXPECT_EQ(cut.m_boxes[0].m_astrLines.size(), 3U) << "name, years, place";
    const std::string strSvg = ChartToSvg(cut);
    std::size_t nGroups = 0;
    for (std::size_t at = strSvg.find("<g class=\"person\""); at != std::string::npos;
         at = strSvg.find("<g class=\"person\"", at + 1))
        ++nGroups;
    EXPECT_EQ(nGroups, cut.m_boxes.size());
    EXPECT_TRUE(strSvg.ends_with("</svg>\n"));
}

} // namespace
