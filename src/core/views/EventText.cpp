#include "core/views/EventText.h"

#include "core/model/Dates.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/views/PageSources.h"

#include <string_view>

namespace {

void ReplaceAll(std::wstring& strText, std::wstring_view from, std::wstring_view to)
{
    for (std::size_t pos = strText.find(from); pos != std::wstring::npos;
         pos = strText.find(from, pos + to.size()))
        strText.replace(pos, from.size(), to);
}

std::wstring SubLabelLine(const std::wstring& strLabel, const std::wstring& strValue)
{
    if (strValue.empty())
        return {};
    return kSubLabelOpen + strLabel + L": " + kSubLabelClose + strValue + L"<br>";
}

std::wstring NonEmptyLine(const std::wstring& strText)
{
    return strText.empty() ? std::wstring() : strText + L"<br>";
}

template <class TItemText>
std::wstring FormatSection(int nLast, const std::wstring& strLabel, TItemText itemText)
{
    std::wstring strItems;
    for (int i = 0; i <= nLast; ++i) {
        const std::wstring strItem = itemText(i);
        if (strItem.empty())
            continue;
        if (nLast > 0)
            strItems += kLabelOpen + std::to_wstring(i + 1) + L". " + kLabelClose;
        strItems += strItem;
        if (i < nLast)
            strItems += L"<br>";
    }
    if (strItems.empty())
        return {};
    return kLabelOpen + strLabel + (nLast > 0 ? L":" : L"") + kLabelClose + L"<br>" + strItems + L"<br>";
}

// A note is markup, but a comment it opens and never closes would hide the
// rest of the page; it is closed where the note ends.
std::wstring NoteMarkup(std::wstring_view text)
{
    std::wstring strMarkup = MarkLinks(text);
    const std::size_t nOpen = text.rfind(L"<!--");
    if (nOpen != std::wstring_view::npos && text.find(L"-->", nOpen + 4) == std::wstring_view::npos)
        strMarkup += L" -->";
    return strMarkup;
}

} // namespace

std::wstring GetBornLabel(const std::wstring& strSex)
{
    const CEventLabels& labels = CEventInfo::theLabels;
    return strSex == L"M" ? labels.m_strBornMale : labels.m_strBornFemale;
}

std::wstring GetDiedLabel(const std::wstring& strSex)
{
    const CEventLabels& labels = CEventInfo::theLabels;
    return strSex == L"M" ? labels.m_strDiedMale : labels.m_strDiedFemale;
}

std::wstring FormatListSection(const CDocument& doc, const CEventList& list, const CDateStyle& dates,
                              const CEventMarks& marks)
{
    // The list has no label of its own; its events are all of one kind.
    if (list.IsEmpty())
        return {};
    return FormatSection(list.GetLast(), GetLabel(doc.Event(list, 0), L""), [&](int i) {
        const CEventInfo& event = doc.Event(list, i);
        std::wstring strDetails = FormatDetails(doc, event, dates);
        return marks ? WithMarks(std::move(strDetails), marks(event)) : strDetails;
    });
}

std::wstring FormatListSection(const CDocument& doc, const CNoteList& list)
{
    // Every note shown passes here, so a pointer to a note record is followed
    // here and nowhere else.
    const std::span<const CNote> notes = doc.Items(list);
    return FormatSection(list.GetLast(), CNote::theLabel, [&](int i) {
        return NoteMarkup(doc.ResolveNoteText(notes[static_cast<std::size_t>(i)].m_strText));
    });
}

std::wstring FormatDetails(const CDocument& doc, const CEventInfo& event, const CDateStyle& dates)
{
    const CEventLabels& labels = CEventInfo::theLabels;
    std::wstring strDetails = NonEmptyLine(doc.Str(event.m_strValue)) + NonEmptyLine(doc.Str(event.m_strType));
    if (!event.m_bDateShown)
        strDetails += NonEmptyLine(event.GetDateText(doc, DateTextMode::Display, dates));
    strDetails += SubLabelLine(labels.m_strAge, doc.Str(event.m_strAge));
    strDetails += SubLabelLine(labels.m_strCause, doc.Str(event.m_strCause));
    strDetails += SubLabelLine(labels.m_strPlace, doc.Str(event.m_strPlace));
    // Notes sit under the event, so their label is a sub-label.
    std::wstring strNotes = FormatListSection(doc, event.m_notes);
    ReplaceAll(strNotes, kLabelOpen, kSubLabelOpen);
    ReplaceAll(strNotes, kLabelClose, kSubLabelClose);
    return strDetails + strNotes;
}

std::wstring FormatDatedDetails(const CDocument& doc, const CEventInfo& event, const CDateStyle& dates)
{
    const std::wstring strDate = event.GetDateText(doc, DateTextMode::Display, dates);
    event.m_bDateShown = 1;
    const std::wstring strDetails = FormatDetails(doc, event, dates);
    if (strDate.empty() && strDetails.empty())
        return {};
    return strDate + L"<br>" + strDetails;
}

std::wstring GetLabel(const CEventInfo& event, const std::wstring& strSex)
{
    const CEventLabels& labels = CEventInfo::theLabels;
    switch (event.m_nKind) {
    case kEventBirth: return GetBornLabel(strSex);
    case kEventDeath: return GetDiedLabel(strSex);
    case kEventChristening: return labels.m_strChristening;
    case kEventOccupation: return labels.m_strOccupation;
    case kEventReligion: return labels.m_strReligion;
    case kEventMarriage: return labels.m_strMarriage;
    case kEventDivorce: return labels.m_strDivorced;
    case kEventBurial: return labels.m_strFuneral;
    case kEventWill: return labels.m_strWill;
    default: return labels.m_strEvents;
    }
}

std::wstring FormatBlock(const CDocument& doc, const CEventInfo& event, const std::wstring& strSex,
                         const CDateStyle& dates)
{
    const std::wstring strLabel = GetLabel(event, strSex);
    switch (event.m_nKind) {
    // Shown whenever there is something to show, present or not.
    case kEventBirth:
    case kEventBurial:
    case kEventWill: {
        const std::wstring strText = FormatDatedDetails(doc, event, dates);
        if (strText.empty())
            return {};
        return kLabelOpen + strLabel + L": " + kLabelClose + strText;
    }
    // Shown, if only as its label, whenever the file mentioned the event.
    case kEventDeath:
    case kEventChristening:
    case kEventMarriage:
    case kEventDivorce: {
        if (!event.m_bPresent)
            return {};
        const std::wstring strText = FormatDatedDetails(doc, event, dates);
        if (strText.empty())
            return kLabelOpen + strLabel + kLabelClose + L"<br>";
        return kLabelOpen + strLabel + kLabelClose + L": " + strText;
    }
    default:
        return {};
    }
}
