#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Enough of an input to see the fault in; the whole of it is in the file
// that libFuzzer keeps.
constexpr std::size_t kShown = 2000;

std::string Printable(std::string_view bytes)
{
    std::string strText;
    for (const char c : bytes.substr(0, kShown)) {
        const auto n = static_cast<unsigned char>(c);
        if (c == '\\') {
            strText += "\\\\";
        } else if (n >= 0x20 && n < 0x7F) {
            strText += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", n);
            strText += escape;
        }
    }
    return bytes.size() > kShown ? strText + "... (" + std::to_string(bytes.size()) + " bytes)" : strText;
}

} // namespace

void FailDifference(const char* pszWhat, std::string_view input, std::string_view got, std::string_view expected)
{
    std::fprintf(stderr, "%s differs\n  input:    \"%s\"\n  got:      \"%s\"\n  expected: \"%s\"\n", pszWhat,
                 Printable(input).c_str(), Printable(got).c_str(), Printable(expected).c_str());
    std::abort();
}
