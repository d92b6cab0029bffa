// libFuzzer target: every input is read as a GEDCOM file.
#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string thePath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    thePath = "/tmp/stemmark-fuzz-" + std::to_string(::getpid()) + ".ged";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::FILE* pFile = std::fopen(thePath.c_str(), "wb");
    if (!pFile)
        return 0;
    std::fwrite(pData, 1, nSize, pFile);
    std::fclose(pFile);
    ReadGedcomFile(std::wstring(thePath.begin(), thePath.end())); // its document freed with it
    return 0;
}
