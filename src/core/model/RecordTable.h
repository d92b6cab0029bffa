#pragma once

#include "core/model/IdIndex.h"
#include "core/model/Text.h"

#include <cassert>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// A table of records in file order, with their last index (-1 when empty)
/// and a lookup by id that answers exactly as a scan from the first record
/// would (the first record with the id wins) in constant time. Records lie in
/// blocks that never move, so a record stays where it is while more are read.
template <class TRecord>
class CRecordTable {
public:
    /// A new empty record at the end.
    TRecord& Append()
    {
        const auto nRecord = static_cast<std::size_t>(m_nLast + 1);
        if ((nRecord >> kBlockBits) == m_blocks.size())
            m_blocks.push_back(std::make_unique<TRecord[]>(kBlockSize));
        ++m_nLast;
        return (*this)[m_nLast];
    }

    const TRecord& operator[](int nIndex) const
    {
        assert(IsIndex(nIndex));
        const auto nRecord = static_cast<std::size_t>(nIndex);
        return m_blocks[nRecord >> kBlockBits][nRecord & (kBlockSize - 1)];
    }
    TRecord& operator[](int nIndex)
    {
        assert(IsIndex(nIndex));
        const auto nRecord = static_cast<std::size_t>(nIndex);
        return m_blocks[nRecord >> kBlockBits][nRecord & (kBlockSize - 1)];
    }

    bool IsIndex(int nIndex) const { return nIndex >= 0 && nIndex <= m_nLast; }
    int GetLast() const { return m_nLast; }

    /// The index of the first record whose m_strId has the encoded `id` in
    /// `texts`, the store of the document, or -1. Records are indexed as they
    /// are first looked up, so ids must not change after that.
    int FindById(std::string_view id, const CTextStore& texts) const
    {
        return m_index.Find(id, static_cast<std::size_t>(m_nLast + 1), [this, &texts](std::size_t nRecord) {
            return texts.Bytes((*this)[static_cast<int>(nRecord)].m_strId.Handle());
        });
    }

private:
    static constexpr unsigned kBlockBits = 12;
    static constexpr std::size_t kBlockSize = std::size_t(1) << kBlockBits;

    std::vector<std::unique_ptr<TRecord[]>> m_blocks;
    int m_nLast = -1;
    CIdIndex m_index;
};
