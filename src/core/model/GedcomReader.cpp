#include "core/model/GedcomReader.h"

#include "core/model/GedcomFile.h"
#include "core/model/GedcomParser.h"
#include "core/model/Document.h"
#include "core/model/Text.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/platform/Log.h"
#include "core/platform/Message.h"
#include "core/platform/Progress.h"
#include "core/platform/WaitCursor.h"
#include "core/text/WideText.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

void CGedcomState::Reset()
{
    m_nPrevLevel = 0;
    m_bContinuation = false;
    for (std::string& strTag : m_astrLevelTags)
        strTag.clear();
    m_nRecordKind = kRecordOther;
    m_pCurrentEvent = nullptr;
    m_nCitedOwner = kNoCitedOwner;
    m_nCitationLevel = -1;
    m_nCitation = -1;
    m_nMediaLevel = -1;
    m_nMediaObject = -1;
    m_nMediaLink = -1;
    m_bMediaFileOpen = false;
}

namespace {

constexpr int kMaxLevel = 9;

bool IsWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimLine(std::string_view line)
{
    // Most lines start and end with a character above the blank.
    if (!line.empty() && line.front() > ' ' && line.back() > ' ')
        return line;
    while (!line.empty() && IsWhite(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && IsWhite(line.back()))
        line.remove_suffix(1);
    return line;
}

// Only the tags of levels 0 and 1 are ever compared (another level-1 tag ends
// an event), so the deeper ones, most lines, cost no copy.
void KeepLevelTag(CGedcomState& state, int nLevel, std::string_view tag)
{
    if (nLevel <= 1)
        state.m_astrLevelTags[static_cast<std::size_t>(nLevel)] = tag;
}

// The first blank at or after `from`; tags are short, so eight bytes looked
// at together most often hold it, and a loop finds it sooner than a library
// search otherwise.
std::size_t FindBlank(std::string_view line, std::size_t from)
{
    if constexpr (std::endian::native == std::endian::little) {
        if (from + 8 <= line.size()) {
            const std::uint64_t word = WordAt(line.data() + from);
            if (const std::uint64_t blanks = BytesEqualTo(word, ' '))
                return from + static_cast<std::size_t>(std::countr_zero(blanks) / 8);
            from += 8;
        }
    }
    for (std::size_t i = from; i < line.size(); ++i) {
        if (line[i] == ' ')
            return i;
    }
    return std::string_view::npos;
}

// Lines are read in the model's encoding of text, in which every character
// the reader looks for (digits, blanks, slashes, tags) is the one byte it is
// in ASCII and no byte of another character looks like one.

// One physical line cut into its parts. Level -1: the line has no level.
struct CLineParts {
    int m_nLevel = -1;
    std::size_t m_nTagStart = 0; ///< after the level's digits and one character
    std::string_view m_tag;
    std::string_view m_value;
};

// A level written with leading zeros counts as its value, and its tag starts
// after all its digits, so 01 NAME reads as 1 NAME.
CLineParts SplitLine(std::string_view line)
{
    CLineParts parts;
    std::size_t nDigits = 0;
    int nLevel = 0;
    while (nDigits < line.size() && line[nDigits] >= '0' && line[nDigits] <= '9') {
        nLevel = std::min(nLevel * 10 + (line[nDigits] - '0'), kMaxLevel + 1);
        ++nDigits;
    }
    if (nDigits == 0)
        return parts;
    parts.m_nLevel = nLevel;
    parts.m_nTagStart = std::min(nDigits + 1, line.size());
    const std::size_t nBlank = FindBlank(line, parts.m_nTagStart);
    if (nBlank == std::string_view::npos) {
        parts.m_tag = line.substr(parts.m_nTagStart);
    } else {
        parts.m_tag = line.substr(parts.m_nTagStart, nBlank - parts.m_nTagStart);
        parts.m_value = line.substr(nBlank + 1);
    }
    return parts;
}

// The text of a line 0 @N1@ NOTE text, or 0 @N1@ SNOTE text in GEDCOM 7,
// given what follows the id; nothing for a line that starts another record.
std::optional<std::string_view> NoteRecordText(std::string_view rest)
{
    for (const std::string_view tag : {std::string_view("NOTE"), std::string_view("SNOTE")}) {
        if (rest == tag)
            return std::string_view();
        if (rest.starts_with(tag) && rest.size() > tag.size() && rest[tag.size()] == ' ')
            return rest.substr(tag.size() + 1);
    }
    return std::nullopt;
}

int RecordKindOf(std::string_view line, std::size_t nFrom)
{
    const std::size_t nIndi = line.find("INDI", nFrom);
    if (nIndi != std::string_view::npos && nIndi + 4 == line.size())
        return kRecordPerson;
    const std::size_t nFam = line.find("FAM", nFrom);
    if (nFam != std::string_view::npos && nFam + 3 == line.size())
        return kRecordFamily;
    if (nFrom > 0 && line.substr(nFrom) == "SOUR")
        return kRecordSource;
    if (nFrom > 0 && line.substr(nFrom) == "REPO")
        return kRecordRepository;
    if (nFrom > 0 && line.substr(nFrom) == "OBJE")
        return kRecordMedia;
    return kRecordOther;
}

// What a continuation line adds to the value it continues: CONT starts a new
// line of text, CONC joins directly, a line without a level joins with a blank.
// Writers often split a value at a blank and leave the blank at the end of
// the line or at the start of the CONC's value; `nConcBlanks` brings them back.
void AppendContinuationPiece(std::string_view line, const CLineParts& parts, std::size_t nConcBlanks,
                             std::string& strPiece)
{
    if (parts.m_nLevel < 0)
        strPiece.append(" ").append(line);
    else if (parts.m_tag == "CONT")
        strPiece.append("<br>").append(parts.m_value);
    else
        strPiece.append(nConcBlanks, ' ').append(parts.m_value);
}

std::size_t TrailingBlanks(std::string_view line)
{
    std::size_t n = 0;
    while (n < line.size() && line[line.size() - 1 - n] == ' ')
        ++n;
    return n;
}

// The blanks that begin the value of a CONC line as written, which the
// normal line has lost to the one blank after the tag.
std::size_t ConcValueBlanks(std::string_view rawLine)
{
    const std::string_view line = TrimLine(rawLine);
    std::size_t i = line.find("CONC");
    if (i == std::string_view::npos)
        return 0;
    i += 4;
    std::size_t n = 0;
    for (; i < line.size() && line[i] == ' '; ++i)
        ++n;
    return n > 0 ? n - 1 : 0;
}

std::wstring FolderOf(const std::wstring& strPath)
{
    const std::size_t nSlash = strPath.rfind(L'/');
    return nSlash == std::wstring::npos ? std::wstring() : strPath.substr(0, nSlash + 1);
}

class CGedcomReading {
public:
    explicit CGedcomReading(bool bCoalesce)
        : m_bCoalesce(bCoalesce), m_pDoc(std::make_unique<CDocument>()), m_progress(IDS_READING_FILE)
    {
    }
    CReadResult Read(const std::wstring& strPath);
    CReadResult Read(std::string_view bytes);
    CReadResult ReadPackage(const std::wstring& strPath, std::string_view gedcom,
                            std::unique_ptr<const CMediaArchive> pArchive);
    CReadResult FailedAt(const std::wstring& strPath, const std::wstring& strReason);

private:
    enum class CStep { Go, End, Stop };

    CStep HandleLine(std::string_view line, std::string_view rawLine);
    void HandleRecordLine(std::string_view line, const CLineParts& parts);
    void HandleOtherRecordLine(const CLineParts& parts);
    void HandleNoteRecordLine(std::string_view line, const CLineParts& parts, std::string_view rawLine);
    void StoreNoteRecord();
    void HandleContinuation(std::string_view line, const CLineParts& parts, std::string_view rawLine);
    std::size_t ConcBlanks(const CLineParts& parts, std::string_view rawLine) const;
    void Deliver(const CLineParts& parts);
    void ApplyResets(int nLevel);
    void Flush();
    void ReportProgress();
    CReadResult ReadLines();
    void SetPathOf(const std::wstring& strPath);
    CReadResult Failed(const std::wstring& strPath, int nError);
    CReadResult Failed(const std::wstring& strPath, const std::wstring& strReason);
    CReadResult Result(bool bRead, CMessages messages = {});

    bool m_bCoalesce;
    std::unique_ptr<CDocument> m_pDoc;
    CGedcomState m_state;
    std::wstring m_strPath;
    CGedcomFile m_file;
    CProgress m_progress;
    int m_nLinesToReport = 0; ///< lines left until the progress is told again
    std::string m_strNormal;
    std::string m_strCurrentTag; ///< tag of the last line that was not a continuation
    std::string m_strBase; ///< the value that continuation lines extend
    std::string m_strPiece;
    std::string m_strRecordId;
    // A continued value waits here until its last continuation line, so that
    // the parser does not copy the growing text once per line.
    bool m_bPending = false;
    int m_nPendingLevel = 0;
    bool m_bInHeader = false;
    // The note record being read; its text is stored when the record ends.
    bool m_bInNoteRecord = false;
    bool m_bNoteTextOpen = false; ///< continuation lines still extend the text
    std::string m_strNoteId;
    std::string m_strNoteText;
    std::size_t m_nEndBlanks = 0; ///< blanks that end the last line handled, as the file wrote it
    bool m_bAnyLine = false;
    bool m_bLevel0Line = false; ///< a record line or the trailer has been read
};

void CGedcomReading::SetPathOf(const std::wstring& strPath)
{
    m_strPath = strPath;
    m_pDoc->SetFolder(FolderOf(strPath));
    m_pDoc->SetPath(strPath);
}

CReadResult CGedcomReading::Read(const std::wstring& strPath)
{
    CWaitCursor waitCursor;
    SetPathOf(strPath);
    if (!m_file.Open(strPath))
        return Failed(strPath, m_file.OpenError());
    return ReadLines();
}

CReadResult CGedcomReading::Read(std::string_view bytes)
{
    m_file.OpenBytes(bytes);
    return ReadLines();
}

CReadResult CGedcomReading::ReadPackage(const std::wstring& strPath, std::string_view gedcom,
                                        std::unique_ptr<const CMediaArchive> pArchive)
{
    CWaitCursor waitCursor;
    SetPathOf(strPath);
    m_pDoc->SetArchive(std::move(pArchive));
    return Read(gedcom);
}

CReadResult CGedcomReading::FailedAt(const std::wstring& strPath, const std::wstring& strReason)
{
    SetPathOf(strPath);
    return Failed(strPath, strReason);
}

CReadResult CGedcomReading::ReadLines()
{
    m_state.Reset();
    std::string_view line;
    bool bPlain = false;
    while (m_file.ReadTextLine(line, bPlain)) {
        if (--m_nLinesToReport <= 0)
            ReportProgress();
        // The texts of a file fill the store only when they pass four gigabytes.
        if (m_pDoc->IsTextStoreFull())
            return Failed(m_strPath, ENOMEM);
        // A line the file found plain only needs trimming.
        const std::string_view normal =
            bPlain ? TrimLine(line) : NormalGedcomLine(line, m_strNormal, m_state.m_nRecordKind == kRecordPerson);
        if (normal.empty())
            continue;
        m_bAnyLine = true;
        const CStep step = HandleLine(normal, line);
        m_nEndBlanks = line.back() == ' ' ? TrailingBlanks(line) : 0;
        if (step == CStep::Stop)
            return Result(false, {{LoadLangString(IDS_LEVEL_TOO_BIG), LoadLangString(IDS_DIRECTION),
                                   CMessageIcon::Exclamation}});
        if (step == CStep::End)
            break;
    }
    Flush();
    StoreNoteRecord();
    m_progress.Report(m_file.Size(), m_file.Size());
    return Result(true);
}

CReadResult CGedcomReading::Failed(const std::wstring& strPath, int nError)
{
    return Failed(strPath, Utf8ToWide(std::strerror(nError)));
}

CReadResult CGedcomReading::Failed(const std::wstring& strPath, const std::wstring& strReason)
{
    m_pDoc->SetReadFailureText(strReason);
    WriteLog(m_pDoc->GetFolder(), LoadLangString(IDS_CANT_OPEN_SOURCE_FILE) + L" " + strPath + L".\r\n" +
                                      LoadLangString(IDS_SEE_BELOW) + L"\r\n" + m_pDoc->GetReadFailureText() +
                                      L"\r\n");
    return Result(false);
}

CReadResult CGedcomReading::Result(bool bRead, CMessages messages)
{
    m_pDoc->SetNotGedcom(m_bAnyLine && !m_bLevel0Line);
    CReadResult result;
    result.m_pDocument = std::move(m_pDoc);
    result.m_bRead = bRead;
    result.m_messages = std::move(messages);
    return result;
}

// Every few thousand lines only, so that a line costs one count more.
void CGedcomReading::ReportProgress()
{
    constexpr int kLinesPerReport = 4096;
    m_nLinesToReport = kLinesPerReport;
    m_progress.Report(m_file.BytesDone(), m_file.Size());
}

CGedcomReading::CStep CGedcomReading::HandleLine(std::string_view line, std::string_view rawLine)
{
    if (line.starts_with("0 TRLR")) {
        m_bLevel0Line = true;
        return CStep::End;
    }
    const CLineParts parts = SplitLine(line);
    if (parts.m_nLevel == 0) {
        m_bLevel0Line = true;
        Flush();
        HandleRecordLine(line, parts);
        return CStep::Go;
    }
    if (m_state.m_nRecordKind == kRecordOther) {
        HandleOtherRecordLine(parts);
        return CStep::Go;
    }
    if (m_state.m_nRecordKind == kRecordNote) {
        HandleNoteRecordLine(line, parts, rawLine);
        return CStep::Go;
    }
    if (parts.m_nLevel > kMaxLevel) {
        // Only a person or a family stops the reading on it.
        if (m_state.m_nRecordKind != kRecordPerson && m_state.m_nRecordKind != kRecordFamily)
            return CStep::Go;
        Flush();
        return CStep::Stop;
    }
    if (parts.m_nLevel < 0 || parts.m_tag == "CONC" || parts.m_tag == "CONT") {
        HandleContinuation(line, parts, rawLine);
        return CStep::Go;
    }
    Flush();
    m_strCurrentTag = parts.m_tag;
    Deliver(parts);
    return CStep::Go;
}

void CGedcomReading::HandleRecordLine(std::string_view line, const CLineParts& parts)
{
    StoreNoteRecord();
    m_state.m_pCurrentEvent = nullptr;
    const std::size_t nBlank = line.find(' ', parts.m_nTagStart);
    const bool bBlank = nBlank != std::string_view::npos;
    // A note's text may end in INDI or FAM; it makes no record all the same.
    const std::optional<std::string_view> noteText = NoteRecordText(parts.m_value);
    const int nKind = noteText ? kRecordNote : RecordKindOf(line, bBlank ? nBlank + 1 : 0);
    m_state.m_nRecordKind = nKind;
    m_bInHeader = nKind == kRecordOther && parts.m_tag == "HEAD" && parts.m_value.empty();
    if (nKind == kRecordNote) {
        m_bInNoteRecord = m_bNoteTextOpen = true;
        m_strNoteId.assign(parts.m_tag);
        m_strNoteText.assign(*noteText);
        return;
    }
    if (nKind == kRecordOther)
        return;
    for (int nLevel = 1; nLevel <= kMaxLevel; ++nLevel)
        m_state.m_astrLevelTags[static_cast<std::size_t>(nLevel)].clear();
    m_strCurrentTag.clear();
    m_strRecordId.assign(bBlank ? line.substr(parts.m_nTagStart, nBlank - parts.m_nTagStart) : std::string_view());
    ParseGedcomLine(*m_pDoc, m_state, nKind, 0, m_strCurrentTag, m_strRecordId);
}

// Other records are skipped, but the header's CHAR line says how to read the
// rest of the file.
void CGedcomReading::HandleOtherRecordLine(const CLineParts& parts)
{
    if (m_bInHeader && parts.m_nLevel == 1 && parts.m_tag == "CHAR")
        m_file.SetAnsel(parts.m_value == "ANSEL");
}

// Only the record's own text is read: level-1 CONC and CONT lines and lines
// without a level extend it until any other line comes, which is skipped as
// the lines of other records are, whatever its level.
void CGedcomReading::HandleNoteRecordLine(std::string_view line, const CLineParts& parts, std::string_view rawLine)
{
    const bool bContinues =
        parts.m_nLevel < 0 || (parts.m_nLevel == 1 && (parts.m_tag == "CONC" || parts.m_tag == "CONT"));
    if (!bContinues)
        m_bNoteTextOpen = false;
    else if (m_bNoteTextOpen)
        AppendContinuationPiece(line, parts, ConcBlanks(parts, rawLine), m_strNoteText);
}

void CGedcomReading::StoreNoteRecord()
{
    if (!m_bInNoteRecord)
        return;
    m_bInNoteRecord = m_bNoteTextOpen = false;
    std::wstring strId;
    std::wstring strText;
    DecodeText(m_strNoteId, strId);
    DecodeText(m_strNoteText, strText);
    m_pDoc->AppendNoteRecord(strId, strText);
}

std::size_t CGedcomReading::ConcBlanks(const CLineParts& parts, std::string_view rawLine) const
{
    if (parts.m_tag != "CONC")
        return 0;
    return m_nEndBlanks + ConcValueBlanks(rawLine);
}

void CGedcomReading::HandleContinuation(std::string_view line, const CLineParts& parts, std::string_view rawLine)
{
    // Right under a record line there is nothing to continue; delivered, the
    // line would look like a record line to the parser and make a record.
    if (m_strCurrentTag.empty())
        return;
    const bool bText = parts.m_nLevel < 0;
    const int nLineLevel = bText ? m_state.m_nPrevLevel + 1 : parts.m_nLevel;
    if (nLineLevel <= kMaxLevel)
        KeepLevelTag(m_state, nLineLevel, bText ? "CONC" : parts.m_tag);
    const int nLevel = nLineLevel - 1;
    if (!(m_bCoalesce && m_bPending && nLevel == m_nPendingLevel)) {
        Flush();
        ApplyResets(nLevel);
        KeepLevelTag(m_state, nLevel, m_strCurrentTag);
        m_state.m_nPrevLevel = nLevel;
        m_bPending = true;
        m_nPendingLevel = nLevel;
    }
    m_strPiece.clear();
    AppendContinuationPiece(line, parts, ConcBlanks(parts, rawLine), m_strPiece);
    if (m_bCoalesce) {
        AppendContinuation(m_state, m_strCurrentTag, m_strBase, m_strPiece);
    } else {
        m_strBase += m_strPiece;
        Flush();
    }
}

void CGedcomReading::Deliver(const CLineParts& parts)
{
    ApplyResets(parts.m_nLevel);
    KeepLevelTag(m_state, parts.m_nLevel, m_strCurrentTag);
    m_state.m_nPrevLevel = parts.m_nLevel;
    m_state.m_bContinuation = false;
    m_strBase.assign(parts.m_value);
    ParseGedcomLine(*m_pDoc, m_state, m_state.m_nRecordKind, parts.m_nLevel, m_strCurrentTag, m_strBase);
}

// Event sub-tags reach only the event of the last level-1 line: a step back
// or another level-1 tag ends it.
void CGedcomReading::ApplyResets(int nLevel)
{
    CGedcomState& state = m_state;
    if (nLevel < state.m_nPrevLevel) {
        for (int n = state.m_nPrevLevel; n <= 1; ++n) // only levels 0 and 1 keep a tag
            state.m_astrLevelTags[static_cast<std::size_t>(n)].clear();
        state.m_pCurrentEvent = nullptr;
    }
    if (nLevel <= 1 && state.m_astrLevelTags[static_cast<std::size_t>(nLevel)] != m_strCurrentTag)
        state.m_pCurrentEvent = nullptr;
}

void CGedcomReading::Flush()
{
    if (!m_bPending)
        return;
    m_bPending = false;
    m_state.m_bContinuation = true;
    ParseGedcomLine(*m_pDoc, m_state, m_state.m_nRecordKind, m_nPendingLevel, m_strCurrentTag, m_strBase);
}

} // namespace

namespace {

// Whether a trimmed line has nothing for NormaliseGedcomLine to change: its
// first slash and its opening parentheses first or after a blank, no two
// blanks in a row. Eight bytes at a time, as every name passes here, and every
// line that is not ASCII.
bool IsPlainLine(std::string_view line, bool bNameLine)
{
    std::size_t i = 0;
    bool bSlash = !bNameLine; // the first slash is behind, or has no blank to get
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t afterBlanks = 0x80; // the first byte counts as one
        for (; i + 8 <= line.size(); i += 8) {
            const std::uint64_t word = WordAt(line.data() + i);
            const std::uint64_t blanks = BytesEqualTo(word, ' ');
            std::uint64_t slashes = bSlash ? 0 : BytesEqualTo(word, '/');
            slashes &= ~slashes + 1;
            bSlash = bSlash || slashes != 0;
            afterBlanks |= blanks << 8;
            if (((slashes | BytesEqualTo(word, '(')) & ~afterBlanks) | (blanks & afterBlanks))
                return false;
            afterBlanks = blanks >> 56;
        }
    }
    for (; i < line.size(); ++i) {
        const char c = line[i];
        const bool bAfterBlank = i == 0 || line[i - 1] == ' ';
        if ((((c == '/' && !bSlash) || c == '(') && !bAfterBlank) || (c == ' ' && i > 0 && bAfterBlank))
            return false;
        bSlash = bSlash || c == '/';
    }
    return true;
}

} // namespace

