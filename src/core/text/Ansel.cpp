#include "core/text/Ansel.h"

#include "core/text/CompositionTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr char32_t kUndefined = 0xFFFD;
constexpr unsigned kFirstMark = 0xE0;

// Bytes 0xA0 to 0xFF; from 0xE0 on they are combining marks.
constexpr std::array<char32_t, 96> theUpperHalf = {
    kUndefined, 0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9, // A0
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, kUndefined,  // A8
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,     // B0
    0x0131, 0x00A3, 0x00F0, kUndefined, 0x01A1, 0x01B0, 0x25A1, 0x25A0, // B8
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF,     // C0
    0x20AC, kUndefined, kUndefined, kUndefined, kUndefined, 0x0065, 0x006F, 0x00DF, // C8
    kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, // D0
    kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, kUndefined, // D8
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,     // E0
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,     // E8
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,     // F0
    0x031C, 0x032E, 0xFE22, 0xFE23, kUndefined, kUndefined, 0x0313, kUndefined, // F8
};

char32_t Compose(char32_t base, char32_t mark)
{
    const auto* pEnd = std::end(theCompositions);
    const auto* pFound = std::lower_bound(std::begin(theCompositions), pEnd, CComposition{base, mark, 0},
                                          [](const CComposition& a, const CComposition& b) {
                                              return a.m_base != b.m_base ? a.m_base < b.m_base : a.m_mark < b.m_mark;
                                          });
    return pFound != pEnd && pFound->m_base == base && pFound->m_mark == mark ? pFound->m_composed : 0;
}

// The marks compose into the letter one by one while Unicode has a letter for
// the result; the first that does not compose and all after it follow as
// combining marks.
void AppendMarked(char32_t letter, std::u32string_view marks, std::wstring& out)
{
    std::size_t used = 0;
    for (; used < marks.size(); ++used) {
        const char32_t composed = Compose(letter, marks[used]);
        if (composed == 0)
            break;
        letter = composed;
    }
    out.push_back(static_cast<wchar_t>(letter));
    for (; used < marks.size(); ++used)
        out.push_back(static_cast<wchar_t>(marks[used]));
}

} // namespace

void DecodeAnsel(std::string_view bytes, std::wstring& out)
{
    out.clear();
    out.reserve(bytes.size());
    std::u32string marks;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        const char32_t c = code < 0x80 ? code : code < 0xA0 ? kUndefined : theUpperHalf[code - 0xA0];
        if (code >= kFirstMark && c != kUndefined) {
            marks.push_back(c);
            continue;
        }
        AppendMarked(c, marks, out);
        marks.clear();
    }
    for (const char32_t mark : marks)
        out.push_back(static_cast<wchar_t>(mark));
}
