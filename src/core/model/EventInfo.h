#pragma once

#include "core/model/CountedList.h"
#include "core/model/Note.h"
#include "core/model/Text.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CDocument;
enum class DateTextMode;
struct CDateStyle;

// Kind codes of the events; a generic EVEN event has none.
constexpr int kEventKindNone = -1;
constexpr int kEventBirth = 0;
constexpr int kEventDeath = 1;
constexpr int kEventChristening = 2;
constexpr int kEventOccupation = 3;
constexpr int kEventReligion = 4;
constexpr int kEventMarriage = 5;
constexpr int kEventDivorce = 6;
constexpr int kEventBurial = 7;
constexpr int kEventWill = 8;

/// Labels of the information pages, in the current language, shared by all events.
struct CEventLabels {
    std::wstring m_strEvents;
    std::wstring m_strCause;
    std::wstring m_strAge;
    std::wstring m_strPlace;
    std::wstring m_strBornMale;
    std::wstring m_strBornFemale;
    std::wstring m_strDiedMale;
    std::wstring m_strDiedFemale;
    std::wstring m_strChristening;
    std::wstring m_strOccupation;
    std::wstring m_strReligion;
    std::wstring m_strMarriage;
    std::wstring m_strDivorced;
    std::wstring m_strFuneral;
    std::wstring m_strWill;
};

/// One event or attribute of a person or a family, its values as the file
/// wrote them. A generic EVEN event has no kind. The kinds below only give an
/// event its kind and how its date shows; every event is a CEventInfo.
class CEventInfo {
public:
    CEventInfo();

    std::int8_t m_nKind = kEventKindNone;
    bool m_bPresent = false; ///< the event's own tag line has been read
    /// 1 when the date is shown apart from the details, which then leave it out.
    /// The one mark a view sets on a document it otherwise only reads.
    mutable std::int8_t m_bDateShown = 0;
    CText m_strValue; ///< text on the tag line: DEAT Y, the occupation, ...
    CText m_strType;
    CText m_strDate; ///< raw GEDCOM date text
    CText m_strAge;
    CText m_strCause;
    CText m_strPlace;
    CNoteList m_notes;

    /// The date as text; the stored value itself when it is empty or the mode is Raw.
    std::wstring GetDateText(const CDocument& doc, DateTextMode mode, const CDateStyle& style) const;
    /// The same into `strText`, for callers that reuse one string.
    void FormatDate(const CDocument& doc, DateTextMode mode, const CDateStyle& style, std::wstring& strText) const;

    static CEventLabels theLabels;
    /// Cleared to have LoadEventLabels read the labels again.
    static bool theLabelsLoaded;
    static void LoadEventLabels();

protected:
    CEventInfo(int nKind, int bDateShown);
};

class CBirthEvent : public CEventInfo {
public:
    CBirthEvent() : CEventInfo(kEventBirth, 1) {}
};

class CDeathEvent : public CEventInfo {
public:
    CDeathEvent() : CEventInfo(kEventDeath, 1) {}
};

class CChristeningEvent : public CEventInfo {
public:
    CChristeningEvent() : CEventInfo(kEventChristening, 1) {}
};

class COccupationEvent : public CEventInfo {
public:
    COccupationEvent() : CEventInfo(kEventOccupation, 0) {}
};

class CReligionEvent : public CEventInfo {
public:
    CReligionEvent() : CEventInfo(kEventReligion, 0) {}
};

class CMarriageEvent : public CEventInfo {
public:
    CMarriageEvent() : CEventInfo(kEventMarriage, 0) {}
};

class CDivorceEvent : public CEventInfo {
public:
    CDivorceEvent() : CEventInfo(kEventDivorce, 0) {}
};

class CBurialEvent : public CEventInfo {
public:
    CBurialEvent() : CEventInfo(kEventBurial, 0) {}
};

class CWillEvent : public CEventInfo {
public:
    CWillEvent() : CEventInfo(kEventWill, 1) {}
};

/// Every event of a document, in blocks that never move, so that an event
/// stays where it is while more are read. Number 0 is no event.
class CEventStore {
public:
    /// Stores a copy of the event; returns its number.
    std::uint32_t Add(const CEventInfo& event);
    const CEventInfo& operator[](std::uint32_t nEvent) const
    {
        return m_blocks[nEvent >> kBlockBits][nEvent & (kBlockSize - 1)];
    }
    CEventInfo& operator[](std::uint32_t nEvent)
    {
        return m_blocks[nEvent >> kBlockBits][nEvent & (kBlockSize - 1)];
    }

private:
    static constexpr unsigned kBlockBits = 14;
    static constexpr std::uint32_t kBlockSize = 1u << kBlockBits;

    std::vector<std::unique_ptr<CEventInfo[]>> m_blocks;
    std::uint32_t m_nCount = 0;
};

/// The OCCU, RELI or EVEN events of a record, in file order: numbers of the
/// events in the store of its document.
class CEventList {
public:
    int GetLast() const { return m_events.GetLast(); }
    int GetCount() const { return m_events.GetCount(); }
    bool IsEmpty() const { return m_events.IsEmpty(); }

    /// Adds a copy of the event; returns the added event.
    CEventInfo& Append(const CEventInfo& event, CEventStore& events, CCompactPool<std::uint32_t>& pool)
    {
        const std::uint32_t nEvent = events.Add(event);
        m_events.Append(nEvent, pool);
        return events[nEvent];
    }

    std::span<const std::uint32_t> Numbers(const CCompactPool<std::uint32_t>& pool) const { return m_events.Items(pool); }

private:
    CCompactList<std::uint32_t> m_events;
};

/// An event that every person (or family) has, such as its birth. Most records
/// mention few of them, so one is only made when the file mentions it; until
/// then reading it gives an empty event of its kind. A million persons would
/// otherwise carry five million empty events.
template <class TEvent>
class CEventSlot {
public:
    const CEventInfo& Get(const CEventStore& events) const { return m_nEvent != 0 ? events[m_nEvent] : Empty(); }

    /// Whether the event has been made; a view that marks events asks first,
    /// so that showing a record does not make its absent events.
    bool IsMade() const { return m_nEvent != 0; }
    /// The event's number in the store; 0 until it is made.
    std::uint32_t Number() const { return m_nEvent; }

    /// The event itself, made on first use, for the reader.
    CEventInfo& Edit(CEventStore& events)
    {
        if (m_nEvent == 0)
            m_nEvent = events.Add(TEvent());
        return events[m_nEvent];
    }

private:
    static const CEventInfo& Empty()
    {
        static const TEvent theEmpty;
        return theEmpty;
    }

    std::uint32_t m_nEvent = 0;
};
