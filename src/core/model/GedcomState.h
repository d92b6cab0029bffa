#pragma once

#include "core/model/EventInfo.h"

#include <array>
#include <cstdint>
#include <string>

// Kinds of the record being read.
constexpr int kRecordPerson = 0;
constexpr int kRecordFamily = 1;
constexpr int kRecordOther = 2;
constexpr int kRecordNote = 3; ///< NOTE or SNOTE: read by the reader alone, for its text
constexpr int kRecordSource = 4;
constexpr int kRecordRepository = 5;
constexpr int kRecordMedia = 6; ///< OBJE

/// What a citation on a level-2 line would stand under: nothing yet.
constexpr std::int64_t kNoCitedOwner = -1;

/// What the reader keeps from one line to the next; the record parser reads
/// the continuation mark and reads and sets the current event.
struct CGedcomState {
    int m_nPrevLevel = 0; ///< level of the line last delivered to the parser
    bool m_bContinuation = false; ///< the line being delivered continues the one before
    /// The tag last delivered at levels 0 and 1; deeper levels are never compared.
    std::array<std::string, 10> m_astrLevelTags;
    int m_nRecordKind = kRecordOther;
    CEventInfo* m_pCurrentEvent = nullptr; ///< the event DATE, PLAC and the like fill
    /// What the last level-1 line opened that a level-2 citation cites for:
    /// an event's number, the name, or nothing. A step back keeps it.
    std::int64_t m_nCitedOwner = kNoCitedOwner;
    int m_nCitationLevel = -1; ///< level of the SOUR line whose lines are read; -1 outside one
    int m_nCitation = -1; ///< the citation they fill; -1 when it is not kept
    int m_nMediaLevel = -1; ///< level of the OBJE line whose lines are read; -1 outside one
    int m_nMediaObject = -1; ///< the object its FILE, FORM and TITL lines fill; -1 for none
    int m_nMediaLink = -1; ///< the link that a TITL or _PRIM under a pointer fills; -1 for none
    bool m_bMediaFileOpen = false; ///< the last line under the OBJE was a FILE, whose FORM and TITL may follow

    void Reset();
};
