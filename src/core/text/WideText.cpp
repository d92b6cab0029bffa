#include "core/text/WideText.h"

#include <cstdint>
#include <limits>

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// Reads one UTF-8 sequence at bytes[pos]; returns its length, or 0 when it is
// not a valid, shortest-form sequence of a scalar value.
std::size_t ReadUtf8(std::string_view bytes, std::size_t pos, char32_t& c)
{
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - pos < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    return c >= min && IsScalarValue(c) ? length : 0;
}

} // namespace

bool DecodeUtf8(std::string_view bytes, std::wstring& out)
{
    out.clear();
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = ReadUtf8(bytes, pos, c);
        if (length == 0)
            return false;
        out.push_back(static_cast<wchar_t>(c));
        pos += length;
    }
    return true;
}

bool IsUtf8(std::string_view bytes)
{
    char32_t c = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = ReadUtf8(bytes, pos, c);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::wstring Utf8ToWide(std::string_view bytes)
{
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = ReadUtf8(bytes, pos, c);
        out.push_back(length == 0 ? kReplacement : static_cast<wchar_t>(c));
        pos += length == 0 ? 1 : length;
    }
    return out;
}

void AppendUtf8(char32_t c, std::string& out)
{
    AppendUtf8Form(IsScalarValue(c) ? c : kReplacement, out);
}

void AppendUtf8Form(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string WideToUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const wchar_t unit : text)
        AppendUtf8(static_cast<char32_t>(unit), out);
    return out;
}

std::size_t SkipBlanks(std::wstring_view text, std::size_t from)
{
    while (from < text.size() && (text[from] == L' ' || text[from] == L'\t'))
        ++from;
    return from;
}

long long LeadingNumber(std::wstring_view text, std::size_t* digits)
{
    std::size_t pos = SkipBlanks(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    std::size_t count = 0;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos, ++count) {
        const int digit = text[pos] - L'0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    if (digits)
        *digits = count;
    return negative ? -value : value;
}

std::wstring_view TrimLeftBlanks(std::wstring_view text)
{
    return text.substr(SkipBlanks(text));
}

std::wstring_view TrimRightBlanks(std::wstring_view text)
{
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == L' ' || text[end - 1] == L'\t'))
        --end;
    return text.substr(0, end);
}

std::size_t ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to)
{
    if (from.empty())
        return 0;
    std::size_t count = 0;
    for (std::size_t pos = text.find(from); pos != std::wstring::npos; pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

namespace {

bool IsCombiningMark(wchar_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

} // namespace

std::wstring_view FirstLetter(std::wstring_view text)
{
    if (text.empty())
        return text;
    std::size_t end = 1;
    while (end < text.size() && IsCombiningMark(text[end]))
        ++end;
    return text.substr(0, end);
}

void AppendDecimal(std::wstring& text, long long value)
{
    wchar_t digits[20];
    std::size_t count = 0;
    // Digits are taken from the value as it is, so the most negative one needs no negation.
    const bool bNegative = value < 0;
    do {
        const long long digit = value % 10;
        digits[count++] = static_cast<wchar_t>(L'0' + (digit < 0 ? -digit : digit));
        value /= 10;
    } while (value != 0);
    if (bNegative)
        text += L'-';
    while (count > 0)
        text += digits[--count];
}

bool IsAscii(std::string_view bytes)
{
    // Eight bytes at a time and no early exit: most lines are short and ASCII.
    std::uint64_t any = 0;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        const std::uint64_t word = WordAt(bytes.data() + i);
        any |= word;
    }
    for (; i < bytes.size(); ++i)
        any |= static_cast<unsigned char>(bytes[i]);
    return (any & 0x8080808080808080ULL) == 0;
}

void WidenAscii(std::string_view bytes, std::wstring& out)
{
    out.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]));
}

std::wstring_view TrimWhite(std::wstring_view text)
{
    const auto isWhite = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isWhite(text[begin]))
        ++begin;
    while (end > begin && isWhite(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

wchar_t LowerCaseBeyondAscii(wchar_t c)
{
    const auto code = static_cast<std::uint32_t>(c);
    const auto shifted = [c](int delta) { return static_cast<wchar_t>(c + delta); };
    // Blocks where upper and lower case alternate, the upper case first.
    const auto pairedEven = [code, c]() { return code % 2 == 0 ? static_cast<wchar_t>(c + 1) : c; };
    const auto pairedOdd = [code, c]() { return code % 2 == 1 ? static_cast<wchar_t>(c + 1) : c; };
    if (code < 0x100)
        return code >= 0xC0 && code <= 0xDE && code != 0xD7 ? shifted(32) : c;
    if (code < 0x180) {
        if (code == 0x130)
            return L'i';
        if (code == 0x178)
            return L'\u00FF';
        if (code < 0x138 || (code >= 0x14A && code < 0x178))
            return pairedEven();
        if ((code >= 0x139 && code < 0x149) || (code >= 0x179 && code < 0x17F))
            return pairedOdd();
        return c;
    }
    if (code >= 0x386 && code < 0x3B0) {
        if (code >= 0x391 && code <= 0x3AB && code != 0x3A2)
            return shifted(32);
        if (code == 0x386)
            return L'\u03AC';
        if (code >= 0x388 && code <= 0x38A)
            return shifted(37);
        if (code == 0x38C)
            return L'\u03CC';
        if (code == 0x38E || code == 0x38F)
            return shifted(63);
        return c;
    }
    if (code >= 0x400 && code < 0x530) {
        if (code < 0x410)
            return shifted(80);
        if (code < 0x430)
            return shifted(32);
        if ((code >= 0x460 && code < 0x482) || (code >= 0x48A && code < 0x4C0) || code >= 0x4D0)
            return pairedEven();
        if (code == 0x4C0)
            return L'\u04CF';
        if (code >= 0x4C1 && code < 0x4CF)
            return pairedOdd();
    }
    return c;
}

void MakeLowerCase(std::wstring& text)
{
    for (wchar_t& c : text)
        c = LowerCaseOf(c);
}

std::wstring FormatZeroPadded(long long value, int nWidth)
{
    std::wstring strText;
    AppendDecimal(strText, value);
    if (static_cast<int>(strText.size()) < nWidth)
        strText.insert(value < 0 ? 1 : 0, static_cast<std::size_t>(nWidth) - strText.size(), L'0');
    return strText;
}

std::wstring FillIn(std::wstring_view pattern, const std::vector<std::wstring>& astrValues)
{
    std::wstring strResult;
    strResult.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t nIndex = i + 1 < pattern.size() && pattern[i] == L'%' && pattern[i + 1] >= L'1' &&
                                           pattern[i + 1] <= L'9'
                                       ? static_cast<std::size_t>(pattern[i + 1] - L'1')
                                       : astrValues.size();
        if (nIndex < astrValues.size()) {
            strResult += astrValues[nIndex];
            ++i;
        } else {
            strResult += pattern[i];
        }
    }
    return strResult;
}

std::wstring EscapeHtml(std::wstring_view text)
{
    std::wstring strOut;
    strOut.reserve(text.size());
    for (const wchar_t c : text) {
        switch (c) {
        case L'&': strOut += L"&amp;"; break;
        case L'<': strOut += L"&lt;"; break;
        case L'>': strOut += L"&gt;"; break;
        case L'"': strOut += L"&quot;"; break;
        default: strOut += c;
        }
    }
    return strOut;
}
