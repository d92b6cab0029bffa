#pragma once

#include "core/views/Chart.h"
#include "gui/views/ViewDlg.h"

#include <QString>

#include <functional>

class QCheckBox;
class QGraphicsScene;
class QGraphicsView;
class QSpinBox;

/// A chart of a person's ancestors or descendants: boxes and lines on a
/// scene that zooms with the wheel and Ctrl+plus/minus, scrolls by dragging
/// and with the arrows; a click or Enter on a box opens the person's page,
/// Ctrl+click makes them the chart's person. File-like commands export the
/// chart as PNG, SVG or PDF and print it.
class CChartDlg : public CViewDlg {
    Q_OBJECT
public:
    explicit CChartDlg(const CDocument& doc, QWidget* pParent = nullptr);

    /// Set before the view runs.
    int m_nPerson = -1;
    CChartKind m_kind = CChartKind::Ancestors;
    int m_nGenerations = 4;

    /// Where an export goes: the chosen path and filter, empty for none.
    /// Replaceable, as the tests answer it.
    std::function<QString(QWidget*, const QString& strName, const QString& strFilters)> m_fnChooseExport;

    QGraphicsScene* Scene() const { return m_pScene; }
    QGraphicsView* View() const { return m_pView; }
    const CChart& Chart() const { return m_chart; }

    /// Writes the chart to `strPath` by its ending: .png at `dScale`, .svg or .pdf.
    bool Export(const QString& strPath, double dScale = 1.0) const;
    /// Makes `nPerson` the chart's person and draws again.
    void Recentre(int nPerson);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int nCommand) override;
    std::wstring GetHelpTopic() const override { return L"chart"; }
    std::wstring GetPlaceKind() const override { return L"Chart"; }
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void Draw();
    void Zoom(double dFactor);
    void FitToWindow();
    void OnExport();
    void OnPrint();
    int PersonAt(const QPoint& at) const;

    QSpinBox* m_pGenerations = nullptr;
    QCheckBox* m_pPlaces = nullptr;
    QGraphicsScene* m_pScene = nullptr;
    QGraphicsView* m_pView = nullptr;
    CChart m_chart;
};
