#include "core/model/GedcomReader.h"
#include "core/views/Chart.h"

#include "GuiTestSupport.h"

#include <QXmlStreamReader>

// The SVG the command line writes is well-formed XML with a group per box,
// on the sample's richest charts both ways.
class ChartSvgTest : public QObject {
    Q_OBJECT
private slots:
    void theSvgIsWellFormedWithEveryBox()
    {
        const CReadResult read = ReadGedcomFile(FromQString(QStringLiteral(STEMMARK_RESOURCES "/sample/Stemmark-sample.ged")));
        for (const CChartKind kind : {CChartKind::Ancestors, CChartKind::Descendants}) {
            const CChart chart = LayoutChart(*read.m_pDocument, kind == CChartKind::Ancestors ? 49 : 2, kind, 6,
                                             CViewOptions(), true);
            QXmlStreamReader xml(QByteArray::fromStdString(ChartToSvg(chart)));
            std::size_t nBoxes = 0;
            while (!xml.atEnd())
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("rect"))
                    ++nBoxes;
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY(chart.m_boxes.size() > 10);
            QCOMPARE(nBoxes, chart.m_boxes.size());
        }
    }
};

QTEST_MAIN(ChartSvgTest)
#include "ChartSvgTest.moc"
