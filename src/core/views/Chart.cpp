#include "core/views/Chart.h"

#include "core/model/Document.h"
#include "core/text/WideText.h"
#include "core/views/PersonList.h"
#include "core/views/ViewOptions.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace {

constexpr double kBoxWidth = 180;
constexpr double kLineHeight = 16;
constexpr double kPadding = 6;
constexpr double kGapX = 16;      ///< between the subtrees side by side
constexpr double kSpouseGap = 8;  ///< between a person and a spouse
constexpr double kGapY = 40;      ///< between the rows

// One place of a person in the chart; the tree the layout works on has the
// parents (ancestors) or the children (descendants) below each node.
struct CNode {
    int m_nPerson = -1;
    int m_nGeneration = 0;
    std::vector<int> m_anSpouses{};
    std::vector<std::size_t> m_children{}; ///< later nodes: the tree is made a generation at a time
    double m_dWidth = 0;     ///< of the subtree
    double m_dGroupLeft = 0; ///< the person's box, from the subtree's left
    double m_dLeft = 0;      ///< the subtree's left in the chart
};

class CChartBuilder {
public:
    CChartBuilder(const CDocument& doc, CChartKind kind, const CViewOptions& options, bool bPlaces)
        : m_doc(doc), m_kind(kind), m_options(options), m_bPlaces(bPlaces)
    {
    }

    CChart Build(int nPerson, int nGenerations, std::int64_t nStepBudget);

private:
    int PersonOf(CText id) const { return id.empty() ? -1 : m_doc.FindPersonById(id); }
    double GroupWidth(const CNode& node) const
    {
        const double dSpouses = static_cast<double>(node.m_anSpouses.size());
        return kBoxWidth * (1 + dSpouses) + kSpouseGap * dSpouses;
    }
    std::vector<int> Parents(int nPerson) const;
    void AddFamilies(CNode& node, std::vector<int>& anChildren) const;
    void MakeTree(int nPerson, int nGenerations, std::int64_t nStepBudget);
    void Measure();
    CChartBox MakeBox(int nPerson, double dX, double dY, int nGeneration) const;

    const CDocument& m_doc;
    CChartKind m_kind;
    const CViewOptions& m_options;
    bool m_bPlaces;
    std::vector<CNode> m_nodes;
    bool m_bStopped = false;
    double m_dBoxHeight = 0;
};

std::vector<int> CChartBuilder::Parents(int nPerson) const
{
    const CText famc = m_doc.Persons()[nPerson].m_strFamc;
    const int nFamily = famc.empty() ? -1 : m_doc.FindFamilyById(famc);
    std::vector<int> anParents;
    if (nFamily < 0)
        return anParents;
    const CFamily& family = m_doc.Families()[nFamily];
    for (const CText id : {family.m_strHusband, family.m_strWife})
        if (const int nParent = PersonOf(id); nParent >= 0)
            anParents.push_back(nParent);
    return anParents;
}

// The spouses beside the person, and the children of all the marriages in
// their order.
void CChartBuilder::AddFamilies(CNode& node, std::vector<int>& anChildren) const
{
    for (const CText familyId : m_doc.Items(m_doc.Persons()[node.m_nPerson].m_astrFams)) {
        const int nFamily = familyId.empty() ? -1 : m_doc.FindFamilyById(familyId);
        if (nFamily < 0)
            continue;
        const CFamily& family = m_doc.Families()[nFamily];
        for (const CText id : {family.m_strHusband, family.m_strWife})
            if (const int nSpouse = PersonOf(id); nSpouse >= 0 && nSpouse != node.m_nPerson &&
                                                  std::find(node.m_anSpouses.begin(), node.m_anSpouses.end(),
                                                            nSpouse) == node.m_anSpouses.end())
                node.m_anSpouses.push_back(nSpouse);
        for (const CText childId : m_doc.Items(family.m_astrChildren))
            if (const int nChild = PersonOf(childId); nChild >= 0)
                anChildren.push_back(nChild);
    }
}

// A generation at a time, so that a line of any depth needs no deep calls;
// each node a step.
void CChartBuilder::MakeTree(int nPerson, int nGenerations, std::int64_t nStepBudget)
{
    m_nodes.push_back({.m_nPerson = nPerson});
    std::int64_t nSteps = 1;
    for (std::size_t nNode = 0; nNode < m_nodes.size(); ++nNode) {
        std::vector<int> anNext;
        if (m_kind == CChartKind::Descendants)
            AddFamilies(m_nodes[nNode], anNext);
        else
            anNext = Parents(m_nodes[nNode].m_nPerson);
        const int nGeneration = m_nodes[nNode].m_nGeneration + 1;
        if (nGeneration >= nGenerations)
            continue;
        for (const int nNext : anNext) {
            if (++nSteps > nStepBudget) {
                m_bStopped = true;
                return;
            }
            m_nodes[nNode].m_children.push_back(m_nodes.size());
            m_nodes.push_back({.m_nPerson = nNext, .m_nGeneration = nGeneration});
        }
    }
}

