// libFuzzer target: the input read as a GEDCOM file twice. ReadGedcom
// hands a continued value to the parser once; what it stores must be what
// handing it over after every continuation line stores, however levels,
// tags, places and resets mix.
#include "core/model/GedcomReader.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/text/WideText.h"
#include "FuzzSupport.h"
#include "ModelDump.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// A continued FAMS or CHIL line makes a link at each delivery, so there the
// two readings differ on purpose; the links are left out of the comparison.
std::wstring DumpWithoutLinks(const CDocument& doc)
{
    const std::wstring strDump = DumpDocument(doc);
    std::wstring strKept;
    for (std::size_t nStart = 0; nStart < strDump.size();) {
        const std::size_t nEnd = std::min(strDump.find(L'\n', nStart), strDump.size()) + 1;
        const std::wstring_view line = std::wstring_view(strDump).substr(nStart, nEnd - nStart);
        if (!line.starts_with(L" fams ") && !line.starts_with(L" chil "))
            strKept += line;
        nStart = nEnd;
    }
    return strKept;
}

// The model as a reading leaves it, and whether it read to the end.
std::wstring Read(std::string_view text, bool bLineByLine)
{
    const CReadResult result = bLineByLine ? ReadGedcomLineByLine(text) : ReadGedcom(text);
    return (result.m_bRead ? L"read\n" : L"stopped\n") + DumpWithoutLinks(*result.m_pDocument);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    const std::wstring strExpected = Read(text, true);
    const std::wstring strModel = Read(text, false);
    if (strModel == strExpected)
        return 0;
    // Shown from the line where they part.
    const auto nSame = static_cast<std::size_t>(
        std::mismatch(strModel.begin(), strModel.end(), strExpected.begin(), strExpected.end()).first -
        strModel.begin());
    const std::size_t nLineEnd = nSame == 0 ? std::wstring::npos : strModel.rfind(L'\n', nSame - 1);
    const std::size_t nFrom = nLineEnd == std::wstring::npos ? 0 : nLineEnd + 1;
    FailDifference("ReadGedcom's model", text, WideToUtf8(strModel.substr(nFrom)),
                   WideToUtf8(strExpected.substr(nFrom)));
}