std::string_view NormalGedcomLine(std::string_view line, std::string& strNormal, bool bPersonRecord)
{
    line = TrimLine(line);
    if (IsPlainLine(line, bPersonRecord && IsNameLine(line)))
        return line;
    NormaliseGedcomLine(line, strNormal, bPersonRecord);
    return strNormal;
}

CReadResult ReadGedcomFile(const std::wstring& strPath)
{
    return CGedcomReading(true).Read(strPath);
}

CReadResult ReadGedcom(std::string_view bytes)
{
    return CGedcomReading(true).Read(bytes);
}

CReadResult ReadGedcomPackage(const std::wstring& strPath, std::string_view gedcom,
                              std::unique_ptr<const CMediaArchive> pArchive)
{
    return CGedcomReading(true).ReadPackage(strPath, gedcom, std::move(pArchive));
}

CReadResult FailedReading(const std::wstring& strPath, const std::wstring& strReason)
{
    return CGedcomReading(true).FailedAt(strPath, strReason);
}

CReadResult ReadGedcomLineByLine(std::string_view bytes)
{
    return CGedcomReading(false).Read(bytes);
}

// The tag is read as the reader reads it once blank runs are collapsed: it
// starts after the level's digits and one character.
template <class TChar>
bool IsNameLine(std::basic_string_view<TChar> line)
{
    std::size_t i = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9')
        ++i;
    if (i == 0 || i == line.size())
        return false;
    if (line[i++] == ' ')
        while (i < line.size() && line[i] == ' ')
            ++i;
    const std::basic_string_view<TChar> rest = line.substr(i);
    return rest.size() >= 4 && rest[0] == 'N' && rest[1] == 'A' && rest[2] == 'M' && rest[3] == 'E' &&
           (rest.size() == 4 || rest[4] == ' ');
}

