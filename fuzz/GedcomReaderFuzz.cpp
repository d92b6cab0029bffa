// libFuzzer target: every input is read as a GEDCOM file.
#include "core/model/Document.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "FuzzSupport.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    ReadGedcom(std::string_view(reinterpret_cast<const char*>(pData), nSize)); // its document freed with it
    return 0;
}
