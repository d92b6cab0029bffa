// Times a person's page with 20 large photos: the core's page alone; the
// page's window until its text is first painted, before any picture is ready;
// until all 21 pictures (20 in the list, one beside the name) are in it; and
// finding a FILE that is nowhere in a tree of 5,000 files, first and next.
//   QT_QPA_PLATFORM=offscreen bench_MediaPageDlgBench [RUNS]
#include "BenchSupport.h"

#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/model/MediaFiles.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/views/PersonPage.h"
#include "gui/views/PersonInfoDlg.h"
#include "qtcore/platform/QtText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using CClock = std::chrono::steady_clock;

constexpr int kPhotos = 20;
constexpr int kPrimaryPhoto = 6; // not the first, so the head picture is a photo of its own key
constexpr int kFolderFiles = 5000;

double MsSince(CClock::time_point start)
{
    return SecondsSince(start) * 1000;
}

void Report(const char* pszWhat, std::vector<double> ms)
{
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s median %8.2f ms  (min %.2f, max %.2f, %zu runs)\n", pszWhat, ms[ms.size() / 2],
                ms.front(), ms.back(), ms.size());
}

// A photo's worth of detail: two crossing gradients under a grain that JPEG
// cannot smooth away, so each file is megabytes, as a camera's is.
QImage DrawPhoto(int nPhoto)
{
    QImage image(3000, 2000, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        QLinearGradient across(0, 0, 3000, 2000);
        across.setColorAt(0, QColor::fromHsv((nPhoto * 37) % 360, 180, 230));
        across.setColorAt(1, QColor::fromHsv((nPhoto * 37 + 150) % 360, 200, 60));
        painter.fillRect(image.rect(), across);
        QRadialGradient spot(1000 + nPhoto * 50, 900, 900);
        spot.setColorAt(0, QColor(255, 255, 255, 160));
        spot.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(image.rect(), spot);
    }
    std::uint32_t state = 2463534242u + static_cast<std::uint32_t>(nPhoto);
    for (int y = 0; y < image.height(); ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int nGrain = static_cast<int>(state % 41) - 20;
            const auto grained = [nGrain](int n) { return std::clamp(n + nGrain, 0, 255); };
            pLine[x] = qRgb(grained(qRed(pLine[x])), grained(qGreen(pLine[x])), grained(qBlue(pLine[x])));
        }
    }
    return image;
}

QString PhotoName(int nPhoto)
{
    return QStringLiteral("photos/p%1.jpg").arg(nPhoto + 1, 2, 10, QLatin1Char('0'));
}

