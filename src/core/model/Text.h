#pragma once

#include "core/model/CountedList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// Every text of the loaded file, compactly (one byte for an ASCII character,
/// as UTF-8) in large blocks. A million persons share a few hundred places,
/// given names and surnames: such a text is shared, kept once however often it
/// is met. A text that is seldom met twice, such as a name, an id, a date or a
/// note, is simply added, which costs no search: a date shared among a hundred
/// thousand others would cost a miss of the processor's cache to find. A text
/// is named by a 32-bit handle; 0 is the empty text.
class CTextStore {
public:
    CTextStore() = default;
    CTextStore(const CTextStore&) = delete;
    CTextStore& operator=(const CTextStore&) = delete;

    /// The handle of a new copy of the encoded text (see EncodeText), or of
    /// the shared one, stored now unless it is stored already. Both give 0
    /// when the store is full, which IsFull() then tells.
    std::uint32_t Add(std::string_view bytes);
    std::uint32_t Share(std::string_view bytes);

    std::wstring Read(std::uint32_t nHandle) const;
    /// The handle of the wide text, added.
    std::uint32_t AddWide(std::wstring_view text);
    void AppendTo(std::uint32_t nHandle, std::wstring& out) const;
    /// The stored bytes, for comparing texts without decoding them.
    std::string_view Bytes(std::uint32_t nHandle) const;

    bool IsFull() const { return m_bFull; }
    /// How many texts are shared, and the bytes of the blocks that hold all texts.
    std::size_t GetCount() const { return m_nCount; }
    std::size_t GetBytes() const { return m_nBytes; }

    void Clear();

private:
    // Where texts of one kind are being put: shared texts lie together, so
    // that the few hundred that most lines find stay in the processor's cache.
    struct CCursor {
        std::size_t m_nBlock = 0;
        std::size_t m_nUsed = 0;
        std::size_t m_nSize = 0; ///< 0: no block yet
    };
    std::uint32_t Place(std::string_view bytes, CCursor& cursor);
    struct CSlot {
        std::uint32_t m_nHandle = 0; ///< 0: a free slot
        std::uint32_t m_nHash = 0;
    };
    std::size_t Slot(std::string_view bytes, std::uint32_t nHash) const;
    void Grow();

    std::vector<std::unique_ptr<char[]>> m_blocks;
    CCursor m_added;
    CCursor m_shared;
    std::size_t m_nBytes = 0;
    std::vector<CSlot> m_slots; ///< the texts by their hash
    std::size_t m_nCount = 0;
    bool m_bFull = false;
};

/// The store's form of a wide text: UTF-8 for every unit below 0x200000,
/// surrogates included, and a marker byte and four bytes for any other unit,
/// so that every wide text comes back unit for unit.
void EncodeText(std::wstring_view text, std::string& out);
void DecodeText(std::string_view bytes, std::wstring& out);

/// One text field of a record: a handle into the text store of its document,
/// through which alone it reads back as the wide text that was put in.
class CText {
public:
    CText() = default;

    bool empty() const { return m_nHandle == 0; }
    std::uint32_t Handle() const { return m_nHandle; }
    /// A text from its encoded form, added to the store, or shared with its equals there.
    static CText Added(CTextStore& store, std::string_view bytes) { return CText(store.Add(bytes)); }
    static CText Shared(CTextStore& store, std::string_view bytes) { return CText(store.Share(bytes)); }

private:
    explicit CText(std::uint32_t nHandle) : m_nHandle(nHandle) {}

    std::uint32_t m_nHandle = 0;
};

/// The ids of a record's links, such as a family's children.
using CTextList = CCompactList<CText>;
