// libFuzzer target: every input is read as a GEDCOM file and every view of its
// first persons is opened. A tree count beyond its step budget is a finding.
#include "core/options/Language.h"
#include "FileBytes.h"
#include "ViewPipeline.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path thePath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    thePath = std::filesystem::temp_directory_path() /
              ("stemmark-fuzz-pipeline-" + std::to_string(::getpid()) + ".ged");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (!WriteFileBytes(thePath, std::string(reinterpret_cast<const char*>(pData), nSize)))
        return 0;
    if (!KeptToTheStepBudget(RunViewPipeline(thePath.wstring())))
        std::abort();
    return 0;
}
