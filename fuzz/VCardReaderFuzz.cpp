// libFuzzer target: every input is read as a vCard address book and the
// contacts it gives are compared with an empty genealogy file.
#include "core/contacts/ContactsComparison.h"
#include "core/contacts/VCard.h"
#include "core/model/Document.h"
#include "core/options/Language.h"

#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::vector<CContact> contacts;
    ReadVCardText(std::string_view(reinterpret_cast<const char*>(pData), nSize), contacts);
    CompareContacts(EmptyDocument(), contacts);
    return 0;
}
