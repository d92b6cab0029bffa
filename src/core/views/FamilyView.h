#pragma once

#include "core/platform/Message.h"
#include "core/views/PageMedia.h"
#include "core/views/ViewOptions.h"

#include <string>
#include <vector>

class CDocument;

/// One row of a family's children list.
struct CChildRow {
    int m_nImage = 2; ///< 0 a son, 1 a child of any other sex, 2 no picture (the "No information" row)
    std::wstring m_strBirthDate;
    std::wstring m_strName;
    int m_nPerson = -1;   ///< -1 for the "No information" row
    int m_nBirthKey = -1; ///< ComputeGedcomDateKey of the birth date: the Birthdate column's order
};

/// Everything the family view of a person shows.
struct CFamilyContent {
    std::wstring m_strHusbandBox;
    std::wstring m_strWifeBox;
    bool m_bPersonOnHusbandSide = false; ///< the person's sex is "M"
    bool m_bPersonDeceased = false;      ///< the person has a death or a burial record
    bool m_bSpousesDeceased = true;      ///< false when a listed spouse has neither
    std::wstring m_strNotesHtml;         ///< the family notes page body; empty: "No family notes"
    std::vector<CMediaItem> m_notesMedia; ///< the families' media, keyed on the notes page by their place here
    bool m_bChildrenListed = false;
    std::vector<CChildRow> m_children; ///< sorted by birth date, ascending
    CMessages m_messages;              ///< what the view says when it closes instead
    bool m_bClose = false;
};

/// The family view of person `nPerson`, an index of the document's persons.
CFamilyContent BuildFamilyView(const CDocument& doc, int nPerson, const CViewOptions& options);

/// Orders the rows by column 1 (birth date, by m_nBirthKey) or 2 (name), as a
/// tap on the column's header does; equal keys keep their order.
void SortChildRows(std::vector<CChildRow>& rows, int nColumn, bool bAscending);

/// The persons whose pages Husband (strWantedSex "M") or Wife ("F") opens, one
/// after another: the person itself when of that sex, else its spouses in file
/// order. `bNoOwnFamily` is set when the person has no own family, and the
/// view then warns "No information about spouse".
std::vector<int> FamilySidePersons(const CDocument& doc, int nPerson, const std::wstring& strWantedSex,
                                   bool& bNoOwnFamily);
