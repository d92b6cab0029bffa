#pragma once

#include <string>
#include <string_view>

/// Orders texts as a reader of the user's language expects: case-insensitive,
/// accents and other scripts in their places. A text's sort key compares byte
/// by byte as the texts should.
class CCollator {
public:
    virtual ~CCollator() = default;
    /// Appends the sort key of `text` to `key`.
    virtual void AppendSortKey(std::wstring_view text, std::string& key) const = 0;
};

/// Replaces the collator; nullptr restores the default, which orders by the
/// lower case of each character's code. Returns the collator that was in place.
CCollator* SetCollator(CCollator* pCollator);

const CCollator& GetCollator();
