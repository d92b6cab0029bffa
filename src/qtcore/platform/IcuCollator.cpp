#include "qtcore/platform/IcuCollator.h"

#include <unicode/ucol.h>

#include <vector>

CIcuCollator::CIcuCollator(const char* pszLocale)
{
    UErrorCode status = U_ZERO_ERROR;
    m_pCollator = ucol_open(pszLocale, &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        m_pCollator = ucol_open("", &status);
    }
    // Secondary strength: accents count, case does not.
    if (m_pCollator)
        ucol_setStrength(m_pCollator, UCOL_SECONDARY);
}

CIcuCollator::~CIcuCollator()
{
    if (m_pCollator)
        ucol_close(m_pCollator);
}

void CIcuCollator::AppendSortKey(std::wstring_view text, std::string& key) const
{
    thread_local std::vector<UChar> units;
    thread_local std::vector<uint8_t> bytes(256);
    units.clear();
    for (const wchar_t unit : text) {
        const auto c = static_cast<char32_t>(unit);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            units.push_back(static_cast<UChar>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<UChar>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<UChar>(c > 0x10FFFF ? 0xFFFD : c));
        }
    }
    if (!m_pCollator) {
        for (const UChar unit : units) {
            key.push_back(static_cast<char>(unit >> 8));
            key.push_back(static_cast<char>(unit & 0xFF));
        }
        return;
    }
    const auto nUnits = static_cast<int32_t>(units.size());
    int32_t nLength = ucol_getSortKey(m_pCollator, units.data(), nUnits, bytes.data(), static_cast<int32_t>(bytes.size()));
    if (nLength > static_cast<int32_t>(bytes.size())) {
        bytes.resize(static_cast<std::size_t>(nLength));
        nLength = ucol_getSortKey(m_pCollator, units.data(), nUnits, bytes.data(), nLength);
    }
    // The closing zero is left out: keys are compared as whole byte strings.
    if (nLength > 0)
        key.append(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(nLength - 1));
}
