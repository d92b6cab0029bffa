// Times ReadGedcomFile on a file (made by bench_WriteGedcom) with no progress
// sink and with one that only counts its calls, in turns, the best of each:
// bench_ReadProgress PATH [ROUNDS]. Processor time is given beside the wall
// clock's, as it suffers less from other work on the machine.
#include "BenchSupport.h"

#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "core/platform/Progress.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

class CCountingSink : public CProgressSink {
public:
    void Show(int, int) override { ++m_nShown; }
    void Hide() override { ++m_nHidden; }

    int m_nShown = 0;
    int m_nHidden = 0;
};

struct CTimes {
    double m_dWall = 1e9;
    double m_dProcessor = 1e9;
};

CTimes ReadSeconds(const std::string& strPath, CProgressSink* pSink)
{
    SetProgressSink(pSink);
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processorStart = std::clock();
    // Kept until the times are taken, so that freeing the document is not timed.
    const CReadResult read = ReadGedcomFile(std::wstring(strPath.begin(), strPath.end()));
    const CTimes times{SecondsSince(start), static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC};
    SetProgressSink(nullptr);
    return times;
}

void KeepBest(CTimes& best, const CTimes& times)
{
    best.m_dWall = std::min(best.m_dWall, times.m_dWall);
    best.m_dProcessor = std::min(best.m_dProcessor, times.m_dProcessor);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s PATH [ROUNDS]\n", argv[0]);
        return 2;
    }
    const std::string strPath = argv[1];
    const int nRounds = argc == 3 ? std::max(1, std::atoi(argv[2])) : 3;
    SetLanguage(L"En");
    ReadSeconds(strPath, nullptr); // brings the file into the page cache

    CTimes without;
    CTimes with;
    CCountingSink sink;
    for (int i = 0; i < nRounds; ++i) {
        const CTimes plain = ReadSeconds(strPath, nullptr);
        const CTimes shown = ReadSeconds(strPath, &sink);
        std::printf("round %d: no sink %.3f s (processor %.3f s), counting sink %.3f s (processor %.3f s)\n", i + 1,
                    plain.m_dWall, plain.m_dProcessor, shown.m_dWall, shown.m_dProcessor);
        KeepBest(without, plain);
        KeepBest(with, shown);
    }
    std::printf("best without a sink: %.3f s, processor %.3f s\n", without.m_dWall, without.m_dProcessor);
    std::printf("best with a sink:    %.3f s, processor %.3f s (%d shows, %d hides over %d readings)\n", with.m_dWall,
                with.m_dProcessor, sink.m_nShown, sink.m_nHidden, nRounds);
    std::printf("cost of the progress: %+.2f %% wall, %+.2f %% processor\n",
                (with.m_dWall - without.m_dWall) / without.m_dWall * 100,
                (with.m_dProcessor - without.m_dProcessor) / without.m_dProcessor * 100);
    return 0;
}
