#include "core/views/PageSources.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"
#include "core/views/EventText.h"

#include <algorithm>
#include <cwctype>

namespace {

bool StartsWithScheme(std::wstring_view text)
{
    return text.starts_with(L"http://") || text.starts_with(L"https://");
}

bool IsPointer(std::wstring_view text)
{
    return text.size() >= 3 && text.front() == L'@' && text.back() == L'@';
}

// Where an address written in running text ends: at a blank, a quote or
// markup, and without the punctuation that ends the sentence around it.
std::size_t AddressEnd(std::wstring_view text, std::size_t nStart)
{
    std::size_t nEnd = nStart;
    while (nEnd < text.size() && !std::iswspace(text[nEnd]) && text[nEnd] != L'<' && text[nEnd] != L'"' &&
           text[nEnd] != L'\'')
        ++nEnd;
    while (nEnd > nStart && std::wstring_view(L".,;:!?)]").find(text[nEnd - 1]) != std::wstring_view::npos)
        --nEnd;
    return nEnd;
}

std::wstring SubLabelLine(int nLabel, const std::wstring& strValue)
{
    if (strValue.empty())
        return {};
    return kSubLabelOpen + LoadLangString(nLabel) + L": " + kSubLabelClose + strValue + L"<br>";
}

// Notes under a source or a citation are labelled as those under an event.
std::wstring SubNotes(const CDocument& doc, const CNoteList& notes)
{
    std::wstring strNotes = FormatListSection(doc, notes);
    for (const auto& [from, to] : {std::pair(kLabelOpen, kSubLabelOpen), std::pair(kLabelClose, kSubLabelClose)}) {
        const std::wstring_view strFrom(from);
        for (std::size_t nPos = strNotes.find(strFrom); nPos != std::wstring::npos;
             nPos = strNotes.find(strFrom, nPos))
            strNotes.replace(nPos, strFrom.size(), to);
    }
    return strNotes;
}

std::wstring LinkLines(const CDocument& doc, const CTextList& links)
{
    std::wstring strLines;
    for (const CText link : doc.Items(links)) {
        const std::wstring strLink = doc.Str(link);
        strLines += (StartsWithScheme(strLink) ? LinkMarkup(strLink) : EscapeHtml(strLink)) + L"<br>";
    }
    return strLines;
}

constexpr int kQualityWords[] = {IDS_QUALITY_UNRELIABLE, IDS_QUALITY_QUESTIONABLE, IDS_QUALITY_SECONDARY,
                                 IDS_QUALITY_PRIMARY};

} // namespace

std::wstring LinkMarkup(std::wstring_view url)
{
    std::wstring strHref;
    for (const wchar_t c : url) {
        switch (c) {
        case L'&': strHref += L"&amp;"; break;
        case L'"': strHref += L"%22"; break;
        case L'<': strHref += L"%3C"; break;
        case L'>': strHref += L"%3E"; break;
        default: strHref += c;
        }
    }
    return L"<a href=\"" + strHref + L"\">" + EscapeHtml(url) + L"</a>";
}

std::wstring MarkLinks(std::wstring_view markup)
{
    std::wstring strOut;
    bool bInTag = false;
    bool bInLink = false;
    for (std::size_t i = 0; i < markup.size();) {
        const wchar_t c = markup[i];
        if (bInTag) {
            bInTag = c != L'>';
        } else if (c == L'<') {
            bInTag = true;
            const std::wstring_view tag = markup.substr(i + 1, 2);
            if (tag.size() == 2 && (tag[0] == L'a' || tag[0] == L'A') && (tag[1] == L' ' || tag[1] == L'>'))
                bInLink = true;
            else if (tag.size() == 2 && tag[0] == L'/' && (tag[1] == L'a' || tag[1] == L'A'))
                bInLink = false;
        } else if (!bInLink && c == L'h' && StartsWithScheme(markup.substr(i))) {
            const std::size_t nEnd = AddressEnd(markup, i);
            if (nEnd > markup.find(L"//", i) + 2) {
                strOut += LinkMarkup(markup.substr(i, nEnd - i));
                i = nEnd;
                continue;
            }
        }
        strOut += c;
        ++i;
    }
    return strOut;
}

std::wstring AppendSection(std::wstring strBody, const std::wstring& strSection)
{
    if (strSection.empty())
        return strBody;
    if (!strBody.empty() && !strBody.ends_with(L"<br><br>"))
        strBody += L"<br>";
    return strBody + strSection;
}

std::wstring WithMarks(std::wstring strBlock, const std::wstring& strMarks)
{
    if (strMarks.empty() || strBlock.empty())
        return strBlock;
    const std::size_t nBreak = strBlock.find(L"<br>");
    strBlock.insert(nBreak == std::wstring::npos ? strBlock.size() : nBreak, strMarks);
    return strBlock;
}

CPageSources::CPageSources(const CDocument& doc, CCitedKind kind, int nRecord, const CDateStyle& dates)
    : m_doc(doc), m_dates(dates), m_citations(doc.CitationsOf(kind, nRecord))
{
}

std::wstring CPageSources::NameMarks()
{
    const std::wstring strNameMarks = Marks([](const CCitation& citation) { return citation.m_nOwner == kCitedName; });
    return strNameMarks + Marks([](const CCitation& citation) { return citation.m_nOwner == kCitedRecord; });
}

std::wstring CPageSources::EventMarks(const CEventInfo& event)
{
    return Marks([this, &event](const CCitation& citation) {
        return citation.m_nOwner != kCitedRecord && citation.m_nOwner != kCitedName &&
               &m_doc.EventNumbered(citation.m_nOwner) == &event;
    });
}

