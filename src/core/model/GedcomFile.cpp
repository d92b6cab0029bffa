#include "core/model/GedcomFile.h"

#include "core/model/Text.h"
#include "core/text/Ansel.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
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
    if (m_nFile < 0) {
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

void CGedcomFile::Close()
{
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
    if (m_nFile < 0)
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

// The first CR or LF from the current place, or the block end. Lines are
// short, so both are looked for in one pass, eight bytes at a time.
std::size_t CGedcomFile::FindLineEnd() const
{
    const char* const pBlock = m_block.data();
    std::size_t i = m_nPos;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= m_nEnd; i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, pBlock + i, 8);
            const std::uint64_t ends = BytesEqualTo(word, '\n') | BytesEqualTo(word, '\r');
            if (ends != 0)
                return i + static_cast<std::size_t>(std::countr_zero(ends) / 8);
        }
    }
    for (; i < m_nEnd; ++i) {
        if (pBlock[i] == '\n' || pBlock[i] == '\r')
            return i;
    }
    return m_nEnd;
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
                m_bCarryGiven = true;
                return true;
            }
            continue;
        }
        const std::size_t nLineEnd = FindLineEnd();
        const std::string_view piece(m_block.data() + m_nPos, nLineEnd - m_nPos);
        m_nPos = nLineEnd + 1;
        if (nLineEnd == m_nEnd) {
            m_strCarry.append(piece);
            continue;
        }
        if (!m_strCarry.empty()) {
            m_strCarry.append(piece);
            line = m_strCarry;
            m_bCarryGiven = true;
            return true;
        }
        if (!piece.empty()) {
            line = piece;
            return true;
        }
    }
}

bool CGedcomFile::ReadLine(std::wstring& line)
{
    std::string_view bytes;
    if (!ReadByteLine(bytes))
        return false;
    Decode(bytes, line);
    return true;
}

bool CGedcomFile::ReadTextLine(std::string_view& line)
{
    if (!ReadByteLine(line))
        return false;
    if (IsAscii(line) || (!m_bAnsel && IsUtf8(line)))
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
