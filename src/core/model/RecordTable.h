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

    TRecord& operator[](int nIndex) const
    {
        assert(IsIndex(nIndex));
        const auto nRecord = static_cast<std::size_t>(nIndex);
        return m_blocks[nRecord >> kBlockBits][nRecord & (kBlockSize - 1)];
    }

    bool IsIndex(int nIndex) const { return nIndex >= 0 && nIndex <= m_nLast; }
    int GetLast() const { return m_nLast; }
    /// The last index itself, for the names the rest of the program reads it by.
    const int& LastIndex() const { return m_nLast; }

    void Clear()
    {
        m_blocks.clear();
        m_blocks.shrink_to_fit();
        m_nLast = -1;
        m_index.Clear();
    }

    /// The index of the first record whose m_strId is `id`, or -1. Records are
    /// indexed as they are first looked up, so ids must not change after that.
    int FindById(const CText& id) const { return FindByBytes(id.Bytes()); }
    int FindById(std::wstring_view id) const
    {
        std::string bytes;
        EncodeText(id, bytes);
        return FindByBytes(bytes);
    }

private:
    int FindByBytes(std::string_view id) const
    {
        return m_index.Find(id, static_cast<std::size_t>(m_nLast + 1),
                            [this](std::size_t nRecord) { return (*this)[static_cast<int>(nRecord)].m_strId.Bytes(); });
    }

    static constexpr unsigned kBlockBits = 12;
    static constexpr std::size_t kBlockSize = std::size_t(1) << kBlockBits;

    std::vector<std::unique_ptr<TRecord[]>> m_blocks;
    int m_nLast = -1;
    CIdIndex m_index;
};
