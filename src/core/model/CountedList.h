#pragma once

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The lists of the model. A list's last index (count - 1, -1 when empty) is
// derived from its elements, so it can never disagree with them; readers loop
// from 0 to GetLast() inclusive.

/// The elements of every list of one kind in a document, one after another.
template <class T>
using CCompactPool = std::vector<T>;

/// A list of small values inside a record, its elements kept in one pool
/// shared by every list of its kind rather than in a block of its own. A list
/// holds the pool's slots from its first to the power of two above its count:
/// appending fills them, and only a full list that does not end the pool moves
/// to the end, so that a list grows in amortised constant time even when the
/// lists of a record are filled turn about.
template <class T>
class CCompactList {
public:
    int GetLast() const { return static_cast<int>(m_nCount) - 1; }
    int GetCount() const { return static_cast<int>(m_nCount); }
    bool IsEmpty() const { return m_nCount == 0; }

    void Append(const T& item, CCompactPool<T>& pool)
    {
        const T value = item; // the item may lie in the pool, which may move
        if (m_nCount == Capacity(m_nCount)) {
            const std::size_t nNewCapacity = m_nCount == 0 ? 1 : 2 * std::size_t(m_nCount);
            if (m_nCount == 0 || m_nFirst + m_nCount != pool.size()) {
                const std::size_t nFirst = pool.size();
                pool.resize(nFirst + nNewCapacity);
                std::copy_n(pool.begin() + m_nFirst, m_nCount, pool.begin() + static_cast<std::ptrdiff_t>(nFirst));
                m_nFirst = static_cast<std::uint32_t>(nFirst);
            } else {
                pool.resize(m_nFirst + nNewCapacity);
            }
        }
        pool[m_nFirst + m_nCount++] = value;
    }

    /// The elements, which lie in `pool`, the pool of the document the list belongs to.
    std::span<const T> Items(const CCompactPool<T>& pool) const { return {pool.data() + m_nFirst, m_nCount}; }
    std::span<T> Items(CCompactPool<T>& pool) const { return {pool.data() + m_nFirst, m_nCount}; }

private:
    static std::uint32_t Capacity(std::uint32_t nCount) { return nCount == 0 ? 0 : std::bit_ceil(nCount); }

    std::uint32_t m_nFirst = 0;
    std::uint32_t m_nCount = 0;
};
