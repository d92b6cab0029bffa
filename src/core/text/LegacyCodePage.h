#pragma once

#include <array>
#include <string>
#include <string_view>

/// The Windows code page that a locale ("ru_RU.UTF-8", "pl_PL", "C") would use
/// for 8-bit text, as an iconv name: "WINDOWS-1251" and so on, else
/// "WINDOWS-1252".
std::string LegacyCodePageOfLocale(std::string_view locale);

/// The code page of the user's locale, from LC_ALL, else LC_CTYPE, else LANG.
std::string UserLegacyCodePage();

/// Decodes 8-bit text in one code page.
class CLegacyDecoder {
public:
    /// A code page iconv does not know reads as ISO-8859-1.
    explicit CLegacyDecoder(const std::string& strCodePage);

    /// Bytes the code page leaves undefined become U+FFFD.
    void Decode(std::string_view bytes, std::wstring& out) const;

private:
    std::array<wchar_t, 256> m_table{};
};

/// The decoder of the user's code page, made once: iconv loads its tables
/// from disk, too slowly to do for every file.
const CLegacyDecoder& UserLegacyDecoder();
