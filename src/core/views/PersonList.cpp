#include "core/views/PersonList.h"

#include "core/model/Dates.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/platform/Collator.h"
#include "core/platform/Message.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// The criteria as the persons are tested against them: names lower-cased
// once, the bounds as date keys.
struct CPersonFilter {
    const CDocument& m_doc;
    const CNameStyle& m_names;
    std::wstring m_strFirst;
    std::wstring m_strLast;
    std::wstring m_strFull;
    bool m_bNoBirthYear = false;
    bool m_bFrom = false;
    bool m_bTo = false;
    CDateKey m_from;
    CDateKey m_to;

    CPersonFilter(const CDocument& doc, const CNameStyle& names, const CPersonListCriteria& criteria)
        : m_doc(doc), m_names(names), m_strFirst(criteria.m_strFirstFilter), m_strLast(criteria.m_strLastFilter),
          m_strFull(criteria.m_strFullFilter), m_bNoBirthYear(criteria.m_bNoBirthYear),
          m_bFrom(!criteria.m_strBirthFrom.empty()), m_bTo(!criteria.m_strBirthTo.empty()),
          m_from(criteria.m_strBirthFrom), m_to(criteria.m_strBirthTo)
    {
        MakeLowerCase(m_strFirst);
        MakeLowerCase(m_strLast);
        MakeLowerCase(m_strFull);
    }

    bool IsSearch() const
    {
        return !m_strFirst.empty() || !m_strLast.empty() || !m_strFull.empty() || m_bNoBirthYear || m_bFrom ||
               m_bTo;
    }

    bool Accepts(const CPerson& person) const
    {
        if (!m_strFirst.empty() && !Contains(person.GetFirstName(m_doc), m_strFirst))
            return false;
        if (!m_strLast.empty() && !Contains(person.GetLastName(m_doc, m_names), m_strLast))
            return false;
        if (!m_strFull.empty() && !Contains(person.GetFullName(m_doc, m_names), m_strFull))
            return false;
        const CDateStyle dotted;
        if (m_bNoBirthYear)
            return CDateKey(person.GetBirthDateText(m_doc, DateTextMode::Dotted, dotted)).GetKey() == -1;
        if (!m_bFrom && !m_bTo)
            return true;
        const CDateKey birth(person.GetBirthDateText(m_doc, DateTextMode::Dotted, dotted));
        if (!m_bTo)
            return birth.GetText() == m_from.GetText();
        if (!m_bFrom)
            return birth.GetText() == m_to.GetText();
        return m_from.GetKey() <= birth.GetKey() && birth.GetKey() <= m_to.GetKey();
    }

    static bool Contains(std::wstring strName, const std::wstring& strPart)
    {
        MakeLowerCase(strName);
        return strName.find(strPart) != std::wstring::npos;
    }
};

// What an entry's bracket of dates and age mostly takes, made room for with
// the name, so that an entry costs one allocation.
std::size_t ListDetailsRoom(const CListOptions& list)
{
    return list.m_bBirthDate || list.m_bDeathDate || list.m_bAge ? 32 : 0;
}

void AppendListDetails(const CDocument& doc, const CPerson& person, const CViewOptions& options, std::wstring& text)
{
    const CListOptions& list = options.m_list;
    CEventInfo::LoadEventLabels();
    const std::wstring_view deathMark = std::wstring_view(CEventInfo::theLabels.m_strDiedMale).substr(0, 1);
    text.reserve(text.size() + ListDetailsRoom(list));
    // A list asks for the dates of every person: they are read and made in strings kept for it.
    thread_local std::wstring strStored;
    thread_local std::wstring strBirth;
    thread_local std::wstring strDeath;
    thread_local std::wstring strBirthFilled;
    thread_local std::wstring strDeathFilled;
    thread_local std::wstring strAge;
    const auto formatDate = [&](const CEventInfo& event, std::wstring& strDisplay, std::wstring& strFilled) {
        strStored.clear();
        doc.AppendTo(event.m_strDate, strStored);
        if (list.m_bAge)
            FormatListDateTo(strDisplay, strFilled, strStored, options.m_dates);
        else
            FormatGedcomDateTo(strDisplay, strStored, DateTextMode::Display, options.m_dates);
    };
    const CEventInfo& death = doc.Event(person.m_death);
    if (list.m_bBirthDate || list.m_bAge)
        formatDate(doc.Event(person.m_birth), strBirth, strBirthFilled);
    if (list.m_bDeathDate || (list.m_bAge && death.m_bPresent))
        formatDate(death, strDeath, strDeathFilled);
    bool bOpen = false;
    if (list.m_bBirthDate && !strBirth.empty()) {
        text += L" [";
        AppendListDate(text, strBirth, list);
        bOpen = true;
    }
    bool bDeathShown = false;
    if (list.m_bDeathDate && !strDeath.empty()) {
        if (list.m_bBirthDate) {
            text += bOpen ? L" - " : L" [? - ";
        } else {
            text += L" [";
            text += deathMark;
            text += L' ';
        }
        AppendListDate(text, strDeath, list);
        bOpen = bDeathShown = true;
    }
    if (list.m_bAge) {
        FormatAgeTo(strAge, strBirthFilled, death.m_bPresent, strDeathFilled);
        if (!strAge.empty()) {
            text += bOpen ? L" / " : L" [";
            text += strAge;
            bOpen = true;
        }
    } else if (death.m_bPresent && !bDeathShown) {
        text += bOpen ? L" - " : L" [";
        text += deathMark;
        bOpen = true;
    }
    if (bOpen)
        text += L']';
}

