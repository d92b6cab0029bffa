#pragma once

#include "core/model/IdIndex.h"

#include <cassert>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// A table of owned records in file order, with their last index (-1 when
/// empty) and a lookup by id that answers exactly as a scan from the first
/// record would (the first record with the id wins) in constant time.
template <class TRecord>
class CRecordTable {
public:
    /// Takes ownership; returns the new record's index.
    int Append(std::unique_ptr<TRecord> pRecord)
    {
        m_records.push_back(std::move(pRecord));
        m_nLast = static_cast<int>(m_records.size()) - 1;
        return m_nLast;
    }

    TRecord& operator[](int nIndex) const
    {
        assert(IsIndex(nIndex));
        return *m_records[static_cast<std::size_t>(nIndex)];
    }

    bool IsIndex(int nIndex) const { return nIndex >= 0 && nIndex <= m_nLast; }
    int GetLast() const { return m_nLast; }
    /// The last index itself, for the names the rest of the program reads it by.
    const int& LastIndex() const { return m_nLast; }

    /// Removes and deletes the records from the last to the first.
    void Clear()
    {
        while (!m_records.empty()) {
            std::unique_ptr<TRecord> pRecord = std::move(m_records.back());
            m_records.pop_back();
            m_nLast = static_cast<int>(m_records.size()) - 1;
        }
        m_index.Clear();
    }

    /// The index of the first record whose m_strId equals `id` exactly, or -1.
    /// Records are indexed as they are first looked up, so ids must not change
    /// after that.
    int FindById(std::wstring_view id) const
    {
        return m_index.Find(id, m_records.size(),
                            [this](std::size_t nRecord) { return std::wstring_view(m_records[nRecord]->m_strId); });
    }

private:
    std::vector<std::unique_ptr<TRecord>> m_records;
    int m_nLast = -1;
    CIdIndex m_index;
};
