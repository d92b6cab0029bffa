#include "core/platform/Collator.h"

#include "core/text/WideText.h"

#include <cstdint>

namespace {

// Each lower-cased code in the variable width of UTF-8, whose bytes compare as
// the codes do, so most names keep one byte a character. Codes beyond the
// four-byte form (no character has one) share its largest value.
class CDefaultCollator : public CCollator {
public:
    void AppendSortKey(std::wstring_view text, std::string& key) const override
    {
        // Through a small buffer: a million keys are built at a time, and
        // appending byte by byte costs as much as the rest.
        char buffer[256];
        std::size_t n = 0;
        for (const wchar_t c : text) {
            if (n > sizeof buffer - 4) {
                key.append(buffer, n);
                n = 0;
            }
            std::uint32_t code = static_cast<std::uint32_t>(LowerCaseOf(c));
            if (code > 0x1FFFFF)
                code = 0x1FFFFF;
            if (code < 0x80) {
                buffer[n++] = static_cast<char>(code);
            } else if (code < 0x800) {
                buffer[n++] = static_cast<char>(0xC0 | (code >> 6));
                buffer[n++] = static_cast<char>(0x80 | (code & 0x3F));
            } else if (code < 0x10000) {
                buffer[n++] = static_cast<char>(0xE0 | (code >> 12));
                buffer[n++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                buffer[n++] = static_cast<char>(0x80 | (code & 0x3F));
            } else {
                buffer[n++] = static_cast<char>(0xF0 | (code >> 18));
                buffer[n++] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
                buffer[n++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                buffer[n++] = static_cast<char>(0x80 | (code & 0x3F));
            }
        }
        key.append(buffer, n);
    }
};

const CDefaultCollator theDefaultCollator;
CCollator* theCollator = nullptr;

} // namespace

CCollator* SetCollator(CCollator* pCollator)
{
    CCollator* pPrevious = theCollator;
    theCollator = pCollator;
    return pPrevious;
}

const CCollator& GetCollator()
{
    return theCollator ? *theCollator : static_cast<const CCollator&>(theDefaultCollator);
}
