#pragma once

#include "core/model/Note.h"
#include "core/model/Text.h"

#include <cstdint>

/// One SOUR record: where facts come from. Links are WWW, URL and the link
/// tags that online services write (_LINK, _WLNK), and GEDCOM 7's EXID.
struct CSourceRecord {
    CText m_strId; ///< @S1@
    CText m_strTitle;
    CText m_strAuthor;
    CText m_strPublication;
    CText m_strAbbreviation;
    CText m_strText;
    CText m_strRepository; ///< @R1@, or a repository's name written in place
    CNoteList m_notes;
    CTextList m_astrLinks;
};

/// One REPO record, kept for its name.
struct CRepositoryRecord {
    CText m_strId;
    CText m_strName;
};

// What a citation stands under, besides an event (named by its number).
constexpr std::uint32_t kCitedRecord = 0;
constexpr std::uint32_t kCitedName = 0xFFFFFFFF;

/// One source citation of a person or a family: a pointer SOUR @S1@ or a
/// source written in place, SOUR text. Its lines are its own: a DATE under it
/// is the date of the cited entry, never the event's.
struct CCitation {
    std::uint32_t m_nRecord = 0; ///< index of the person or family
    std::uint32_t m_nOwner = kCitedRecord; ///< kCitedRecord, kCitedName or an event's number
    CText m_strSource; ///< the pointer, or the inline text
    CText m_strPage;
    CText m_strDate; ///< DATA DATE
    CTextList m_astrTexts; ///< DATA TEXT, and TEXT under an inline citation
    CNoteList m_notes;
    CTextList m_astrLinks;
    std::int8_t m_nQuality = -1; ///< QUAY 0 to 3; -1 when not given or unreadable
    bool m_bInline = false;
};
