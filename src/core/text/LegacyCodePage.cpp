#include "core/text/LegacyCodePage.h"

#include <cstdlib>
#include <iconv.h>

namespace {

struct CLanguageCodePage {
    const char* m_pszLanguage;
    const char* m_pszCodePage;
};

// The languages whose Windows code page is not 1252.
constexpr CLanguageCodePage theCodePages[] = {
    {"ru", "WINDOWS-1251"}, {"uk", "WINDOWS-1251"}, {"be", "WINDOWS-1251"}, {"bg", "WINDOWS-1251"},
    {"sr", "WINDOWS-1251"}, {"mk", "WINDOWS-1251"},
    {"cs", "WINDOWS-1250"}, {"pl", "WINDOWS-1250"}, {"hu", "WINDOWS-1250"}, {"sk", "WINDOWS-1250"},
    {"sl", "WINDOWS-1250"}, {"hr", "WINDOWS-1250"}, {"ro", "WINDOWS-1250"}, {"sq", "WINDOWS-1250"},
    {"bs", "WINDOWS-1250"},
    {"el", "WINDOWS-1253"}, {"tr", "WINDOWS-1254"}, {"az", "WINDOWS-1254"}, {"he", "WINDOWS-1255"},
    {"ar", "WINDOWS-1256"}, {"fa", "WINDOWS-1256"}, {"ur", "WINDOWS-1256"},
    {"et", "WINDOWS-1257"}, {"lv", "WINDOWS-1257"}, {"lt", "WINDOWS-1257"}, {"vi", "WINDOWS-1258"},
};

constexpr wchar_t kUndefined = 0xFFFD;

// One byte through iconv; kUndefined when the code page has no character for it.
wchar_t ConvertByte(iconv_t converter, unsigned char byte)
{
    char in = static_cast<char>(byte);
    wchar_t result = 0;
    char* pIn = &in;
    std::size_t inLeft = 1;
    char* pOut = reinterpret_cast<char*>(&result);
    std::size_t outLeft = sizeof result;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &pIn, &inLeft, &pOut, &outLeft) == static_cast<std::size_t>(-1) || outLeft != 0)
        return kUndefined;
    return result;
}

} // namespace

std::string LegacyCodePageOfLocale(std::string_view locale)
{
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    for (const CLanguageCodePage& entry : theCodePages) {
        if (language == entry.m_pszLanguage)
            return entry.m_pszCodePage;
    }
    return "WINDOWS-1252";
}

std::string UserLegacyCodePage()
{
    for (const char* pszName : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* pszValue = std::getenv(pszName);
        if (pszValue && pszValue[0])
            return LegacyCodePageOfLocale(pszValue);
    }
    return LegacyCodePageOfLocale("");
}

CLegacyDecoder::CLegacyDecoder(const std::string& strCodePage)
{
    for (unsigned byte = 0; byte < 256; ++byte)
        m_table[byte] = static_cast<wchar_t>(byte);
    iconv_t converter = iconv_open("WCHAR_T", strCodePage.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return;
    for (unsigned byte = 0x80; byte < 256; ++byte)
        m_table[byte] = ConvertByte(converter, static_cast<unsigned char>(byte));
    iconv_close(converter);
}

void CLegacyDecoder::Decode(std::string_view bytes, std::wstring& out) const
{
    out.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = m_table[static_cast<unsigned char>(bytes[i])];
}

const CLegacyDecoder& UserLegacyDecoder()
{
    static const CLegacyDecoder theDecoder(UserLegacyCodePage());
    return theDecoder;
}