// The photos and a file of one person linking them all; false when they
// cannot be written.
bool WriteFamily(const QDir& folder)
{
    if (!folder.mkpath(QStringLiteral("photos")))
        return false;
    QByteArray gedcom = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
                        "0 @I1@ INDI\n1 NAME Ann /Lee/\n1 SEX F\n1 BIRT\n2 DATE 3 MAR 1901\n2 PLAC Leeds\n";
    QByteArray objects;
    for (int nPhoto = 0; nPhoto < kPhotos; ++nPhoto) {
        if (!DrawPhoto(nPhoto).save(folder.filePath(PhotoName(nPhoto)), "JPG", 90))
            return false;
        const QByteArray id = "@M" + QByteArray::number(nPhoto + 1) + "@";
        gedcom += "1 OBJE " + id + "\n";
        objects += "0 " + id + " OBJE\n1 FILE " + PhotoName(nPhoto).toUtf8() + "\n2 FORM jpg\n2 TITL Photo " +
                   QByteArray::number(nPhoto + 1) + "\n";
        if (nPhoto == kPrimaryPhoto)
            objects += "1 _PRIM Y\n";
    }
    QFile file(folder.filePath(QStringLiteral("family.ged")));
    const QByteArray bytes = gedcom + objects + "0 TRLR\n";
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// 5,000 empty files, 50 to a folder, two folders deep.
bool WriteFolderTree(const QDir& folder)
{
    for (int nFile = 0; nFile < kFolderFiles; ++nFile) {
        const QString strFolder = QStringLiteral("tree/d%1/e%2").arg(nFile / 500).arg(nFile / 50 % 10);
        if (nFile % 50 == 0 && !folder.mkpath(strFolder))
            return false;
        QFile file(folder.filePath(strFolder + QStringLiteral("/f%1.jpg").arg(nFile)));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

// The page with what it holds in view: its own text, and how many of its
// pictures are ready.
class CMeasuredPage : public CPersonInfoDlg {
public:
    using CPersonInfoDlg::CPersonInfoDlg;
    // The window below takes the front again, as when a modal view ends.
    ~CMeasuredPage() override
    {
        if (theTopWindow == this)
            theTopWindow = m_pPrevTopWindow;
    }
    CMeasuredPage(const CMeasuredPage&) = delete;
    CMeasuredPage& operator=(const CMeasuredPage&) = delete;
    bool Open() { return OnInitDialog(); }
    std::size_t ReadyPictures() const { return m_images.size(); }
};

// Notes the first paint of the page's text.
class CPaintWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        m_bPainted = m_bPainted || pEvent->type() == QEvent::Paint;
        return false;
    }
    bool m_bPainted = false;
};

// Runs the event loop until `done` holds, or ten seconds have gone: false then.
bool RunUntil(const std::function<bool()>& done)
{
    const auto start = CClock::now();
    QTimer guard; // wakes the loop when nothing else would
    guard.start(100);
    while (!done()) {
        if (SecondsSince(start) > 10)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Every picture of the page at the size the page asks for; a notice, being
// square, would say that a photo could not be read.
bool AllPicturesShown(QTextDocument& document)
{
    const auto shown = [&document](int nKey, int nSide) {
        const QUrl name(ToQString(PictureName(static_cast<std::size_t>(nKey), nSide)));
        const QImage image = document.resource(QTextDocument::ImageResource, name).value<QImage>();
        return !image.isNull() && image.width() == nSide && image.height() < nSide;
    };
    bool bAll = shown(kPrimaryPhoto, kHeadPictureSide);
    for (int nKey = 0; nKey < kPhotos; ++nKey)
        bAll = shown(nKey, kListPictureSide) && bAll;
    return bAll;
}

struct CPageTimes {
    double m_dPainted = 0;
    double m_dFirstPicture = 0;
    double m_dAllPictures = 0;
    std::size_t m_nReadyAtPaint = 0;
    bool m_bComplete = false;
};

CPageTimes TimePage(const CDocument& doc)
{
    CPageTimes times;
    CPaintWatch watch;
    const auto start = CClock::now();
    CMeasuredPage page(doc);
    page.m_nPerson = 0;
    page.resize(1000, 800);
    if (!page.Open())
        return times;
    page.Viewer()->viewport()->installEventFilter(&watch);
    page.show();
    RunUntil([&] { return watch.m_bPainted; });
    times.m_dPainted = MsSince(start);
    times.m_nReadyAtPaint = page.ReadyPictures();
    RunUntil([&] { return page.ReadyPictures() > 0; });
    times.m_dFirstPicture = MsSince(start);
    RunUntil([&] { return page.ReadyPictures() >= kPhotos + 1; });
    times.m_dAllPictures = MsSince(start);
    times.m_bComplete = AllPicturesShown(*page.Viewer()->document());
    return times;
}

void MeasureCore(const CDocument& doc, int nRuns)
{
    const CViewOptions options = ViewOptionsFrom(Settings);
    std::vector<double> ms;
    std::size_t nLength = 0;
    for (int nRun = 0; nRun < nRuns * 4; ++nRun) {
        const auto start = CClock::now();
        const std::vector<CMediaItem> media = CollectMedia(doc, CCitedKind::Person, 0);
        nLength += BuildPersonPageBody(doc, 0, options, media).size();
        ms.push_back(MsSince(start));
    }
    Report("core: CollectMedia + BuildPersonPageBody", ms);
    if (nLength == 0)
        std::printf("  the page is empty\n");
}

void MeasurePages(const CDocument& doc, int nRuns)
{
    std::vector<double> painted, firstPicture, allPictures;
    std::size_t nReadyAtPaint = 0;
    bool bComplete = true;
    // The first page of a run also loads fonts and styles: reported apart.
    for (int nRun = 0; nRun <= nRuns; ++nRun) {
        const CPageTimes times = TimePage(doc);
        bComplete = bComplete && times.m_bComplete;
        if (nRun == 0) {
            std::printf("first page of the run: text painted %.2f ms, all pictures %.2f ms\n",
                        times.m_dPainted, times.m_dAllPictures);
            continue;
        }
        painted.push_back(times.m_dPainted);
        firstPicture.push_back(times.m_dFirstPicture);
        allPictures.push_back(times.m_dAllPictures);
        nReadyAtPaint += times.m_nReadyAtPaint;
    }
    Report("page: text laid out and painted (target < 50 ms)", painted);
    Report("page: first picture in", firstPicture);
    Report("page: all 21 pictures in", allPictures);
    std::printf("  pictures ready at the first paint, over all runs: %zu\n", nReadyAtPaint);
    if (!bComplete)
        std::printf("  NOT every picture came at its size: a photo was not read\n");
}

void MeasureFolderSearch(const QDir& folder, int nRuns)
{
    const std::wstring strFolder = FromQString(folder.filePath(QStringLiteral("tree")) + QLatin1Char('/'));
    std::vector<double> first, next;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        CDocument doc;
        doc.SetFolder(strFolder);
        auto start = CClock::now();
        bool bFound = FindMediaFile(doc, L"C:\\Photos\\missing.jpg").m_found != CMediaFound::Missing;
        first.push_back(MsSince(start));
        for (int nName = 0; nName < 20; ++nName) {
            const std::wstring strName = L"D:\\Old\\scan" + std::to_wstring(nName) + L".jpg";
            start = CClock::now();
            bFound = bFound || FindMediaFile(doc, strName).m_found != CMediaFound::Missing;
            next.push_back(MsSince(start));
        }
        if (bFound)
            std::printf("  a missing file was found\n");
    }
    Report("FindMediaFile, missing, first (lists 5,000 files)", first);
    Report("FindMediaFile, missing, next ones", next);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetLanguage(L"En");
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    const auto writing = CClock::now();
    if (!temporary.isValid() || !WriteFamily(folder) || !WriteFolderTree(folder)) {
        std::fprintf(stderr, "cannot write the photos or the folder tree\n");
        return 1;
    }
    qint64 nPhotoBytes = 0;
    for (int nPhoto = 0; nPhoto < kPhotos; ++nPhoto)
        nPhotoBytes += QFileInfo(folder.filePath(PhotoName(nPhoto))).size();
    std::printf("%d photos of 3000x2000, %.1f MB in all, written in %.1f s\n", kPhotos,
                static_cast<double>(nPhotoBytes) / 1e6, SecondsSince(writing));
    const CReadResult read = ReadGedcomFile(FromQString(folder.filePath(QStringLiteral("family.ged"))));
    if (!read.m_bRead || read.m_pDocument->GetLastPersonIndex() != 0) {
        std::fprintf(stderr, "cannot read the family file\n");
        return 1;
    }
    MeasureCore(*read.m_pDocument, nRuns);
    MeasurePages(*read.m_pDocument, nRuns);
    MeasureFolderSearch(folder, nRuns);
    return 0;
}
