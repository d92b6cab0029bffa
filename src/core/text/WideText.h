#pragma once

#include <string>
#include <string_view>

// The few text helpers the core needs, in one place. Core text is std::wstring,
// one unit per character.

/// Decodes strict UTF-8; false (and `out` unspecified) on any invalid sequence.
bool DecodeUtf8(std::string_view bytes, std::wstring& out);

/// Decodes UTF-8, putting U+FFFD in place of each invalid sequence.
std::wstring Utf8ToWide(std::string_view bytes);

/// Encodes as UTF-8; a unit that is no Unicode scalar value becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);

/// Appends one character as UTF-8; no Unicode scalar value becomes U+FFFD.
void AppendUtf8(char32_t c, std::string& out);

/// The position of the first non-blank at or after `from`, or text.size().
std::size_t SkipBlanks(std::wstring_view text, std::size_t from = 0);

/// A leading decimal number, as C's wcstol reads it but without overflow:
/// blanks, an optional sign, digits. `digits` (if given) receives how many digits
/// were read; no digits gives 0.
long long LeadingNumber(std::wstring_view text, std::size_t* digits = nullptr);

/// True when every byte is below 0x80, so the text reads the same in any
/// of the file encodings but UTF-16.
bool IsAscii(std::string_view bytes);

/// Widens ASCII bytes one to one into `out`, reusing its storage.
void WidenAscii(std::string_view bytes, std::wstring& out);

/// The text without blanks, tabs, CR and LF at either end.
std::wstring_view TrimWhite(std::wstring_view text);

/// Collapses every run of blanks to one blank, in place.
void CollapseBlanks(std::wstring& text);
