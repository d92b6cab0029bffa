#pragma once

#include "core/model/CountedList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// Every text of the loaded file, each kept once, compactly (one byte for an
/// ASCII character) in large blocks. A million persons share a few thousand
/// dates, places and given names, and links repeat their records' ids, so a
/// text is stored only the first time it is met. A text is named by a 32-bit
/// handle; 0 is the empty text.
class CTextStore {
public:
    CTextStore() = default;
    CTextStore(const CTextStore&) = delete;
    CTextStore& operator=(const CTextStore&) = delete;

    /// The handle of the text, stored now unless it is stored already.
    /// 0 when the store is full, which IsFull() then tells.
    std::uint32_t Store(std::wstring_view text);
    /// The handle of the text if it is stored, else kNotStored.
    std::uint32_t Find(std::wstring_view text) const;
    static constexpr std::uint32_t kNotStored = 0xFFFFFFFF;

    std::wstring Read(std::uint32_t nHandle) const;
    void AppendTo(std::uint32_t nHandle, std::wstring& out) const;
    /// The stored bytes, for comparing texts without decoding them.
    std::string_view Bytes(std::uint32_t nHandle) const;

    bool IsFull() const { return m_bFull; }
    /// How many different texts are stored, and the bytes of the blocks that hold them.
    std::size_t GetCount() const { return m_nCount; }
    std::size_t GetBytes() const { return m_nBytes; }

    void Clear();

private:
    std::uint32_t Place(std::string_view bytes);
    std::size_t Slot(std::string_view bytes, std::size_t nHash) const;
    void Grow();

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_nUsed = 0; ///< bytes used in the last block
    std::size_t m_nLastSize = 0; ///< the last block's size
    std::size_t m_nBytes = 0;
    std::vector<std::uint32_t> m_slots; ///< handles by hash; 0 is a free slot
    std::size_t m_nCount = 0;
    std::string m_strBytes; ///< the text being stored or looked for, encoded
    bool m_bFull = false;
};

/// The texts of the loaded file; ClearTables empties it.
extern CTextStore theTextStore;

/// One text field of a record: a handle into theTextStore. It reads back as
/// the wide text that was put in.
class CText {
public:
    CText() = default;
    CText(std::wstring_view text) : m_nHandle(theTextStore.Store(text)) {}
    CText(const std::wstring& text) : CText(std::wstring_view(text)) {}
    CText(const wchar_t* pszText) : CText(std::wstring_view(pszText)) {}

    std::wstring Str() const { return theTextStore.Read(m_nHandle); }
    operator std::wstring() const { return Str(); }
    void AppendTo(std::wstring& out) const { theTextStore.AppendTo(m_nHandle, out); }

    bool empty() const { return m_nHandle == 0; }
    std::uint32_t Handle() const { return m_nHandle; }
    static CText FromHandle(std::uint32_t nHandle)
    {
        CText text;
        text.m_nHandle = nHandle;
        return text;
    }

    /// Equal texts have equal handles, since each text is stored once.
    bool operator==(const CText& other) const { return m_nHandle == other.m_nHandle; }
    bool operator==(std::wstring_view text) const;
    bool operator==(const wchar_t* pszText) const { return *this == std::wstring_view(pszText); }
    bool operator==(const std::wstring& strText) const { return *this == std::wstring_view(strText); }

private:
    std::uint32_t m_nHandle = 0;
};

std::wstring operator+(const std::wstring& left, const CText& right);
std::wstring operator+(const CText& left, std::wstring_view right);
std::wstring operator+(const wchar_t* pszLeft, const CText& right);

/// The ids of a record's links, such as a family's children.
using CTextList = CCompactList<CText>;