template <class TCites>
std::wstring CPageSources::Marks(TCites cites)
{
    std::vector<int> numbers;
    for (const CCitation* pCitation : m_citations) {
        if (!cites(*pCitation))
            continue;
        const int nNumber = NumberOf(*pCitation);
        if (std::find(numbers.begin(), numbers.end(), nNumber) == numbers.end())
            numbers.push_back(nNumber);
    }
    std::wstring strMarks;
    for (const int nNumber : numbers) {
        const std::wstring strNumber = std::to_wstring(nNumber);
        strMarks += L" <a href=\"#source" + strNumber + L"\">[" + strNumber + L"]</a>";
    }
    return strMarks;
}

// Citations of one source share its number: pointers by the source's id,
// inline ones by their text.
int CPageSources::NumberOf(const CCitation& citation)
{
    const std::string_view key = m_doc.Bytes(citation.m_strSource);
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        CCitedSource& source = m_sources[i];
        if (source.m_bInline == citation.m_bInline && source.m_key == key) {
            source.m_citations.push_back(&citation);
            return static_cast<int>(i) + 1;
        }
    }
    m_sources.push_back({citation.m_bInline, key, {&citation}});
    return static_cast<int>(m_sources.size());
}

std::wstring CPageSources::Section() const
{
    if (m_sources.empty())
        return {};
    std::wstring strSection = kLabelOpen + LoadLangString(IDS_SOURCES) + L":" + kLabelClose + L"<br>";
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        const std::wstring strNumber = std::to_wstring(i + 1);
        strSection += L"<a name=\"source" + strNumber + L"\"></a>" + kLabelOpen + L"[" + strNumber + L"] " +
                      kLabelClose + SourceEntry(m_sources[i]);
    }
    return strSection + L"<br>";
}

std::wstring CPageSources::SourceEntry(const CCitedSource& source) const
{
    const CCitation& first = *source.m_citations.front();
    std::wstring strEntry;
    if (source.m_bInline) {
        strEntry = MarkLinks(m_doc.Str(first.m_strSource)) + L"<br>";
    } else {
        const int nRecord = m_doc.FindSourceById(first.m_strSource);
        strEntry = nRecord < 0 ? m_doc.Str(first.m_strSource) + L"<br>"
                               : SourceRecordLines(m_doc.Sources()[nRecord]);
    }
    // The same page cited twice, for a birth and a death, is listed once.
    std::vector<std::wstring> lines;
    for (const CCitation* pCitation : source.m_citations) {
        std::wstring strLines = CitationLines(*pCitation);
        if (!strLines.empty() && std::find(lines.begin(), lines.end(), strLines) == lines.end())
            lines.push_back(std::move(strLines));
    }
    for (const std::wstring& strLines : lines)
        strEntry += strLines;
    return strEntry;
}

std::wstring CPageSources::SourceRecordLines(const CSourceRecord& record) const
{
    std::wstring strTitle = m_doc.Str(record.m_strTitle);
    if (strTitle.empty())
        strTitle = m_doc.Str(record.m_strAbbreviation);
    if (strTitle.empty())
        strTitle = m_doc.Str(record.m_strId);
    std::wstring strRepository = m_doc.Str(record.m_strRepository);
    if (IsPointer(strRepository)) {
        const int nRepository = m_doc.FindRepositoryById(record.m_strRepository);
        strRepository = nRepository < 0 ? std::wstring() : m_doc.Str(m_doc.Repositories()[nRepository].m_strName);
    }
    std::wstring strText = m_doc.Str(record.m_strText);
    if (!strText.empty())
        strText = L"<i>" + MarkLinks(strText) + L"</i><br>";
    return MarkLinks(strTitle) + L"<br>" + SubLabelLine(IDS_AUTHOR, m_doc.Str(record.m_strAuthor)) +
           SubLabelLine(IDS_PUBLICATION, MarkLinks(m_doc.Str(record.m_strPublication))) +
           SubLabelLine(IDS_REPOSITORY, strRepository) + strText + LinkLines(m_doc, record.m_astrLinks) +
           SubNotes(m_doc, record.m_notes);
}

// One line of what the citation adds, its texts, links and notes under it.
std::wstring CPageSources::CitationLines(const CCitation& citation) const
{
    std::wstring strLine;
    const auto add = [&strLine](int nLabel, const std::wstring& strValue) {
        if (strValue.empty())
            return;
        if (!strLine.empty())
            strLine += L"; ";
        strLine += kSubLabelOpen + LoadLangString(nLabel) + L": " + kSubLabelClose + strValue;
    };
    add(IDS_PAGE, MarkLinks(m_doc.Str(citation.m_strPage)));
    add(IDS_DATE, FormatGedcomDate(m_doc.Str(citation.m_strDate), DateTextMode::Display, m_dates));
    if (citation.m_nQuality >= 0)
        add(IDS_QUALITY, LoadLangString(kQualityWords[citation.m_nQuality]));
    std::wstring strLines = strLine.empty() ? std::wstring() : L"\u2022 " + strLine + L"<br>";
    for (const CText text : m_doc.Items(citation.m_astrTexts))
        strLines += L"<i>" + MarkLinks(m_doc.Str(text)) + L"</i><br>";
    return strLines + LinkLines(m_doc, citation.m_astrLinks) + SubNotes(m_doc, citation.m_notes);
}
