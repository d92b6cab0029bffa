#pragma once

#include "core/platform/Collator.h"

#include <memory>

struct UCollator;

/// Orders texts by the rules of the user's locale, ignoring case: Cyrillic and
/// accented names sort as a reader of the language expects.
class CIcuCollator : public CCollator {
public:
    /// `pszLocale` as ICU names it ("en_US", "ru_RU"); empty for the root order.
    explicit CIcuCollator(const char* pszLocale);
    ~CIcuCollator() override;
    CIcuCollator(const CIcuCollator&) = delete;
    CIcuCollator& operator=(const CIcuCollator&) = delete;

    void AppendSortKey(std::wstring_view text, std::string& key) const override;

private:
    UCollator* m_pCollator = nullptr;
};
