#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

/// An index of the ids (wide or encoded texts) of records that a table keeps in file order, answering
/// exactly as a scan from the first record would (the first record with an id
/// wins) in constant time. Records are indexed as they are first looked up,
/// so their ids must not change after that.
class CIdIndex {
public:
    /// The index of the first of the table's nCount records whose id equals
    /// `id` exactly, or -1; idOf(i) gives the id of record i.
    template <class TId, class TIdOf>
    int Find(TId id, std::size_t nCount, const TIdOf& idOf) const
    {
        CatchUp(nCount, idOf);
        if (m_slots.empty())
            return -1;
        const std::uint32_t hash = Hash(id);
        for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
            const CSlot& entry = m_slots[slot];
            if (entry.m_nRecord < 0)
                return -1;
            if (entry.m_hash == hash && idOf(static_cast<std::size_t>(entry.m_nRecord)) == id)
                return entry.m_nRecord;
        }
    }

    /// Forgets every id, for a table that was emptied.
    void Clear()
    {
        m_slots.clear();
        m_nIndexed = 0;
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
    static std::uint32_t Hash(std::string_view id)
    {
        return static_cast<std::uint32_t>(std::hash<std::string_view>()(id));
    }
    std::size_t Mask() const { return m_slots.size() - 1; }

    template <class TIdOf>
    void CatchUp(std::size_t nCount, const TIdOf& idOf) const
    {
        if (m_nIndexed == nCount)
            return;
        if (m_slots.size() < 2 * nCount)
            Rebuild(nCount, idOf);
        for (; m_nIndexed < nCount; ++m_nIndexed)
            Insert(m_nIndexed, idOf);
    }

    template <class TIdOf>
    void Rebuild(std::size_t nCount, const TIdOf& idOf) const
    {
        std::size_t size = 16;
        while (size < 2 * nCount)
            size *= 2;
        m_slots.assign(size, CSlot());
        for (std::size_t i = 0; i < m_nIndexed; ++i)
            Insert(i, idOf);
    }

    // Records are inserted in file order, so a later record with an id already
    // present is left out and the earlier one keeps answering.
    template <class TIdOf>
    void Insert(std::size_t nRecord, const TIdOf& idOf) const
    {
        const auto id = idOf(nRecord);
        const std::uint32_t hash = Hash(id);
        for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
            CSlot& entry = m_slots[slot];
            if (entry.m_nRecord < 0) {
                entry = {static_cast<int>(nRecord), hash};
                return;
            }
            if (entry.m_hash == hash && idOf(static_cast<std::size_t>(entry.m_nRecord)) == id)
                return;
        }
    }

    mutable std::vector<CSlot> m_slots;
    mutable std::size_t m_nIndexed = 0;
};
