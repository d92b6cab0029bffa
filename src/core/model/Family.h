#pragma once

#include "core/model/CountedList.h"
#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/model/Text.h"

#include <cstdint>
#include <string>

/// One FAM record. Spouses and children are person ids as the file wrote them.
class CFamily {
public:
    CFamily() = default;
    CFamily(const CFamily&) = delete;
    CFamily& operator=(const CFamily&) = delete;

    CText m_strId; ///< @F3@
    CText m_strHusband;
    CText m_strWife;
    CTextList m_astrChildren; ///< in file order
    CEventSlot<CMarriageEvent> m_marriage;
    CEventSlot<CDivorceEvent> m_divorce;
    CEventList m_events;
    CNoteList m_notes;
    std::int8_t m_bDivorced = 0; ///< 1 once a DIV line has been read
};