template bool IsNameLine(std::string_view line);
template bool IsNameLine(std::wstring_view line);

template <class TChar>
void NormaliseGedcomLine(std::basic_string_view<TChar> line, std::basic_string<TChar>& out, bool bPersonRecord)
{
    const auto isWhite = [](TChar c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!line.empty() && isWhite(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && isWhite(line.back()))
        line.remove_suffix(1);
    out.clear();
    if (line.empty())
        return;
    // The blank before the first slash sets a surname apart from the given
    // names; in any other value a slash is kept as written: a dual year
    // 1693/94, a place Orleanais/Centre, an address.
    const std::size_t nFirstSlash = bPersonRecord && IsNameLine(line) ? line.find(TChar('/')) : line.npos;
    const bool bParentheses = line[0] != '('; // the scan stops at a leading one
    for (std::size_t i = 0; i < line.size(); ++i) {
        const TChar c = line[i];
        if (i > 0 && line[i - 1] != ' ' && (i == nFirstSlash || (c == '(' && bParentheses)))
            out.push_back(' ');
        else if (c == ' ' && out.back() == ' ')
            continue;
        out.push_back(c);
    }
}

template void NormaliseGedcomLine(std::string_view line, std::string& out, bool bPersonRecord);
template void NormaliseGedcomLine(std::wstring_view line, std::wstring& out, bool bPersonRecord);
