#include "core/text/Utf16.h"

#include "core/text/WideText.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHigh(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLow(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

void CUtf16ToUtf8::PutUnit(char16_t unit, std::string& out)
{
    if (m_highSurrogate != 0) {
        const char16_t high = m_highSurrogate;
        m_highSurrogate = 0;
        if (IsLow(unit)) {
            AppendUtf8(0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00), out);
            return;
        }
        AppendUtf8(kReplacement, out);
    }
    if (IsHigh(unit))
        m_highSurrogate = unit;
    else
        AppendUtf8(IsLow(unit) ? kReplacement : unit, out);
}

void CUtf16ToUtf8::Convert(std::string_view bytes, std::string& out)
{
    std::size_t pos = 0;
    if (m_nOddByte >= 0 && !bytes.empty()) {
        const auto first = static_cast<unsigned char>(m_nOddByte);
        const auto second = static_cast<unsigned char>(bytes[0]);
        m_nOddByte = -1;
        PutUnit(static_cast<char16_t>(m_bBigEndian ? first << 8 | second : second << 8 | first), out);
        pos = 1;
    }
    for (; pos + 1 < bytes.size(); pos += 2) {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        PutUnit(static_cast<char16_t>(m_bBigEndian ? first << 8 | second : second << 8 | first), out);
    }
    if (pos < bytes.size())
        m_nOddByte = static_cast<unsigned char>(bytes[pos]);
}

void CUtf16ToUtf8::Finish(std::string& out)
{
    if (m_highSurrogate != 0)
        AppendUtf8(kReplacement, out);
    if (m_nOddByte >= 0)
        AppendUtf8(kReplacement, out);
    m_highSurrogate = 0;
    m_nOddByte = -1;
}
