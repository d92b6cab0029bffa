// Times ReadGedcomFile on a file (made by bench_WriteGedcom) with no progress
// sink and with one that only counts its calls, in turns, the best of each:
// bench_ReadProgress PATH [ROUNDS]
#include "BenchSupport.h"

#include "model/GedcomReader.h"
#include "model/Tables.h"
#include "options/Language.h"
#include "platform/Progress.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class CCountingSink : public CProgressSink {
public:
    void Show(const std::wstring&, int) override { ++m_nShown; }
    void Hide() override { ++m_nHidden; }

    int m_nShown = 0;
    int m_nHidden = 0;
};

double ReadSeconds(const std::string& strPath, CProgressSink* pSink)
{
    SetProgressSink(pSink);
    const auto start = std::chrono::steady_clock::now();
    ReadGedcomFile(std::wstring(strPath.begin(), strPath.end()));
    const double seconds = SecondsSince(start);
    SetProgressSink(nullptr);
    ClearTables();
    return seconds;
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

    double without = 1e9;
    double with = 1e9;
    CCountingSink sink;
    for (int i = 0; i < nRounds; ++i) {
        const double plain = ReadSeconds(strPath, nullptr);
        const double shown = ReadSeconds(strPath, &sink);
        std::printf("round %d: no sink %.3f s, counting sink %.3f s\n", i + 1, plain, shown);
        without = std::min(without, plain);
        with = std::min(with, shown);
    }
    std::printf("best without a sink: %.3f s\n", without);
    std::printf("best with a sink:    %.3f s (%d shows, %d hides over %d readings)\n", with, sink.m_nShown,
                sink.m_nHidden, nRounds);
    std::printf("cost of the progress: %+.2f %%\n", (with - without) / without * 100);
    return 0;
}
