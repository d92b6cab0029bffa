#include "views/EventText.h"

#include "model/Tables.h"
#include "options/Language.h"
#include "text/Dates.h"

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

template <class TList, class TItemText>
std::wstring FormatSection(const TList& list, const std::wstring& strLabel, TItemText itemText)
{
    const int nLast = list.GetLast();
    std::wstring strItems;
    for (int i = 0; i <= nLast; ++i) {
        const std::wstring strItem = itemText(list[i]);
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
    std::wstring strMarkup(text);
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

std::wstring FormatListSection(const CEventList& list)
{
    // The list has no label of its own; its events are all of one kind.
    if (list.IsEmpty())
        return {};
    return FormatSection(list, list[0].GetLabel(L""),
                         [](const CEventInfo& event) { return event.FormatDetails(); });
}

std::wstring FormatListSection(const CNoteList& list)
{
    // Every note shown passes here, so a pointer to a note record is followed
    // here and nowhere else.
    return FormatSection(list, CNote::theLabel,
                         [](const CNote& note) { return NoteMarkup(ResolveNoteText(note.m_strText)); });
}

std::wstring CEventInfo::FormatDetails() const
{
    std::wstring strDetails = NonEmptyLine(m_strValue) + NonEmptyLine(m_strType);
    if (!m_bDateShown)
        strDetails += NonEmptyLine(GetDateText(DateTextMode::Display));
    strDetails += SubLabelLine(theLabels.m_strAge, m_strAge);
    strDetails += SubLabelLine(theLabels.m_strCause, m_strCause);
    strDetails += SubLabelLine(theLabels.m_strPlace, m_strPlace);
    // Notes sit under the event, so their label is a sub-label.
    std::wstring strNotes = FormatListSection(m_notes);
    ReplaceAll(strNotes, kLabelOpen, kSubLabelOpen);
    ReplaceAll(strNotes, kLabelClose, kSubLabelClose);
    return strDetails + strNotes;
}

std::wstring CEventInfo::FormatDatedDetails()
{
    const std::wstring strDate = GetDateText(DateTextMode::Display);
    m_bDateShown = 1;
    const std::wstring strDetails = FormatDetails();
    if (strDate.empty() && strDetails.empty())
        return {};
    return strDate + L"<br>" + strDetails;
}

std::wstring CEventInfo::FormatHeadingBlock(const std::wstring& strLabel)
{
    const std::wstring strText = FormatDatedDetails();
    if (strText.empty())
        return {};
    return kLabelOpen + strLabel + L": " + kLabelClose + strText;
}

std::wstring CEventInfo::FormatPresenceBlock(const std::wstring& strLabel)
{
    if (!m_bPresent)
        return {};
    const std::wstring strText = FormatDatedDetails();
    if (strText.empty())
        return kLabelOpen + strLabel + kLabelClose + L"<br>";
    return kLabelOpen + strLabel + kLabelClose + L": " + strText;
}

std::wstring CEventInfo::GetLabel(const std::wstring&) const
{
    return theLabels.m_strEvents;
}
std::wstring CEventInfo::FormatBlock(const std::wstring&)
{
    return {};
}

std::wstring CBirthEvent::GetLabel(const std::wstring& strSex) const
{
    return GetBornLabel(strSex);
}
std::wstring CBirthEvent::FormatBlock(const std::wstring& strSex)
{
    return FormatHeadingBlock(GetLabel(strSex));
}

std::wstring CDeathEvent::GetLabel(const std::wstring& strSex) const
{
    return GetDiedLabel(strSex);
}
std::wstring CDeathEvent::FormatBlock(const std::wstring& strSex)
{
    return FormatPresenceBlock(GetLabel(strSex));
}

std::wstring CChristeningEvent::GetLabel(const std::wstring&) const
{
    return theLabels.m_strChristening;
}
std::wstring CChristeningEvent::FormatBlock(const std::wstring& strSex)
{
    return FormatPresenceBlock(GetLabel(strSex));
}

std::wstring COccupationEvent::GetLabel(const std::wstring&) const
{
    return theLabels.m_strOccupation;
}

std::wstring CReligionEvent::GetLabel(const std::wstring&) const
{
    return theLabels.m_strReligion;
}

std::wstring CMarriageEvent::GetLabel(const std::wstring&) const
{
    return theLabels.m_strMarriage;
}
std::wstring CMarriageEvent::FormatBlock(const std::wstring& strSex)
{
    return FormatPresenceBlock(GetLabel(strSex));
}

std::wstring CDivorceEvent::GetLabel(const std::wstring&) const
{
    return theLabels.m_strDivorced;
}
std::wstring CDivorceEvent::FormatBlock(const std::wstring& strSex)
{
    return FormatPresenceBlock(GetLabel(strSex));
}

std::wstring CBurialEvent::GetLabel(const std::wstring&) const
{
    return theLabels.m_strFuneral;
}
std::wstring CBurialEvent::FormatBlock(const std::wstring& strSex)
{
    return FormatHeadingBlock(GetLabel(strSex));
}

std::wstring CWillEvent::GetLabel(const std::wstring&) const
{
    return theLabels.m_strWill;
}
std::wstring CWillEvent::FormatBlock(const std::wstring& strSex)
{
    return FormatHeadingBlock(GetLabel(strSex));
}