// Bottom up: each subtree's width, and its person centred over the persons
// below (their boxes' middle, or for descendants their couples').
void CChartBuilder::Measure()
{
    for (std::size_t n = m_nodes.size(); n-- > 0;) {
        CNode& node = m_nodes[n];
        const double dGroup = GroupWidth(node);
        double dSpan = 0;
        for (const std::size_t nChild : node.m_children)
            dSpan += m_nodes[nChild].m_dWidth + (dSpan > 0 ? kGapX : 0);
        node.m_dWidth = std::max(dGroup, dSpan);
        if (node.m_children.empty()) {
            node.m_dGroupLeft = (node.m_dWidth - dGroup) / 2;
            continue;
        }
        // The children's subtrees stand side by side, centred in this one.
        double dLeft = (node.m_dWidth - dSpan) / 2;
        double dFirst = 0;
        double dLast = 0;
        for (const std::size_t nChild : node.m_children) {
            CNode& child = m_nodes[nChild];
            child.m_dLeft = dLeft; // for now from this subtree's left
            const double dMiddle = dLeft + child.m_dGroupLeft + kBoxWidth / 2;
            dFirst = nChild == node.m_children.front() ? dMiddle : dFirst;
            dLast = dMiddle;
            dLeft += child.m_dWidth + kGapX;
        }
        const double dCentre = (dFirst + dLast) / 2;
        const double dOwnMiddle = kBoxWidth / 2; // the person's own box within the couple
        node.m_dGroupLeft = std::clamp(dCentre - (m_kind == CChartKind::Descendants ? dGroup / 2 : dOwnMiddle), 0.0,
                                       node.m_dWidth - dGroup);
    }
}

CChartBox CChartBuilder::MakeBox(int nPerson, double dX, double dY, int nGeneration) const
{
    const CPerson& person = m_doc.Persons()[nPerson];
    CChartBox box{.m_nPerson = nPerson, .m_dX = dX, .m_dY = dY, .m_dWidth = kBoxWidth, .m_dHeight = m_dBoxHeight,
                  .m_nGeneration = nGeneration};
    box.m_bDeceased = m_doc.Event(person.m_death).m_bPresent || m_doc.Event(person.m_burial).m_bPresent;
    box.m_astrLines.push_back(person.GetFullNameFirstFirst(m_doc, m_options.m_names));
    CListOptions years;
    years.m_bYearOnly = true;
    std::wstring strYears;
    AppendListDate(strYears, person.GetBirthDateText(m_doc, DateTextMode::Display, m_options.m_dates), years);
    const std::wstring strDeath = person.GetDeathDateText(m_doc, DateTextMode::Display, m_options.m_dates);
    if (!strDeath.empty() || box.m_bDeceased) {
        strYears += L" \u2013 ";
        AppendListDate(strYears, strDeath, years);
    }
    box.m_astrLines.push_back(strYears);
    if (m_bPlaces)
        box.m_astrLines.push_back(m_doc.Str(m_doc.Event(person.m_birth).m_strPlace));
    return box;
}

