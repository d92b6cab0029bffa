#pragma once

#include "core/model/CountedList.h"
#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/model/Text.h"

#include <string>

class CDocument;
enum class DateTextMode;
struct CDateStyle;
struct CNameStyle;

/// One INDI record. Links to families are ids as the file wrote them (@F3@).
class CPerson {
public:
    CPerson() = default;
    CPerson(const CPerson&) = delete;
    CPerson& operator=(const CPerson&) = delete;

    CText m_strId; ///< @I12@; empty when the record line has none
    CText m_strName; ///< NAME as written, surname between slashes
    CText m_strGiven;
    CText m_strSurname;
    CText m_strNick;
    CText m_strSex;
    CText m_strFamc; ///< the family in which the person is a child
    CTextList m_astrFams; ///< families in which the person is a spouse, in file order
    CEventSlot<CBirthEvent> m_birth;
    CEventSlot<CDeathEvent> m_death;
    CEventSlot<CWillEvent> m_will;
    CEventSlot<CBurialEvent> m_burial;
    CEventSlot<CChristeningEvent> m_christening;
    CEventList m_events;
    CEventList m_occupations;
    CEventList m_religions;
    CNoteList m_notes;

    // Names composed by the display options (Names.cpp).
    std::wstring GetFirstName(const CDocument& doc) const;
    std::wstring GetMiddleName(const CDocument& doc) const;
    std::wstring GetLastName(const CDocument& doc, const CNameStyle& style) const;
    std::wstring GetNameAsInTag(const CDocument& doc) const;
    std::wstring GetTagNameWithNick(const CDocument& doc, const CNameStyle& style) const;
    /// `nRoom`: characters the caller appends, made room for with the name.
    std::wstring GetDisplayName(const CDocument& doc, const CNameStyle& style, std::size_t nRoom = 0) const;
    std::wstring GetFullName(const CDocument& doc, const CNameStyle& style) const;
    std::wstring GetFullNameFirstFirst(const CDocument& doc, const CNameStyle& style) const;
    std::wstring GetShortName(const CDocument& doc, const CNameStyle& style) const;

    // The birth and death dates as text (Dates.cpp).
    std::wstring GetBirthDateText(const CDocument& doc, DateTextMode mode, const CDateStyle& style) const;
    std::wstring GetDeathDateText(const CDocument& doc, DateTextMode mode, const CDateStyle& style) const;
};