std::wstring MakeCaption(std::size_t nEntries)
{
    std::wstring strCount;
    AppendDecimal(strCount, static_cast<long long>(nEntries));
    std::wstring strCaption = LoadLangString(IDS_SELECT_PERSON) + L" (";
    if (theStringOffset == 0) {
        strCaption += strCount + L' ' + LoadLangString(IDS_PERSONS_IN_TOTAL);
    } else {
        // The Russian text ends in its own blank ("всего: "); a second one
        // would show as a gap.
        strCaption += LoadLangString(IDS_PERSONS_IN_TOTAL);
        if (strCaption.back() != L' ')
            strCaption += L' ';
        strCaption += strCount;
    }
    return strCaption + L')';
}

// Where an entry's sort key lies in the shared key buffer. The first sixteen
// bytes, packed big-endian, settle most comparisons without touching the
// buffer: a name and a given name mostly fit in them.
struct CSortItem {
    std::uint64_t m_nHead;
    std::uint64_t m_nHead2;
    std::size_t m_nOffset;
    std::uint32_t m_nLength;
    std::uint32_t m_nEntry;
};

std::uint64_t KeyBytes(std::string_view key, std::size_t from)
{
    std::uint64_t bytes = 0;
    for (std::size_t i = from; i < from + 8; ++i)
        bytes = (bytes << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0U);
    return bytes;
}

// Sorts by the collator's keys, built once per entry into one buffer; equal
// keys keep file order.
void SortEntries(std::vector<CPersonListEntry>& entries)
{
    const CCollator& collator = GetCollator();
    std::size_t nChars = 0;
    for (const CPersonListEntry& entry : entries)
        nChars += entry.m_strText.size();
    std::string keys;
    keys.reserve(nChars + nChars / 4);
    std::vector<CSortItem> items;
    items.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t offset = keys.size();
        collator.AppendSortKey(entries[i].m_strText, keys);
        const std::string_view key = std::string_view(keys).substr(offset);
        items.push_back({KeyBytes(key, 0), KeyBytes(key, 8), offset, static_cast<std::uint32_t>(key.size()),
                         static_cast<std::uint32_t>(i)});
    }
    // By the heads first, which touches no key; then only the runs of equal
    // heads whose keys differ are ordered by their whole keys.
    std::sort(items.begin(), items.end(), [](const CSortItem& a, const CSortItem& b) {
        if (a.m_nHead != b.m_nHead)
            return a.m_nHead < b.m_nHead;
        if (a.m_nHead2 != b.m_nHead2)
            return a.m_nHead2 < b.m_nHead2;
        return a.m_nEntry < b.m_nEntry;
    });
    const std::string_view all = keys;
    const auto keyOf = [all](const CSortItem& item) { return all.substr(item.m_nOffset, item.m_nLength); };
    for (auto run = items.begin(); run != items.end();) {
        const auto end = std::find_if(run + 1, items.end(), [run](const CSortItem& item) {
            return item.m_nHead != run->m_nHead || item.m_nHead2 != run->m_nHead2;
        });
        const std::string_view first = keyOf(*run);
        if (std::any_of(run + 1, end, [&](const CSortItem& item) { return keyOf(item) != first; }))
            std::stable_sort(run, end,
                             [&](const CSortItem& a, const CSortItem& b) { return keyOf(a) < keyOf(b); });
        run = end;
    }
    std::vector<CPersonListEntry> sorted;
    sorted.reserve(entries.size());
    for (const CSortItem& item : items)
        sorted.push_back(std::move(entries[item.m_nEntry]));
    entries = std::move(sorted);
}

// A year typed alone may be closed with a point, as the formats message
// writes it; the normal form would read "1923." as a month without a year.
std::wstring_view WithoutYearPoint(std::wstring_view typed)
{
    if (typed.size() > 1 && typed.find(L'.') == typed.size() - 1)
        typed.remove_suffix(1);
    return typed;
}

