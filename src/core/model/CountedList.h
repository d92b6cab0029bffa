#pragma once

#include <cassert>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The lists of the model. A list's last index (count - 1, -1 when empty) is
// derived from its elements, so it can never disagree with them; readers loop
// from 0 to GetLast() inclusive.

template <class T>
class CCountedList {
public:
    int GetLast() const { return static_cast<int>(m_items.size()) - 1; }
    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    void Append(T item) { m_items.push_back(std::move(item)); }

    const T& operator[](int nIndex) const
    {
        assert(nIndex >= 0 && nIndex <= GetLast());
        return m_items[static_cast<std::size_t>(nIndex)];
    }
    T& operator[](int nIndex)
    {
        assert(nIndex >= 0 && nIndex <= GetLast());
        return m_items[static_cast<std::size_t>(nIndex)];
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<T> m_items;
};

/// A counted list that owns its elements.
template <class T>
class COwningList {
public:
    int GetLast() const { return m_items.GetLast(); }
    int GetCount() const { return m_items.GetCount(); }
    bool IsEmpty() const { return m_items.IsEmpty(); }

    /// Takes ownership and returns the element.
    T& Append(std::unique_ptr<T> pItem)
    {
        T& item = *pItem;
        m_items.Append(std::move(pItem));
        return item;
    }

    const T& operator[](int nIndex) const { return *m_items[nIndex]; }
    T& operator[](int nIndex) { return *m_items[nIndex]; }

private:
    CCountedList<std::unique_ptr<T>> m_items;
};

using CStringList = CCountedList<std::wstring>;
