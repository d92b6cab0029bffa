#include "platform/QtProgress.h"

#include "options/Language.h"
#include "options/StringIds.h"
#include "platform/Clock.h"
#include "platform/Message.h"

#include <QProgressDialog>
#include <QtTest>

namespace {

// Each look at the clock is a tenth of a second later.
class CTenthsClock : public CClock {
public:
    CCalendarDate Today() const override { return {2000, 1, 1}; }
    std::chrono::steady_clock::time_point Now() const override { return m_now += std::chrono::milliseconds(100); }

private:
    mutable std::chrono::steady_clock::time_point m_now;
};

} // namespace

class QtProgressTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LoadOwnResources();
        SetLanguage(L"En");
    }

    // The clock is asked at the start and at each new percent: the fourth
    // percent comes half a second after the start.
    void theWindowOpensAfterTheDelayOverTheWindowInFront()
    {
        QWidget front;
        front.show();
        theTopWindow = &front;
        CTenthsClock clock;
        CClock* pPreviousClock = SetClock(&clock);
        CQtProgressSink sink;
        CProgressSink* pPreviousSink = SetProgressSink(&sink);
        {
            CProgress progress(IDS_READING_FILE);
            for (int nPercent = 0; nPercent < 4; ++nPercent) {
                progress.Report(nPercent, 100);
                QVERIFY(!sink.Window());
            }
            progress.Report(4, 100);
            QVERIFY(sink.Window() && sink.Window()->isVisible());
            QCOMPARE(sink.Window()->parentWidget(), &front);
            QCOMPARE(sink.Window()->labelText(), QStringLiteral("Reading the file"));
            QCOMPARE(sink.Window()->value(), 4);
        }
        QVERIFY(!sink.Window());
        SetProgressSink(pPreviousSink);
        SetClock(pPreviousClock);
        theTopWindow = nullptr;
    }
};

QTEST_MAIN(QtProgressTest)
#include "QtProgressTest.moc"
