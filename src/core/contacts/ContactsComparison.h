#pragma once

#include "core/contacts/VCard.h"
#include "core/model/Dates.h"
#include "core/platform/Message.h"

#include <string>
#include <vector>

class CDocument;

/// What File / Compare with Contacts shows, in this order: the box, if any,
/// without owner; else the differences page; then the matches page, if any.
/// A page is a body for MakePageDocument, shown in text mode.
struct CContactsComparison {
    std::wstring m_strMessage; ///< empty: no box
    std::wstring m_strCaption;
    CMessageIcon m_icon = CMessageIcon::Stop;
    std::wstring m_strDifferencesBody; ///< empty when a box is shown instead
    std::wstring m_strMatchesBody; ///< empty: no matched contact, or a failure
};

/// Compares the contacts, in the order given, with the persons by full name;
/// the dates are shown in `style`. A card that cannot be read, and a contact
/// found whose birthday is no date, are listed at the end of the differences
/// page, each with its reason, and the others are compared.
CContactsComparison CompareContacts(const CDocument& doc, const std::vector<CContact>& contacts,
                                    const CDateStyle& style = {});

/// Reads the address book at `strPath` (ReadAddressBook) and compares it,
/// with the wait cursor shown. A failure gives its box alone.
CContactsComparison CompareWithContacts(const CDocument& doc, const std::wstring& strAddressBookPath,
                                        const CDateStyle& style = {});

/// The stop box of a failure of the contacts source, as every failure shows it;
/// the gui uses it for CContactsFailure::Logon.
CContactsComparison MakeContactsFailure(CContactsFailure failure);

/// The index of the first person of the document whose GetNameAsInTag, whole or
/// without its trailing " (...)", equals each name exactly; -1 for none. One
/// walk of the persons answers every name.
std::vector<int> FindPersonsByTagName(const CDocument& doc, const std::vector<std::wstring>& astrNames);

/// The name a contact is looked up by: first, middle and last name, blank-separated.
std::wstring MakeContactName(const CContact& contact);
