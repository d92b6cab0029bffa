// libFuzzer target: every input is read as a GEDCOM file and every view of its
// first persons is opened. A tree count beyond its step budget is a finding.
#include "core/options/Language.h"
#include "FuzzSupport.h"
#include "ViewPipeline.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (!KeptToTheStepBudget(RunViewPipeline(ReadGedcom(std::string_view(reinterpret_cast<const char*>(pData), nSize)))))
        std::abort();
    return 0;
}
