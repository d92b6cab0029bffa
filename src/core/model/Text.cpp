#include "core/model/Text.h"

#include "core/text/WideText.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// A handle is a block number and an offset in that block. A text starts
// within the first kBlockBytes of its block; a longer one gets a block of
// its own size.
constexpr unsigned kOffsetBits = 22;
constexpr std::size_t kBlockBytes = std::size_t(1) << kOffsetBits;
constexpr std::size_t kMaxBlocks = std::size_t(1) << (32 - kOffsetBits);

constexpr unsigned char kWideMarker = 0xF8;

} // namespace

void EncodeText(std::wstring_view text, std::string& out)
{
    out.clear();
    for (const wchar_t c : text) {
        const auto u = static_cast<std::uint32_t>(c);
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (u < 0x200000) {
            AppendUtf8Form(u, out);
        } else {
            out.push_back(static_cast<char>(kWideMarker));
            for (int nShift = 24; nShift >= 0; nShift -= 8)
                out.push_back(static_cast<char>((u >> nShift) & 0xFF));
        }
    }
}

void DecodeText(std::string_view bytes, std::wstring& out)
{
    // Written in place: a text has at most as many units as bytes.
    const std::size_t nStart = out.size();
    out.resize(nStart + bytes.size());
    wchar_t* pOut = out.data() + nStart;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const pEnd = p + bytes.size();
    while (p < pEnd) {
        const unsigned char lead = *p++;
        if (lead < 0x80) {
            *pOut++ = static_cast<wchar_t>(lead);
            continue;
        }
        std::uint32_t u = lead;
        int nMore = 0;
        if (lead == kWideMarker) {
            u = 0;
            for (nMore = 4; nMore > 0 && p < pEnd; --nMore)
                u = u << 8 | *p++;
        } else if (lead >= 0xF0) {
            u = lead & 0x07;
            nMore = 3;
        } else if (lead >= 0xE0) {
            u = lead & 0x0F;
            nMore = 2;
        } else if (lead >= 0xC0) {
            u = lead & 0x1F;
            nMore = 1;
        }
        for (; nMore > 0 && p < pEnd; --nMore)
            u = u << 6 | (*p++ & 0x3F);
        *pOut++ = static_cast<wchar_t>(u);
    }
    out.resize(static_cast<std::size_t>(pOut - out.data()));
}

namespace {

// The length before the bytes, seven bits to a byte.
std::size_t PutLength(std::size_t nLength, char* pOut)
{
    std::size_t n = 0;
    do {
        const auto bits = static_cast<unsigned char>(nLength & 0x7F);
        nLength >>= 7;
        pOut[n++] = static_cast<char>(nLength ? bits | 0x80 : bits);
    } while (nLength);
    return n;
}

std::size_t LengthSize(std::size_t nLength)
{
    std::size_t n = 1;
    while (nLength >>= 7)
        ++n;
    return n;
}

std::uint32_t Hash(std::string_view bytes)
{
    return static_cast<std::uint32_t>(std::hash<std::string_view>()(bytes));
}

} // namespace

std::uint32_t CTextStore::Add(std::string_view bytes)
{
    return bytes.empty() ? 0 : Place(bytes, m_added);
}

std::uint32_t CTextStore::Share(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    // At most three quarters full, so that a search meets few others.
    if (4 * (m_nCount + 1) > 3 * m_slots.size())
        Grow();
    const std::uint32_t nHash = Hash(bytes);
    CSlot& slot = m_slots[Slot(bytes, nHash)];
    if (slot.m_nHandle != 0)
        return slot.m_nHandle;
    const std::uint32_t nHandle = Place(bytes, m_shared);
    if (nHandle != 0) {
        slot = {nHandle, nHash};
        ++m_nCount;
    }
    return nHandle;
}

std::string_view CTextStore::Bytes(std::uint32_t nHandle) const
{
    if (nHandle == 0)
        return {};
    const char* p = m_blocks[nHandle >> kOffsetBits].get() + (nHandle & (kBlockBytes - 1));
    std::size_t nLength = 0;
    for (unsigned nShift = 0;; nShift += 7) {
        const auto byte = static_cast<unsigned char>(*p++);
        nLength |= static_cast<std::size_t>(byte & 0x7F) << nShift;
        if (!(byte & 0x80))
            break;
    }
    return {p, nLength};
}

std::wstring CTextStore::Read(std::uint32_t nHandle) const
{
    std::wstring text;
    AppendTo(nHandle, text);
    return text;
}

void CTextStore::AppendTo(std::uint32_t nHandle, std::wstring& out) const
{
    DecodeText(Bytes(nHandle), out);
}


void CTextStore::Clear()
{
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_added = m_shared = CCursor();
    m_nBytes = 0;
    m_slots.clear();
    m_slots.shrink_to_fit();
    m_nCount = 0;
    m_bFull = false;
}

// Linear probing from the text's hash: the slot that holds it, or the free
// slot where it belongs.
// The slots keep each text's hash, so that a search reads the text itself
// only when the hash matches.
std::size_t CTextStore::Slot(std::string_view bytes, std::uint32_t nHash) const
{
    const std::size_t nMask = m_slots.size() - 1;
    for (std::size_t nSlot = nHash & nMask;; nSlot = (nSlot + 1) & nMask) {
        const CSlot& slot = m_slots[nSlot];
        if (slot.m_nHandle == 0 || (slot.m_nHash == nHash && Bytes(slot.m_nHandle) == bytes))
            return nSlot;
    }
}

void CTextStore::Grow()
{
    std::vector<CSlot> old(std::max<std::size_t>(1024, 2 * m_slots.size()));
    old.swap(m_slots);
    const std::size_t nMask = m_slots.size() - 1;
    for (const CSlot& slot : old) {
        if (slot.m_nHandle == 0)
            continue;
        std::size_t nSlot = slot.m_nHash & nMask;
        while (m_slots[nSlot].m_nHandle != 0)
            nSlot = (nSlot + 1) & nMask;
        m_slots[nSlot] = slot;
    }
}

std::uint32_t CTextStore::Place(std::string_view bytes, CCursor& cursor)
{
    const std::size_t nEntry = LengthSize(bytes.size()) + bytes.size();
    if (cursor.m_nSize == 0 || cursor.m_nUsed >= kBlockBytes || cursor.m_nUsed + nEntry > cursor.m_nSize) {
        if (m_blocks.size() == kMaxBlocks) {
            m_bFull = true;
            return 0;
        }
        cursor.m_nSize = std::max(kBlockBytes, nEntry + 1);
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(cursor.m_nSize));
        m_nBytes += cursor.m_nSize;
        cursor.m_nBlock = m_blocks.size() - 1;
        // The first block starts with an unused byte, so that no text gets handle 0.
        cursor.m_nUsed = cursor.m_nBlock == 0 ? 1 : 0;
    }
    char* pEntry = m_blocks[cursor.m_nBlock].get() + cursor.m_nUsed;
    const std::size_t nLengthSize = PutLength(bytes.size(), pEntry);
    std::memcpy(pEntry + nLengthSize, bytes.data(), bytes.size());
    const auto nHandle = static_cast<std::uint32_t>(cursor.m_nBlock << kOffsetBits | cursor.m_nUsed);
    cursor.m_nUsed += nEntry;
    return nHandle;
}

std::uint32_t CTextStore::AddWide(std::wstring_view text)
{
    std::string bytes;
    EncodeText(text, bytes);
    return Add(bytes);
}
