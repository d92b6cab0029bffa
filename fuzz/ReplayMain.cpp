// Stands in for libFuzzer in the normal build: runs a target once over each
// file named, and each file of each folder named, so that the test suite
// replays the seeds that reach the target's cases. A fault aborts.
#include "FileBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize);

namespace {

std::vector<std::filesystem::path> InputsOf(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            inputs.emplace_back(argv[i]);
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<std::filesystem::path> inputs = InputsOf(argc, argv);
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FOLDER|FILE...: no input found\n", argv[0]);
        return 1;
    }
    for (const std::filesystem::path& path : inputs) {
        std::printf("%s\n", path.c_str());
        std::fflush(stdout);
        const std::string bytes = ReadFileBytes(path);
        // A buffer of the input's size exactly, as libFuzzer gives, so that the
        // sanitizers see a read past its end.
        const auto pData = std::make_unique<std::uint8_t[]>(bytes.size());
        std::memcpy(pData.get(), bytes.data(), bytes.size());
        LLVMFuzzerTestOneInput(pData.get(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
