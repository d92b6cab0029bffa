#include "gui/views/ChartDlg.h"

#include "core/model/GedcomReader.h"

#include "GuiTestSupport.h"

namespace {

int Boxes(const QGraphicsScene& scene)
{
    int nBoxes = 0;
    for (const QGraphicsItem* pItem : scene.items())
        nBoxes += pItem->data(0).isValid() ? 1 : 0;
    return nBoxes;
}

QPoint BoxOnScreen(const CChartDlg& view, int nBox)
{
    const CChartBox& box = view.Chart().m_boxes[static_cast<std::size_t>(nBox)];
    return view.View()->mapFromScene(QPointF(box.m_dX + box.m_dWidth / 2, box.m_dY + box.m_dHeight / 2));
}

} // namespace

class ChartDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        StartApp(m_app);
        m_read = ReadGedcomFile(FromQString(QStringLiteral(STEMMARK_RESOURCES "/sample/Stemmark-sample.ged")));
    }
    void cleanup() { m_app.reset(); }

    // Claire Hollis's ancestors: a box for each of the layout's, fewer with
    // fewer generations; a click opens a page, Ctrl+click makes the person
    // the chart's, and the deceased stand on the window's colour.
    void drawsTheLayoutAndAnswersClicks()
    {
        QStringList views;
        QList<int> counts;
        int nRecentred = -1;
        bool bColours = false;
        CChartDlg chart(*m_read.m_pDocument);
        chart.m_nPerson = 49;
        chart.resize(800, 600);
        RunWhileOpen<CChartDlg>(chart, [&](CChartDlg& view) {
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            counts << Boxes(*view.Scene()) << static_cast<int>(view.Chart().m_boxes.size());
            for (const QGraphicsItem* pItem : view.Scene()->items())
                if (const auto* pRect = dynamic_cast<const QGraphicsRectItem*>(pItem); pRect && pItem->data(0).toInt() == 38)
                    bColours = pRect->brush().color() == view.palette().color(QPalette::Window); // Walter, deceased
            auto* pField = Child<QSpinBox>(view, "generations");
            pField->setValue(2);
            emit pField->editingFinished();
            counts << Boxes(*view.Scene());
            Child<QCheckBox>(view, "places")->setChecked(true);
            counts << static_cast<int>(view.Chart().m_boxes.front().m_astrLines.size());
            view.View()->centerOn(0, 0);
            CViewRecorder recorder;
            QTest::mouseClick(view.View()->viewport(), Qt::LeftButton, {}, BoxOnScreen(view, 1));
            views = recorder.m_views;
            QTest::mouseClick(view.View()->viewport(), Qt::LeftButton, Qt::ControlModifier, BoxOnScreen(view, 1));
            nRecentred = view.m_nPerson;
        });
        QCOMPARE(counts[0], counts[1]);
        QCOMPARE(counts[2], 3);
        QCOMPARE(counts[3], 3); // name, years, place
        QCOMPARE(views.size(), 1);
        QVERIFY(views[0].startsWith(QStringLiteral("info ")));
        QCOMPARE(QStringLiteral("info %1").arg(nRecentred), views[0]);
        QVERIFY(bColours);
    }

    // Export writes each form the ending asks for.
    void exportWritesPngSvgAndPdf()
    {
        QTemporaryDir folder;
        QStringList heads;
        CChartDlg chart(*m_read.m_pDocument);
        chart.m_nPerson = 2;
        chart.m_kind = CChartKind::Descendants;
        RunWhileOpen<CChartDlg>(chart, [&](CChartDlg& view) {
            for (const char* pszName : {"chart.png", "chart.svg", "chart.pdf"}) {
                const QString strPath = folder.filePath(QString::fromLatin1(pszName));
                QVERIFY(view.Export(strPath, 0.5));
                QFile file(strPath);
                QVERIFY(file.open(QIODevice::ReadOnly));
                heads << QString::fromLatin1(file.read(5).toHex());
            }
        });
        QCOMPARE(heads, (QStringList{"89504e470d", "3c3f786d6c", "255044462d"})); // PNG, <?xml, %PDF-
    }

private:
    std::optional<CGenealogyApp> m_app;
    CReadResult m_read;
};

QTEST_MAIN(ChartDlgTest)
#include "ChartDlgTest.moc"
