#pragma once

#include "core/model/CountedList.h"
#include "core/model/Note.h"

#include <memory>
#include <string>

enum class DateTextMode;

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
/// wrote them. A generic EVEN event is a plain CEventInfo.
class CEventInfo {
public:
    CEventInfo();
    virtual ~CEventInfo() = default;
    CEventInfo(const CEventInfo&) = delete;
    CEventInfo& operator=(const CEventInfo&) = delete;

    int m_nKind = kEventKindNone;
    bool m_bPresent = false; ///< the event's own tag line has been read
    std::wstring m_strValue; ///< text on the tag line: DEAT Y, the occupation, ...
    std::wstring m_strType;
    std::wstring m_strDate; ///< raw GEDCOM date text
    std::wstring m_strAge;
    std::wstring m_strCause;
    CNoteList m_notes;
    std::wstring m_strPlace;
    /// 1 when the date is shown apart from the details, which then leave it out.
    int m_bDateShown = 0;

    /// The date as text; the stored value itself when it is empty or the mode is Raw.
    std::wstring GetDateText(DateTextMode mode) const;

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

using CEventList = COwningList<CEventInfo>;

/// An event that every person (or family) has, such as its birth. Most records
/// mention few of them, so one is only made when the file mentions it; until
/// then reading it gives an empty event of its kind. A million persons would
/// otherwise carry five million empty events.
template <class TEvent>
class CEventSlot {
public:
    const TEvent& operator*() const { return m_pEvent ? *m_pEvent : Empty(); }
    const TEvent* operator->() const { return &**this; }

    /// Whether the event has been made; a view that marks events asks first,
    /// so that showing a record does not make its absent events.
    bool IsMade() const { return m_pEvent != nullptr; }

    /// The event itself, made on first use, for the reader and for the marks
    /// the views set.
    TEvent& Edit()
    {
        if (!m_pEvent)
            m_pEvent = std::make_unique<TEvent>();
        return *m_pEvent;
    }

private:
    static const TEvent& Empty()
    {
        static const TEvent theEmpty;
        return theEmpty;
    }

    std::unique_ptr<TEvent> m_pEvent;
};
