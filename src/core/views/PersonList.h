#pragma once

#include "core/platform/Message.h"
#include "core/views/ViewOptions.h"

#include <string>
#include <vector>

class CDocument;
class CPerson;

/// What a person list is asked to show: nothing for the whole file, or the
/// criteria of the search form. Names are matched as typed; the birth dates are
/// already in normal form.
struct CPersonListCriteria {
    std::wstring m_strLastFilter;
    std::wstring m_strFirstFilter;
    std::wstring m_strFullFilter;
    std::wstring m_strBirthFrom;
    std::wstring m_strBirthTo;
    bool m_bNoBirthYear = false;
};

/// The normal form of a typed birth-date bound into `strBound`, nothing for an
/// empty text; false, with the formats message added to `messages`, when the
/// text is not a date. The day and month are typed in the order of `dates`
/// (day.month.year, or month/day/year). The search form checks its bounds with it.
bool TakeBirthBound(const std::wstring& strTyped, std::wstring& strBound, CMessages& messages,
                    const CDateStyle& dates);

struct CPersonListEntry {
    std::wstring m_strText;
    int m_nPerson = -1;
};

/// Everything the person list shows: its entries in order, its caption line,
/// or the message to show instead when nothing is listed.
struct CPersonListContent {
    std::vector<CPersonListEntry> m_entries;
    std::wstring m_strCaption; ///< empty when nothing is listed
    CMessages m_messages;      ///< "Data not found" or "Input file is empty..." when nothing is listed
    bool m_bClose = false;     ///< nothing is listed: the view ends after the box
};

/// Lists the persons of the document that meet the criteria, each with its
/// entry text, sorted by the collator in place.
CPersonListContent BuildPersonList(const CDocument& doc, const CPersonListCriteria& criteria,
                                   const CViewOptions& options);

/// The text of a person's entry: the display name and, as the options ask,
/// a bracket with the dates, the death mark or the age.
/// Appends a date of an entry: the whole display text, or when YearOnly is on
/// its year, the later one of a dual year.
void AppendListDate(std::wstring& text, std::wstring_view date, const CListOptions& list);

std::wstring FormatPersonListEntry(const CDocument& doc, const CPerson& person, const CViewOptions& options);

/// Turns a list-box selection into a person: the index itself, or -1 with
/// the "Please select a person" warning added to `messages` when nothing (-1)
/// is selected.
int SelectedPerson(int nSelected, CMessages& messages);
