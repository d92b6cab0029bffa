#pragma once

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The lists of the model. A list's last index (count - 1, -1 when empty) is
// derived from its elements, so it can never disagree with them; readers loop
// from 0 to GetLast() inclusive.

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

    void Append(const T& item)
    {
        const T value = item; // the item may lie in the pool, which may move
        std::vector<T>& pool = Pool();
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

    const T& operator[](int nIndex) const
    {
        assert(nIndex >= 0 && nIndex <= GetLast());
        return Pool()[m_nFirst + static_cast<std::size_t>(nIndex)];
    }
    T& operator[](int nIndex)
    {
        assert(nIndex >= 0 && nIndex <= GetLast());
        return Pool()[m_nFirst + static_cast<std::size_t>(nIndex)];
    }

    const T* begin() const { return Pool().data() + m_nFirst; }
    const T* end() const { return begin() + m_nCount; }

    /// Empties the pool of every list of this kind, for a model that is cleared.
    static void ClearPool()
    {
        Pool().clear();
        Pool().shrink_to_fit();
    }

private:
    static std::uint32_t Capacity(std::uint32_t nCount) { return nCount == 0 ? 0 : std::bit_ceil(nCount); }
    static std::vector<T>& Pool()
    {
        static std::vector<T> thePool;
        return thePool;
    }

    std::uint32_t m_nFirst = 0;
    std::uint32_t m_nCount = 0;
};
