#pragma once

#include "core/model/CountedList.h"
#include "core/model/EventInfo.h"
#include "core/model/Note.h"

#include <string>

/// One FAM record. Spouses and children are person ids as the file wrote them.
class CFamily {
public:
    CFamily() = default;
    CFamily(const CFamily&) = delete;
    CFamily& operator=(const CFamily&) = delete;

    std::wstring m_strId; ///< @F3@
    std::wstring m_strHusband;
    std::wstring m_strWife;
    CStringList m_astrChildren; ///< in file order
    CEventSlot<CMarriageEvent> m_marriage;
    CEventSlot<CDivorceEvent> m_divorce;
    CEventList m_events;
    CNoteList m_notes;
    int m_bDivorced = 0; ///< 1 once a DIV line has been read
};
