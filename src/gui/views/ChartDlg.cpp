#include "gui/views/ChartDlg.h"

#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/platform/WaitCursor.h"
#include "core/views/ViewOptions.h"
#include "gui/views/Navigation.h"
#include "qtcore/platform/QtText.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr double kZoomStep = 1.15;
constexpr int kTextPadding = 6;
constexpr int kClickSlack = 4; ///< pixels a press may move and still be a click

} // namespace

CChartDlg::CChartDlg(const CDocument& doc, QWidget* pParent) : CViewDlg(doc, pParent)
{
    setObjectName(QStringLiteral("chart"));
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(new QLabel(ToQString(LoadLangString(IDS_GENERATIONS)), this));
    m_pGenerations = new QSpinBox(this);
    m_pGenerations->setObjectName(QStringLiteral("generations"));
    m_pGenerations->setRange(1, 1'000'000);
    pRow->addWidget(m_pGenerations);
    m_pPlaces = new QCheckBox(ToQString(LoadLangString(IDS_CHART_PLACES)), this);
    m_pPlaces->setObjectName(QStringLiteral("places"));
    pRow->addWidget(m_pPlaces);
    pRow->addStretch(1);
    connect(m_pPlaces, &QCheckBox::toggled, this, [this] { Draw(); });
    Layout()->addLayout(pRow);
    m_pScene = new QGraphicsScene(this);
    m_pView = new QGraphicsView(m_pScene, this);
    m_pView->setObjectName(QStringLiteral("chartView"));
    m_pView->setDragMode(QGraphicsView::ScrollHandDrag);
    m_pView->setRenderHint(QPainter::Antialiasing);
    m_pView->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    m_pView->viewport()->installEventFilter(this);
    Layout()->addWidget(m_pView, 1);
    connect(m_pGenerations, &QSpinBox::editingFinished, this, [this] {
        if (m_pGenerations->value() != m_nGenerations) {
            m_nGenerations = m_pGenerations->value();
            Draw();
        }
    });
    for (const auto& [key, dFactor] : {std::pair{QKeySequence::ZoomIn, kZoomStep}, {QKeySequence::ZoomOut, 1 / kZoomStep}})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, dFactor] { Zoom(dFactor); });
    // A box chosen with a click, then Enter, opens the person's page.
    RunOnEnter(m_pView, [this] {
        const QList<QGraphicsItem*> selected = m_pScene->selectedItems();
        if (!selected.isEmpty())
            OpenInfoView(Doc(), selected.front()->data(0).toInt());
    });
    m_fnChooseExport = [](QWidget* pOwner, const QString& strName, const QString& strFilters) {
        return QFileDialog::getSaveFileName(pOwner, QString(), strName, strFilters);
    };
}

bool CChartDlg::OnInitDialog()
{
    CViewDlg::OnInitDialog();
    if (!AddMenus({IDM_CHART, IDM_HELP}))
        return false;
    m_pGenerations->setValue(m_nGenerations);
    Draw();
    m_pView->setFocus();
    return true;
}

