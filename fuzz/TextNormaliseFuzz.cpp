// libFuzzer target: each line of the input, as the reader normalises it and
// as a place is normalised. The reader's quick way (the line itself when it
// has nothing to change, found eight bytes at a time) must give what the
// plain NormaliseGedcomLine gives, and the model's eight-bit text what wide
// text gives, slashes, parentheses, commas and blanks across a word's edge
// among them.
#include "core/model/GedcomParser.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "FuzzSupport.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

void CheckLine(std::string_view line)
{
    static std::string theExpected;
    static std::string theScratch;
    for (const bool bPersonRecord : {false, true}) {
        NormaliseGedcomLine(line, theExpected, bPersonRecord);
        const std::string_view normal = NormalGedcomLine(line, theScratch, bPersonRecord);
        if (normal != theExpected)
            FailDifference("NormalGedcomLine", line, normal, theExpected);
    }
}

// Bytes above ASCII widen to characters of their own, as in the model's text
// they stand for characters that are neither a blank nor a comma.
void CheckPlace(std::string_view text)
{
    std::string place(text);
    std::wstring wide(place.begin(), place.end());
    NormalisePlace(place);
    NormalisePlace(wide);
    if (std::wstring(place.begin(), place.end()) != wide)
        FailDifference("NormalisePlace", text, place, std::string(wide.begin(), wide.end()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

// Neither a line nor a value holds a line end when it gets here.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    for (;;) {
        const std::size_t nEnd = text.find('\n');
        CheckLine(text.substr(0, nEnd));
        CheckPlace(text.substr(0, nEnd));
        if (nEnd == std::string_view::npos)
            return 0;
        text.remove_prefix(nEnd + 1);
    }
}
