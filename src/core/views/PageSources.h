#pragma once

#include "core/model/Dates.h"
#include "core/model/Document.h"

#include <string>
#include <string_view>
#include <vector>

/// The citations of one person or family as a page shows them: reference
/// marks after what they cite, and a section that lists each cited source
/// once, numbered in the order in which the page first cites it. Marks are
/// asked for in page order.
class CPageSources {
public:
    CPageSources(const CDocument& doc, CCitedKind kind, int nRecord, const CDateStyle& dates);

    /// " [1] [2]" for the citations of the name, then of the record as a whole;
    /// empty when there are none.
    std::wstring NameMarks();
    /// The same for the citations of one event.
    std::wstring EventMarks(const CEventInfo& event);
    /// The "Sources" section; empty when nothing is cited.
    std::wstring Section() const;

private:
    struct CCitedSource {
        bool m_bInline = false;
        std::string_view m_key; ///< the source's id, or the inline text
        std::vector<const CCitation*> m_citations;
    };

    template <class TCites>
    std::wstring Marks(TCites cites);
    int NumberOf(const CCitation& citation);
    std::wstring SourceEntry(const CCitedSource& source) const;
    std::wstring SourceRecordLines(const CSourceRecord& record) const;
    std::wstring CitationLines(const CCitation& citation) const;

    const CDocument& m_doc;
    CDateStyle m_dates;
    std::vector<const CCitation*> m_citations;
    std::vector<CCitedSource> m_sources;
};

/// `strBody` and then, after an empty line, `strSection`.
std::wstring AppendSection(std::wstring strBody, const std::wstring& strSection);

/// `strBlock` with `strMarks` put at the end of its first line.
std::wstring WithMarks(std::wstring strBlock, const std::wstring& strMarks);

/// Markup with every bare http or https address made a link; addresses
/// already inside a tag or a link stay as they are.
std::wstring MarkLinks(std::wstring_view markup);

/// A link to `url` that shows the address itself.
std::wstring LinkMarkup(std::wstring_view url);
