#include "core/model/GedcomFile.h"

#include "core/model/Text.h"
#include "core/text/Ansel.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

} // namespace

CGedcomFile::~CGedcomFile()
{
    Close();
}

bool CGedcomFile::Open(const std::wstring& strPath)
{
    Close();
    m_nOpenError = 0;
    m_nFile = ::open(WideToUtf8(strPath).c_str(), O_RDONLY | O_CLOEXEC);
    if (m_nFile < 0 && !m_bInMemory) {
        m_nOpenError = errno;
        return false;
    }
    // A folder opens for reading on Linux, but it is no file to read.
    struct stat status {};
    if (::fstat(m_nFile, &status) != 0 || S_ISDIR(status.st_mode)) {
        m_nOpenError = S_ISDIR(status.st_mode) ? EISDIR : errno;
        Close();
        return false;
    }
    m_nSize = S_ISREG(status.st_mode) ? static_cast<std::int64_t>(status.st_size) : 0;
    // Small files get a small block: many are read one after another in tests.
    m_block.resize(std::clamp<std::size_t>(static_cast<std::size_t>(status.st_size) + 1, 4096, kBlockSize));
    return true;
}

void CGedcomFile::OpenBytes(std::string_view bytes)
{
    Close();
    m_nOpenError = 0;
    m_bInMemory = true;
    m_memory = bytes;
    m_nSize = static_cast<std::int64_t>(bytes.size());
    m_block.resize(std::clamp<std::size_t>(bytes.size() + 1, 4096, kBlockSize));
}

void CGedcomFile::Close()
{
    m_bInMemory = false;
    m_memory = {};
    if (m_nFile >= 0)
        ::close(m_nFile);
    m_nFile = -1;
    m_bAtEnd = false;
    m_nSize = m_nRawRead = 0;
    m_nPos = m_nEnd = 0;
    m_strCarry.clear();
    m_bCarryGiven = false;
    m_bStarted = false;
    m_bByteOrderMark = false;
    m_utf16.reset();
    m_bAnsel = false;
}

std::size_t CGedcomFile::ReadRaw(char* pBuffer, std::size_t nSize)
{
    std::size_t nRead = 0;
    if (m_bInMemory) {
        nRead = std::min(nSize, m_memory.size());
        std::memcpy(pBuffer, m_memory.data(), nRead);
        m_memory.remove_prefix(nRead);
        m_bAtEnd = m_memory.empty();
    }
    while (nRead < nSize && !m_bAtEnd) {
        const ssize_t n = ::read(m_nFile, pBuffer + nRead, nSize - nRead);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            m_bAtEnd = true; // a read error ends the file like its end
        else
            nRead += static_cast<std::size_t>(n);
    }
    m_nRawRead += static_cast<std::int64_t>(nRead);
    return nRead;
}

// A UTF-16 block holds converted text, so its rest is not counted back: the
// figure runs a block ahead there.
std::int64_t CGedcomFile::BytesDone() const
{
    const std::size_t nRest = !m_utf16 && m_nEnd > m_nPos ? m_nEnd - m_nPos : 0;
    return m_nRawRead - static_cast<std::int64_t>(nRest);
}

void CGedcomFile::TakeByteOrderMark()
{
    const auto starts = [&](std::string_view mark) {
        return m_nEnd >= mark.size() && std::string_view(m_block.data(), mark.size()) == mark;
    };
    if (starts("\xEF\xBB\xBF")) {
        m_nPos = 3;
        m_bByteOrderMark = true;
    } else if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        m_utf16.emplace(m_block[0] == '\xFE');
        m_raw.assign(m_block.begin() + 2, m_block.begin() + static_cast<std::ptrdiff_t>(m_nEnd));
        std::string converted;
        m_utf16->Convert(std::string_view(m_raw.data(), m_raw.size()), converted);
        if (m_bAtEnd)
            m_utf16->Finish(converted);
        m_block.assign(converted.begin(), converted.end());
        m_nPos = 0;
        m_nEnd = m_block.size();
        m_bByteOrderMark = true;
    }
    m_bAnsel = m_bAnsel && !m_bByteOrderMark;
}

bool CGedcomFile::FillBlock()
{
    m_nPos = m_nEnd = 0;
    if (m_nFile < 0 && !m_bInMemory)
        return false;
    if (!m_utf16) {
        m_nEnd = ReadRaw(m_block.data(), m_block.size());
    } else {
        m_raw.resize(std::max<std::size_t>(m_raw.capacity(), 4096));
        m_raw.resize(ReadRaw(m_raw.data(), m_raw.size()));
        std::string converted;
        m_utf16->Convert(std::string_view(m_raw.data(), m_raw.size()), converted);
        if (m_bAtEnd)
            m_utf16->Finish(converted);
        m_block.assign(converted.begin(), converted.end());
        m_nEnd = m_block.size();
    }
    if (!m_bStarted) {
        m_bStarted = true;
        TakeByteOrderMark();
    }
    return m_nEnd > m_nPos || !m_bAtEnd;
}

