#pragma once

#include <string>
#include <string_view>

/// Decodes one line of ANSEL, the 8-bit character set of older GEDCOM files.
/// A combining mark comes before the letter it marks there; here it follows
/// it, and a letter and mark that Unicode composes become one character, so
/// that names compare and display as if typed directly. Undefined bytes
/// become U+FFFD.
void DecodeAnsel(std::string_view bytes, std::wstring& out);