// The chart again: its boxes in the colours of the family view (the living
// on a text field's background, the deceased on the window's), the palette's
// text and lines, the repeated dashed.
void CChartDlg::Draw()
{
    CWaitCursor wait;
    m_chart = LayoutChart(Doc(), m_nPerson, m_kind, m_nGenerations, ViewOptionsFrom(Settings), m_pPlaces->isChecked());
    m_pScene->clear();
    const QPalette colours = palette();
    const QPen linePen(colours.color(QPalette::Mid), 1.5);
    for (const CChartLine& line : m_chart.m_lines)
        m_pScene->addLine(line.m_dX1, line.m_dY1, line.m_dX2, line.m_dY2, linePen);
    QFont bold = font();
    bold.setBold(true);
    for (const CChartBox& box : m_chart.m_boxes) {
        QPen pen(colours.color(QPalette::Text), 1);
        if (box.m_bRepeated)
            pen.setStyle(Qt::DashLine);
        auto* pRect = m_pScene->addRect(box.m_dX, box.m_dY, box.m_dWidth, box.m_dHeight, pen,
                                        colours.color(box.m_bDeceased ? QPalette::Window : QPalette::Base));
        pRect->setData(0, box.m_nPerson);
        pRect->setFlags(QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsFocusable);
        pRect->setToolTip(ToQString(box.m_astrLines.front()));
        const int nRoom = static_cast<int>(box.m_dWidth) - 2 * kTextPadding;
        for (std::size_t i = 0; i < box.m_astrLines.size(); ++i) {
            const QFont& lineFont = i == 0 ? bold : font();
            const QString strText =
                QFontMetrics(lineFont).elidedText(ToQString(box.m_astrLines[i]), Qt::ElideRight, nRoom);
            auto* pText = new QGraphicsSimpleTextItem(strText, pRect);
            pText->setFont(lineFont);
            pText->setBrush(colours.color(QPalette::Text));
            pText->setPos(box.m_dX + kTextPadding, box.m_dY + kTextPadding + 16.0 * static_cast<double>(i));
        }
    }
    m_pScene->setSceneRect(-10, -10, m_chart.m_dWidth + 20, m_chart.m_dHeight + 20);
    const std::wstring strName =
        m_nPerson >= 0 ? Doc().Persons()[m_nPerson].GetFullNameFirstFirst(Doc(), ViewOptionsFrom(Settings).m_names)
                       : std::wstring();
    setWindowTitle(ToQString(LoadLangString(m_kind == CChartKind::Ancestors ? IDS_ANCESTOR_CHART : IDS_DESCENDANT_CHART) +
                             L": " + strName));
    if (m_chart.m_bStopped)
        ShowMessage(this, LoadLangString(IDS_CHART_CUT), LoadLangString(IDS_MESSAGE), CMessageIcon::Information);
}

void CChartDlg::Zoom(double dFactor)
{
    m_pView->scale(dFactor, dFactor);
}

void CChartDlg::FitToWindow()
{
    m_pView->fitInView(m_pScene->sceneRect(), Qt::KeepAspectRatio);
}

void CChartDlg::Recentre(int nPerson)
{
    if (nPerson < 0)
        return;
    m_nPerson = nPerson;
    Draw();
    m_pView->centerOn(m_pScene->itemsBoundingRect().center());
}

int CChartDlg::PersonAt(const QPoint& at) const
{
    for (const QGraphicsItem* pItem : m_pView->items(at)) {
        const QGraphicsItem* pBox = pItem->parentItem() ? pItem->parentItem() : pItem;
        if (pBox->data(0).isValid())
            return pBox->data(0).toInt();
    }
    return -1;
}

// The wheel zooms; a click (a press that did not drag) on a box opens the
// person's page, with Ctrl it makes them the chart's person.
bool CChartDlg::eventFilter(QObject* pObject, QEvent* pEvent)
{
    static QPoint pressedAt;
    if (pObject == m_pView->viewport()) {
        if (pEvent->type() == QEvent::Wheel) {
            Zoom(static_cast<QWheelEvent*>(pEvent)->angleDelta().y() > 0 ? kZoomStep : 1 / kZoomStep);
            return true;
        }
        const bool bPress = pEvent->type() == QEvent::MouseButtonPress;
        if (!bPress && pEvent->type() != QEvent::MouseButtonRelease)
            return CViewDlg::eventFilter(pObject, pEvent);
        const auto* pMouse = static_cast<QMouseEvent*>(pEvent);
        if (bPress && pMouse->button() == Qt::LeftButton)
            pressedAt = pMouse->position().toPoint();
        if (!bPress && pMouse->button() == Qt::LeftButton &&
            (pMouse->position().toPoint() - pressedAt).manhattanLength() <= kClickSlack) {
            const int nPerson = PersonAt(pMouse->position().toPoint());
            if (nPerson >= 0 && (pMouse->modifiers() & Qt::ControlModifier))
                Recentre(nPerson);
            else if (nPerson >= 0)
                OpenInfoView(Doc(), nPerson);
        }
    }
    return CViewDlg::eventFilter(pObject, pEvent);
}

