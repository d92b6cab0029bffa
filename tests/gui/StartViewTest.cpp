#include "gui/app/StartView.h"

#include "GuiTestSupport.h"

namespace {

// Pixels that are not black in a band of the image.
int LitPixels(const QImage& image, const QRect& band)
{
    int nLit = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x)
            nLit += image.pixelColor(x, y) != Qt::black;
    }
    return nLit;
}

} // namespace

class StartViewTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetLanguage(L"En"); }

    // Black all round, the picture in the middle, the name above it, and the
    // file line, with the home person under it, only when there is a file; a
    // window smaller than the picture clips it evenly.
    void paintsThePictureCentredOnBlack()
    {
        CStartView view;
        view.resize(300, 400);
        const QImage bare = view.grab().toImage();
        QCOMPARE(bare.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(bare.pixelColor(299, 399), QColor(Qt::black));
        QVERIFY(LitPixels(bare, QRect(120, 170, 60, 60)) > 100);  // the picture
        QVERIFY(LitPixels(bare, QRect(100, 15, 100, 25)) > 20);   // the name
        const int dy = (400 - 180) / 2;
        const QRect fileBand(5, 400 - dy + 26, 200, 14);
        QCOMPARE(LitPixels(bare, fileBand), 0);

        const QRect homeBand = fileBand.translated(0, 16);
        view.SetHomePerson(QStringLiteral("Ann Lee"));
        QCOMPARE(view.HomeLine(), QString()); // no file, no home person
        view.SetLoadedFile(L"/trees/family.ged");
        const QImage named = view.grab().toImage();
        QVERIFY(LitPixels(named, fileBand) > 20);
        QVERIFY(LitPixels(named, homeBand) > 20);
        QCOMPARE(view.HomeLine(), QStringLiteral("Home person: Ann Lee"));
        view.resize(200, 150);
        QVERIFY(LitPixels(view.grab().toImage(), QRect(90, 65, 20, 20)) > 0);
    }
};

QTEST_MAIN(StartViewTest)
#include "StartViewTest.moc"
