#pragma once

#include <cassert>
#include <cstdint>
#include <functional>
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
        m_slots.clear();
        m_nIndexed = 0;
    }

    /// The index of the first record whose m_strId equals `id` exactly, or -1.
    /// Records are indexed as they are first looked up, so ids must not change
    /// after that.
    int FindById(std::wstring_view id) const
    {
        CatchUp();
        if (m_slots.empty())
            return -1;
        const std::uint32_t hash = Hash(id);
        for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
            const CSlot& entry = m_slots[slot];
            if (entry.m_nRecord < 0)
                return -1;
            if (entry.m_hash == hash && Id(entry.m_nRecord) == id)
                return entry.m_nRecord;
        }
    }

private:
    struct CSlot {
        int m_nRecord = -1;
        std::uint32_t m_hash = 0;
    };

    static std::uint32_t Hash(std::wstring_view id)
    {
        return static_cast<std::uint32_t>(std::hash<std::wstring_view>()(id));
    }
    std::size_t Mask() const { return m_slots.size() - 1; }
    std::wstring_view Id(int nRecord) const { return m_records[static_cast<std::size_t>(nRecord)]->m_strId; }

    void CatchUp() const
    {
        if (m_nIndexed == m_records.size())
            return;
        if (m_slots.size() < 2 * m_records.size())
            Rebuild();
        for (; m_nIndexed < m_records.size(); ++m_nIndexed)
            Insert(static_cast<int>(m_nIndexed));
    }

    void Rebuild() const
    {
        std::size_t size = 16;
        while (size < 2 * m_records.size())
            size *= 2;
        m_slots.assign(size, CSlot());
        for (std::size_t i = 0; i < m_nIndexed; ++i)
            Insert(static_cast<int>(i));
    }

    // Records are inserted in file order, so a later record with an id already
    // present is left out and the earlier one keeps answering.
    void Insert(int nRecord) const
    {
        const std::wstring_view id = Id(nRecord);
        const std::uint32_t hash = Hash(id);
        for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
            CSlot& entry = m_slots[slot];
            if (entry.m_nRecord < 0) {
                entry = {nRecord, hash};
                return;
            }
            if (entry.m_hash == hash && Id(entry.m_nRecord) == id)
                return;
        }
    }

    std::vector<std::unique_ptr<TRecord>> m_records;
    int m_nLast = -1;
    mutable std::vector<CSlot> m_slots;
    mutable std::size_t m_nIndexed = 0;
};
