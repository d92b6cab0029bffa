#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// The few text helpers the core needs, in one place. Core text is std::wstring,
// one unit per character.

/// Decodes strict UTF-8; false (and `out` unspecified) on any invalid sequence.
bool DecodeUtf8(std::string_view bytes, std::wstring& out);

/// Whether the bytes are strict UTF-8, as DecodeUtf8 accepts them.
bool IsUtf8(std::string_view bytes);

/// Decodes UTF-8, putting U+FFFD in place of each invalid sequence.
std::wstring Utf8ToWide(std::string_view bytes);

/// Encodes as UTF-8; a unit that is no Unicode scalar value becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);

/// Appends one character as UTF-8; no Unicode scalar value becomes U+FFFD.
void AppendUtf8(char32_t c, std::string& out);
/// The same for any unit below 0x200000, surrogates included, unchecked.
void AppendUtf8Form(char32_t c, std::string& out);

/// The position of the first non-blank at or after `from`, or text.size().
std::size_t SkipBlanks(std::wstring_view text, std::size_t from = 0);

/// A leading decimal number, as C's wcstol reads it but without overflow:
/// blanks, an optional sign, digits. `digits` (if given) receives how many digits
/// were read; no digits gives 0.
long long LeadingNumber(std::wstring_view text, std::size_t* digits = nullptr);

/// Blanks and tabs removed at the start or at the end; a view into `text`.
std::wstring_view TrimLeftBlanks(std::wstring_view text);
std::wstring_view TrimRightBlanks(std::wstring_view text);
inline std::wstring_view TrimBlanks(std::wstring_view text)
{
    return TrimLeftBlanks(TrimRightBlanks(text));
}

/// Replaces every occurrence of `from`, left to right, resuming after each
/// replacement; returns how many were replaced.
std::size_t ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to);

/// The upper case of an ASCII letter; every other character unchanged, so no
/// letter of another script turns into an ASCII one.
inline wchar_t AsciiUpper(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

wchar_t LowerCaseBeyondAscii(wchar_t c);

/// The simple lower case of a letter of Basic Latin, Latin-1, Latin
/// Extended-A, Greek or Cyrillic; any other character unchanged. Fixed tables,
/// not the C locale, so the same text matches and sorts alike everywhere.
/// ASCII is done inline: a list lower-cases a million mostly ASCII names.
inline wchar_t LowerCaseOf(wchar_t c)
{
    if (c >= 0 && c < 0x80)
        return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    return LowerCaseBeyondAscii(c);
}

/// Lower-cases `text` in place by LowerCaseOf.
void MakeLowerCase(std::wstring& text);

inline bool IsAsciiDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

/// Appends the number in decimal, with a "-" when it is negative.
void AppendDecimal(std::wstring& text, long long value);

/// The first letter of `text` with the combining marks that follow it, so
/// that a decomposed É stays whole; empty for an empty text.
std::wstring_view FirstLetter(std::wstring_view text);

/// True when every byte is below 0x80, so the text reads the same in any
/// of the file encodings but UTF-16.
bool IsAscii(std::string_view bytes);

/// The eight bytes at `p` as one number, the first in the lowest byte on the
/// processors the eight-byte tests run on.
inline std::uint64_t WordAt(const char* p)
{
    std::uint64_t word = 0;
    std::memcpy(&word, p, 8);
    return word;
}

/// The high bit of each byte of `word` that is `c`, and no other bit: eight
/// bytes of a line tested at once.
inline std::uint64_t BytesEqualTo(std::uint64_t word, unsigned char c)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    const std::uint64_t x = word ^ (kOnes * c);
    return ~(((x & ~kHigh) + ~kHigh) | x) & kHigh;
}

/// Widens ASCII bytes one to one into `out`, reusing its storage.
void WidenAscii(std::string_view bytes, std::wstring& out);

/// The text without blanks, tabs, CR and LF at either end.
std::wstring_view TrimWhite(std::wstring_view text);

/// The decimal text of the value, padded on the left with zeros to at least
/// `nWidth` characters, as printf's "%0*d" does.
std::wstring FormatZeroPadded(long long value, int nWidth);

/// The pattern with %1, %2, ... replaced by the values in order; a number
/// without a value stays as written.
std::wstring FillIn(std::wstring_view pattern, const std::vector<std::wstring>& astrValues);

/// Text that an HTML page shows as it is: <, >, & and " as entities.
std::wstring EscapeHtml(std::wstring_view text);