CChart CChartBuilder::Build(int nPerson, int nGenerations, std::int64_t nStepBudget)
{
    CChart chart;
    if (nPerson < 0 || nPerson > m_doc.GetLastPersonIndex() || nGenerations < 1)
        return chart;
    m_dBoxHeight = 2 * kPadding + kLineHeight * (m_bPlaces ? 3 : 2);
    MakeTree(nPerson, nGenerations, nStepBudget);
    Measure();
    int nDeepest = 0;
    for (const CNode& node : m_nodes)
        nDeepest = std::max(nDeepest, node.m_nGeneration);
    const double dRow = m_dBoxHeight + kGapY;
    const auto rowTop = [&](int nGeneration) {
        return (m_kind == CChartKind::Ancestors ? nDeepest - nGeneration : nGeneration) * dRow;
    };
    // Top down: each subtree's left in the chart, its boxes and the lines to
    // the row below. The nodes come a row at a time, left to right: a person
    // met again is marked in each later place.
    m_nodes.front().m_dLeft = 0;
    std::unordered_set<int> shown;
    for (CNode& node : m_nodes) {
        const double dY = rowTop(node.m_nGeneration);
        double dX = node.m_dLeft + node.m_dGroupLeft;
        CChartBox box = MakeBox(node.m_nPerson, dX, dY, node.m_nGeneration);
        box.m_bRepeated = !shown.insert(node.m_nPerson).second;
        chart.m_boxes.push_back(std::move(box));
        for (const int nSpouse : node.m_anSpouses) {
            chart.m_lines.push_back({dX + kBoxWidth, dY + m_dBoxHeight / 2, dX + kBoxWidth + kSpouseGap,
                                     dY + m_dBoxHeight / 2});
            dX += kBoxWidth + kSpouseGap;
            CChartBox spouse = MakeBox(nSpouse, dX, dY, node.m_nGeneration);
            spouse.m_bSpouse = true;
            spouse.m_bRepeated = !shown.insert(nSpouse).second;
            chart.m_boxes.push_back(std::move(spouse));
        }
        if (node.m_children.empty())
            continue;
        const bool bUp = m_kind == CChartKind::Ancestors;
        const double dFrom = node.m_dLeft + node.m_dGroupLeft + (bUp ? kBoxWidth : GroupWidth(node)) / 2;
        const double dEdge = bUp ? dY : dY + m_dBoxHeight;
        const double dMiddle = bUp ? dY - kGapY / 2 : dY + m_dBoxHeight + kGapY / 2;
        chart.m_lines.push_back({dFrom, dEdge, dFrom, dMiddle});
        double dLeftmost = dFrom;
        double dRightmost = dFrom;
        for (const std::size_t nChild : node.m_children) {
            CNode& child = m_nodes[nChild];
            child.m_dLeft += node.m_dLeft;
            const double dTo = child.m_dLeft + child.m_dGroupLeft + kBoxWidth / 2;
            chart.m_lines.push_back({dTo, dMiddle, dTo, bUp ? dMiddle - kGapY / 2 : dMiddle + kGapY / 2});
            dLeftmost = std::min(dLeftmost, dTo);
            dRightmost = std::max(dRightmost, dTo);
        }
        chart.m_lines.push_back({dLeftmost, dMiddle, dRightmost, dMiddle});
    }
    chart.m_dWidth = m_nodes.front().m_dWidth;
    chart.m_dHeight = (nDeepest + 1) * dRow - kGapY;
    chart.m_bStopped = m_bStopped;
    return chart;
}

std::string Number(double dValue)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", dValue);
    return buffer;
}

} // namespace

CChart LayoutChart(const CDocument& doc, int nPerson, CChartKind kind, int nGenerations, const CViewOptions& options,
                   bool bPlaces, std::int64_t nStepBudget)
{
    return CChartBuilder(doc, kind, options, bPlaces).Build(nPerson, nGenerations, nStepBudget);
}

std::string ChartToSvg(const CChart& chart)
{
    std::string strSvg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                         Number(chart.m_dWidth + 2) + "\" height=\"" + Number(chart.m_dHeight + 2) +
                         "\" viewBox=\"-1 -1 " + Number(chart.m_dWidth + 2) + " " + Number(chart.m_dHeight + 2) +
                         "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    for (const CChartLine& line : chart.m_lines)
        strSvg += "<line x1=\"" + Number(line.m_dX1) + "\" y1=\"" + Number(line.m_dY1) + "\" x2=\"" +
                  Number(line.m_dX2) + "\" y2=\"" + Number(line.m_dY2) + "\" stroke=\"#555\"/>\n";
    for (const CChartBox& box : chart.m_boxes) {
        strSvg += "<g class=\"person\" data-person=\"" + std::to_string(box.m_nPerson) + "\"><rect x=\"" +
                  Number(box.m_dX) + "\" y=\"" + Number(box.m_dY) + "\" width=\"" + Number(box.m_dWidth) +
                  "\" height=\"" + Number(box.m_dHeight) + "\" rx=\"4\" fill=\"" +
                  (box.m_bDeceased ? "#e4e4e4" : "#ffffff") + "\" stroke=\"#333\"" +
                  (box.m_bRepeated ? " stroke-dasharray=\"4 3\"" : "") + "/>\n";
        for (std::size_t i = 0; i < box.m_astrLines.size(); ++i)
            strSvg += "<text x=\"" + Number(box.m_dX + kPadding) + "\" y=\"" +
                      Number(box.m_dY + kPadding + kLineHeight * static_cast<double>(i) + 12) + "\"" +
                      (i == 0 ? " font-weight=\"bold\"" : "") + ">" + WideToUtf8(EscapeHtml(box.m_astrLines[i])) +
                      "</text>\n";
        strSvg += "</g>\n";
    }
    return strSvg + "</svg>\n";
}
