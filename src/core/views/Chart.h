#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDocument;
struct CViewOptions;

/// A person's box on a chart, in chart units (a unit is a pixel at 100%).
struct CChartBox {
    int m_nPerson = -1;
    double m_dX = 0; ///< left
    double m_dY = 0; ///< top
    double m_dWidth = 0;
    double m_dHeight = 0;
    int m_nGeneration = 0;        ///< 0 for the chart's person
    bool m_bSpouse = false;       ///< stands beside a descendant as their spouse
    bool m_bRepeated = false;     ///< the person stands in an earlier place of the chart too
    bool m_bDeceased = false;     ///< has a death or a burial, as the family view colours it
    std::vector<std::wstring> m_astrLines{}; ///< name, years, and the places when asked
};

/// A straight line joining boxes.
struct CChartLine {
    double m_dX1 = 0;
    double m_dY1 = 0;
    double m_dX2 = 0;
    double m_dY2 = 0;
};

/// A laid-out chart: boxes and lines within 0..width, 0..height.
struct CChart {
    std::vector<CChartBox> m_boxes;
    std::vector<CChartLine> m_lines;
    double m_dWidth = 0;
    double m_dHeight = 0;
    bool m_bStopped = false; ///< the step budget cut the chart: some boxes are missing
};

/// What a chart shows around its person.
enum class CChartKind { Ancestors, Descendants };

/// The boxes a chart may make before it stops.
constexpr std::int64_t kChartStepBudget = 200'000;

/// Lays out the chart of `nPerson` over `nGenerations` generations (the
/// person's own counts as the first).
///
/// Ancestors: the person at the bottom, the parents above, and so on, each
/// child centred under its parents. Descendants: the person at the top with
/// the spouses beside, the children of all marriages below; each subtree
/// takes the width it needs, so nothing overlaps, and each person with
/// spouses stands centred over the children. A person who stands in two
/// places is drawn in both, the later marked as repeated. The texts follow
/// the name and date options and the language.
CChart LayoutChart(const CDocument& doc, int nPerson, CChartKind kind, int nGenerations, const CViewOptions& options,
                   bool bPlaces = false, std::int64_t nStepBudget = kChartStepBudget);

/// The chart as an SVG document (UTF-8), boxes and lines, the deceased on a
/// grey, the repeated dashed.
std::string ChartToSvg(const CChart& chart);
