#include "platform/Collator.h"

#include "text/WideText.h"

#include <cstdint>

namespace {

// Each lower-cased code in the variable width of UTF-8, whose bytes compare as
// the codes do, so most names keep one byte a character. Codes beyond the
// four-byte form (no character has one) share its largest value.
class CDefaultCollator : public CCollator {
public:
    void AppendSortKey(std::wstring_view text, std::string& key) const override
    {
        for (const wchar_t c : text) {
            std::uint32_t code = static_cast<std::uint32_t>(LowerCaseOf(c));
            if (code > 0x1FFFFF)
                code = 0x1FFFFF;
            if (code < 0x80) {
                key += static_cast<char>(code);
            } else if (code < 0x800) {
                key += static_cast<char>(0xC0 | (code >> 6));
                key += static_cast<char>(0x80 | (code & 0x3F));
            } else if (code < 0x10000) {
                key += static_cast<char>(0xE0 | (code >> 12));
                key += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                key += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                key += static_cast<char>(0xF0 | (code >> 18));
                key += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
                key += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                key += static_cast<char>(0x80 | (code & 0x3F));
            }
        }
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