namespace {

// What is learnt of a line's bytes while its end is looked for: whether one is
// outside ASCII, and whether one is a slash, an opening parenthesis or a blank
// after a blank, the marks of a line the reader rewrites.
struct CLineBytes {
    bool m_bHigh = false;
    bool m_bMarks = false;
    bool m_bBlankBefore = false;

    void Take(char c)
    {
        m_bHigh = m_bHigh || static_cast<unsigned char>(c) >= 0x80;
        m_bMarks = m_bMarks || c == '/' || c == '(' || (c == ' ' && m_bBlankBefore);
        m_bBlankBefore = c == ' ';
    }
};

} // namespace

// The first CR or LF from the current place, or the block end; and what the
// bytes before it hold. Lines are short, so all of it is found in one pass,
// sixteen bytes at a time where the processor can.
inline std::size_t CGedcomFile::FindLineEnd()
{
    const char* const pBlock = m_block.data();
    std::size_t i = m_nPos;
    CLineBytes bytes;
#if defined(__SSE2__)
    const auto mask = [](__m128i chunk, char c) {
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(c))));
    };
    unsigned nHigh = 0; // in the chunks before
    unsigned nMarks = 0;
    unsigned nBlankBefore = 0; // the last byte of the chunk before was a blank
    for (; i + 16 <= m_nEnd; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pBlock + i));
        const unsigned ends = mask(chunk, '\n') | mask(chunk, '\r');
        const unsigned blanks = mask(chunk, ' ');
        const auto high = static_cast<unsigned>(_mm_movemask_epi8(chunk));
        const unsigned marks = mask(chunk, '/') | mask(chunk, '(') | (blanks & (blanks << 1 | nBlankBefore));
        if (ends != 0) {
            const unsigned before = (ends - 1) & ~ends; // the bytes before the first end
            m_bLineAscii = (nHigh | (high & before)) == 0;
            m_bLinePlain = m_bLineAscii && (nMarks | (marks & before)) == 0;
            return i + static_cast<std::size_t>(std::countr_zero(ends));
        }
        nHigh |= high;
        nMarks |= marks;
        nBlankBefore = blanks >> 15;
    }
    bytes = {nHigh != 0, nMarks != 0, nBlankBefore != 0};
#endif
    for (; i < m_nEnd && pBlock[i] != '\n' && pBlock[i] != '\r'; ++i)
        bytes.Take(pBlock[i]);
    m_bLineAscii = !bytes.m_bHigh;
    m_bLinePlain = !bytes.m_bHigh && !bytes.m_bMarks;
    return i;
}

// A line that was begun in one block and ended in another is looked at whole.
void CGedcomFile::MarkCarriedLine()
{
    CLineBytes bytes;
    for (const char c : m_strCarry)
        bytes.Take(c);
    m_bLineAscii = !bytes.m_bHigh;
    m_bLinePlain = !bytes.m_bHigh && !bytes.m_bMarks;
}

// Every CR and LF ends a line, and the empty lines this makes of CR LF and
// LF CR are passed over like any blank line.
bool CGedcomFile::ReadByteLine(std::string_view& line)
{
    if (m_bCarryGiven) {
        m_strCarry.clear();
        m_bCarryGiven = false;
    }
    for (;;) {
        if (m_nPos >= m_nEnd) {
            if (m_bAtEnd || !FillBlock()) {
                if (m_strCarry.empty())
                    return false;
                line = m_strCarry; // the file ends in the middle of a line
                MarkCarriedLine();
                m_bCarryGiven = true;
                return true;
            }
            continue;
        }
        const std::size_t nLineEnd = FindLineEnd();
        const std::string_view piece(m_block.data() + m_nPos, nLineEnd - m_nPos);
        m_nPos = nLineEnd + 1;
        // The LF of a CR LF (or any second line end) would only make an empty line.
        if (m_nPos < m_nEnd && (m_block[m_nPos] == '\n' || m_block[m_nPos] == '\r'))
            ++m_nPos;
        if (nLineEnd == m_nEnd) {
            m_strCarry.append(piece);
            continue;
        }
        if (!m_strCarry.empty()) {
            m_strCarry.append(piece);
            line = m_strCarry;
            MarkCarriedLine();
            m_bCarryGiven = true;
            return true;
        }
        if (!piece.empty()) {
            line = piece;
            return true;
        }
    }
}

bool CGedcomFile::ReadTextLine(std::string_view& line, bool& bPlain)
{
    if (!ReadByteLine(line))
        return false;
    bPlain = m_bLinePlain;
    if (m_bLineAscii || (!m_bAnsel && IsUtf8(line)))
        return true;
    Decode(line, m_strWide);
    EncodeText(m_strWide, m_strEncoded);
    line = m_strEncoded;
    return true;
}

void CGedcomFile::Decode(std::string_view bytes, std::wstring& line)
{
    if (IsAscii(bytes)) {
        WidenAscii(bytes, line);
    } else if (m_bAnsel) {
        DecodeAnsel(bytes, line);
    } else if (!DecodeUtf8(bytes, line)) {
        UserLegacyDecoder().Decode(bytes, line);
    }
}