// A bound typed month first (12/31/1850, 12/1850) in the day-first order
// with points that the normal form reads (31.12.1850, 12.1850).
std::wstring DayFirst(std::wstring_view typed)
{
    std::wstring strText(typed);
    std::replace(strText.begin(), strText.end(), L'/', L'.');
    const std::size_t nFirst = strText.find(L'.');
    const std::size_t nSecond = nFirst == strText.npos ? strText.npos : strText.find(L'.', nFirst + 1);
    if (nSecond == strText.npos || nSecond + 1 == strText.size())
        return strText;
    return strText.substr(nFirst + 1, nSecond - nFirst - 1) + L'.' + strText.substr(0, nFirst) +
           strText.substr(nSecond);
}

} // namespace

bool TakeBirthBound(const std::wstring& strTyped, std::wstring& strBound, CMessages& messages,
                    const CDateStyle& dates)
{
    if (strTyped.empty())
        return true;
    const std::wstring strDayFirst = dates.m_nFormat == 1 ? DayFirst(strTyped) : strTyped;
    const CDateKey key(WithoutYearPoint(strDayFirst));
    // A day above 31 or a month above 12 is no date either.
    if (key.GetText() == L"*" || key.GetDay() < 1 || key.GetDay() > 31 || key.GetMonth() < 1 ||
        key.GetMonth() > 12) {
        const int nFormats = dates.m_nFormat == 1 ? IDS_BIRTH_DATE_FORMATS_MDY : IDS_BIRTH_DATE_FORMATS;
        messages.push_back({LoadLangString(nFormats), LoadLangString(IDS_DIRECTION), CMessageIcon::Exclamation});
        return false;
    }
    strBound = key.GetText();
    return true;
}

CPersonListContent BuildPersonList(const CDocument& doc, const CPersonListCriteria& criteria,
                                   const CViewOptions& options)
{
    const CPersonFilter filter(doc, options.m_names, criteria);
    const std::size_t nRoom = ListDetailsRoom(options.m_list);
    CPersonListContent content;
    if (!filter.IsSearch())
        content.m_entries.reserve(static_cast<std::size_t>(doc.GetLastPersonIndex() + 1));
    // The criteria are tested before the display name, which costs more; a
    // person's name is still read while none has been found, for the mark.
    bool bAnyNamed = false;
    for (int i = 0; i <= doc.GetLastPersonIndex(); ++i) {
        const CPerson& person = doc.Persons()[i];
        const bool bAccepted = filter.Accepts(person);
        if (!bAccepted && bAnyNamed)
            continue;
        std::wstring strText = person.GetDisplayName(doc, options.m_names, nRoom);
        if (strText.empty())
            continue;
        bAnyNamed = true;
        if (!bAccepted)
            continue;
        AppendListDetails(doc, person, options, strText);
        content.m_entries.push_back({std::move(strText), i});
    }
    if (content.m_entries.empty()) {
        const int nMessageId = bAnyNamed && filter.IsSearch() ? IDS_DATA_NOT_FOUND : IDS_INPUT_FILE_EMPTY;
        content.m_messages.push_back(
            {LoadLangString(nMessageId), LoadLangString(IDS_MESSAGE), CMessageIcon::Exclamation});
        content.m_bClose = true;
        return content;
    }
    SortEntries(content.m_entries);
    content.m_strCaption = MakeCaption(content.m_entries.size());
    return content;
}

std::wstring FormatPersonListEntry(const CDocument& doc, const CPerson& person, const CViewOptions& options)
{
    std::wstring text = person.GetDisplayName(doc, options.m_names, ListDetailsRoom(options.m_list));
    AppendListDetails(doc, person, options, text);
    return text;
}

int SelectedPerson(int nSelected, CMessages& messages)
{
    if (nSelected >= 0)
        return nSelected;
    messages.push_back({LoadLangString(IDS_PLEASE_SELECT_A_PERSON), LoadLangString(IDS_DIRECTION),
                        CMessageIcon::Exclamation});
    return -1;
}

// A date of an entry: the whole display text, or when YearOnly is on its
// year (also after a qualifier word): the last four characters, or the later
// year of a dual one.
void AppendListDate(std::wstring& text, std::wstring_view date, const CListOptions& list)
{
    if (!list.m_bYearOnly || date.size() <= 4) {
        text += date;
        return;
    }
    const int nLaterYear = LaterDualYear(date);
    if (nLaterYear != 0)
        AppendDecimal(text, nLaterYear);
    else if (date.find(L'/') != date.npos)
        text += date; // a slash the dates do not read: its last four characters need not be a year
    else
        text += date.substr(date.size() - 4);
}
