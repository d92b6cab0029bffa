#pragma once

#include "core/text/LegacyCodePage.h"
#include "core/text/Utf16.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// A GEDCOM file read in large blocks and cut into physical lines of wide text.
/// Lines end at CR, LF, CR LF or LF CR and may be of any length. A UTF-8
/// byte-order mark is skipped; a UTF-16 one makes the file UTF-16. Otherwise a
/// line is ASCII, ANSEL once the header has declared it, UTF-8 when it is valid
/// UTF-8, and else in the legacy code page of the user's locale.
class CGedcomFile {
public:
    CGedcomFile() = default;
    ~CGedcomFile();
    CGedcomFile(const CGedcomFile&) = delete;
    CGedcomFile& operator=(const CGedcomFile&) = delete;

    /// False when the path cannot be opened for reading or is a folder;
    /// OpenError() then tells why.
    bool Open(const std::wstring& strPath);
    /// The errno of the last failed Open (EISDIR for a folder), 0 after a good one.
    int OpenError() const { return m_nOpenError; }
    /// Reads `bytes` as the file's content; they must outlive the reading.
    void OpenBytes(std::string_view bytes);
    void Close();

    /// The next line that is not empty, without its line end, in the model's
    /// encoding of text (EncodeText): valid UTF-8 and ASCII lines are that
    /// already and are not copied. `bPlain` tells, from the pass that found the
    /// line's end, that it is ASCII with no slash, no opening parenthesis and
    /// no two blanks in a row.
    bool ReadTextLine(std::string_view& line, bool& bPlain);

    /// The header's CHAR line said ANSEL. A byte-order mark outweighs it.
    void SetAnsel(bool bAnsel) { m_bAnsel = bAnsel && !m_bByteOrderMark; }

    /// The next line that is not empty as the file's bytes (UTF-16 files as
    /// UTF-8); false at the end. For measuring the reading alone.
    bool ReadByteLine(std::string_view& line);

    /// The size of the open file in bytes (0 for a pipe and the like), and
    /// how many of its bytes have been cut into lines so far.
    std::int64_t Size() const { return m_nSize; }
    std::int64_t BytesDone() const;

private:
    bool FillBlock();
    std::size_t ReadRaw(char* pBuffer, std::size_t nSize);
    void TakeByteOrderMark();
    std::size_t FindLineEnd();
    void MarkCarriedLine();
    void Decode(std::string_view bytes, std::wstring& line);

    int m_nFile = -1;
    bool m_bInMemory = false;
    std::string_view m_memory; ///< the bytes not yet taken, when reading from memory
    int m_nOpenError = 0;
    std::int64_t m_nSize = 0;
    std::int64_t m_nRawRead = 0; ///< bytes taken from the file
    bool m_bAtEnd = false;
    std::vector<char> m_block; ///< bytes read and not yet cut into lines
    std::size_t m_nPos = 0;
    std::size_t m_nEnd = 0;
    bool m_bLineAscii = true; ///< the line last cut holds only ASCII bytes
    bool m_bLinePlain = false; ///< and none of the marks that ReadTextLine tells of
    std::string m_strCarry; ///< a line begun in an earlier block
    bool m_bCarryGiven = false;
    bool m_bStarted = false;
    bool m_bByteOrderMark = false;
    std::optional<CUtf16ToUtf8> m_utf16;
    std::vector<char> m_raw; ///< UTF-16 bytes before they become UTF-8
    bool m_bAnsel = false;
    std::wstring m_strWide; ///< a line in another encoding, decoded
    std::string m_strEncoded; ///< and encoded again as the model's text
};