bool CChartDlg::OnCommand(int nCommand)
{
    switch (nCommand) {
    case ID_CHART_EXPORT:
        OnExport();
        return true;
    case ID_CHART_PRINT:
        OnPrint();
        return true;
    case ID_CHART_FIT:
        FitToWindow();
        return true;
    default:
        return CViewDlg::OnCommand(nCommand);
    }
}

bool CChartDlg::Export(const QString& strPath, double dScale) const
{
    const QRectF source = m_pScene->sceneRect();
    if (strPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        // The same SVG as the command line's, from the layout alone.
        QFile file(strPath);
        const std::string strSvg = ChartToSvg(m_chart);
        return file.open(QIODevice::WriteOnly) &&
               file.write(strSvg.data(), static_cast<qint64>(strSvg.size())) == static_cast<qint64>(strSvg.size());
    }
    if (strPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(strPath);
        pdf.setResolution(96);
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(source.size() * 72.0 / 96.0, QPageSize::Point));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        m_pScene->render(&painter, QRectF(QPointF(), source.size()), source);
        return painter.end();
    }
    QImage image((source.size() * dScale).toSize(), QImage::Format_ARGB32);
    if (image.isNull())
        return false;
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    m_pScene->render(&painter, QRectF(image.rect()), source);
    painter.end();
    return image.save(strPath, "PNG");
}

// The person's name as the file's name; the ending chooses the form.
void CChartDlg::OnExport()
{
    const QString strName = windowTitle().section(QStringLiteral(": "), 1).trimmed();
    const QString strFilters = ToQString(LoadLangString(IDS_PICTURES)) +
                               QStringLiteral(" (*.png *.svg *.pdf);;PNG (*.png);;SVG (*.svg);;PDF (*.pdf)");
    QString strPath = m_fnChooseExport(this, strName + QStringLiteral(".png"), strFilters);
    if (strPath.isEmpty())
        return;
    double dScale = 1.0;
    if (strPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        bool bOk = false;
        const int nPercent = QInputDialog::getInt(this, windowTitle(), ToQString(LoadLangString(IDS_PNG_SCALE)), 100,
                                                  25, 800, 25, &bOk);
        if (!bOk)
            return;
        dScale = nPercent / 100.0;
    }
    if (!Export(strPath, dScale))
        ShowMessage(this, FromQString(strPath), LoadLangString(IDS_CANT_OPEN_SOURCE_FILE), CMessageIcon::Stop);
}

// On one page, or across as many as the chart needs at its own size.
void CChartDlg::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool bFit = QMessageBox::question(this, windowTitle(), ToQString(LoadLangString(IDS_PRINT_FIT))) ==
                      QMessageBox::Yes;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF source = m_pScene->sceneRect();
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    if (bFit) {
        m_pScene->render(&painter, QRectF(QPointF(), page.size()), source);
        return;
    }
    const double dScale = printer.resolution() / 96.0;
    const double dPageWidth = page.width() / dScale;
    const double dPageHeight = page.height() / dScale;
    const int nColumns = static_cast<int>(std::ceil(source.width() / dPageWidth));
    const int nRows = static_cast<int>(std::ceil(source.height() / dPageHeight));
    for (int nRow = 0; nRow < nRows; ++nRow)
        for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
            if (nRow + nColumn > 0)
                printer.newPage();
            const QRectF tile(source.left() + nColumn * dPageWidth, source.top() + nRow * dPageHeight, dPageWidth,
                              dPageHeight);
            m_pScene->render(&painter, QRectF(QPointF(), page.size()), tile);
        }
}
