#pragma once

#include "core/model/IdIndex.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The NOTE records of the file (SNOTE records in GEDCOM 7) in file order, each
/// found by its id for its text. A file may hold one for every person, so a
/// record is a single string: its id, then its text.
class CNoteRecordTable {
public:
    void Append(std::wstring_view id, std::wstring_view text);
    int GetCount() const { return static_cast<int>(m_records.size()); }

    /// The text of the first record with the id; nothing when no record has it.
    std::optional<std::wstring_view> FindText(std::wstring_view id) const;

private:
    struct CRecord {
        std::wstring m_strIdAndText;
        std::size_t m_nIdLength = 0;
    };

    std::wstring_view IdOf(std::size_t nRecord) const;

    std::vector<CRecord> m_records;
    CIdIndex m_index;
};
