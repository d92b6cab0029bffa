#pragma once

#include "core/model/Document.h"
#include "core/model/EventInfo.h"
#include "core/model/Note.h"

#include <functional>
#include <string>

// The HTML of events and lists shared by the information page and the family
// notes. Values from the file go in unescaped: markup in a note is meant to render.

inline constexpr const wchar_t* kDocumentHead = L"<html><head></head><body>";
inline constexpr const wchar_t* kDocumentTail = L"</body></html>";
inline constexpr const wchar_t* kLabelOpen = L"<font color=blue><b>";
inline constexpr const wchar_t* kLabelClose = L"</b></font>";
inline constexpr const wchar_t* kSubLabelOpen = L"<font color=blue><i>";
inline constexpr const wchar_t* kSubLabelClose = L"</i></font>";

/// "Born" in the male form for "M", else in the female form.
std::wstring GetBornLabel(const std::wstring& strSex);
/// "Died" in the male form for "M", else in the female form.
std::wstring GetDiedLabel(const std::wstring& strSex);

/// The reference marks of an event's citations, as a page numbers them.
using CEventMarks = std::function<std::wstring(const CEventInfo&)>;

/// The numbered section of a list of events of one kind, empty when no item
/// has text; each item with its marks.
std::wstring FormatListSection(const CDocument& doc, const CEventList& list, const CDateStyle& dates,
                              const CEventMarks& marks = {});
/// The numbered section of notes, empty when no note has text.
std::wstring FormatListSection(const CDocument& doc, const CNoteList& list);

/// The label of the event's kind; for the kinds held in lists, the label of
/// the list. Only birth and death look at the sex.
std::wstring GetLabel(const CEventInfo& event, const std::wstring& strSex);
/// The detail lines; the date among them only while m_bDateShown is 0.
std::wstring FormatDetails(const CDocument& doc, const CEventInfo& event, const CDateStyle& dates);
/// The date line, then the detail lines; marks the date as shown for good.
std::wstring FormatDatedDetails(const CDocument& doc, const CEventInfo& event, const CDateStyle& dates);
/// The whole block of an embedded event; empty for the kinds held in lists.
std::wstring FormatBlock(const CDocument& doc, const CEventInfo& event, const std::wstring& strSex,
                         const CDateStyle& dates);

/// The block of an embedded event. An event the file never mentioned has no
/// block, and it is not made just to be marked.
template <class TEvent>
std::wstring FormatBlock(const CDocument& doc, const CEventSlot<TEvent>& slot, const std::wstring& strSex,
                         const CDateStyle& dates)
{
    return slot.IsMade() ? FormatBlock(doc, doc.Event(slot), strSex, dates) : std::wstring();
}
