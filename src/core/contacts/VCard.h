#pragma once

#include "core/platform/Clock.h"

#include <string>
#include <string_view>
#include <vector>

/// What goes wrong with the address book, which stops the comparison
/// (Logon, Access, Items), or with one card, which leaves that card out of
/// it (the others), in the order they are asked for. Each has its fixed
/// English text.
enum class CContactsFailure {
    None,
    Logon, ///< no address book was chosen (the gui's own step)
    Access, ///< the file or folder cannot be opened
    Items, ///< a file holds something else than vCards
    Item, ///< a card cannot be read: no END, nested BEGIN, a line without ':'
    FirstName, ///< a component of N cannot be decoded: broken quoted-printable,
    MiddleName, ///< bytes invalid in the charset, an unknown ENCODING
    LastName,
    BirthDate, ///< BDAY is not a date
};

/// One contact of an address book: the parts of its name the comparison
/// builds the contact name from, and its birthday.
struct CContact {
    std::wstring m_strFirstName; ///< N's given names
    std::wstring m_strMiddleName; ///< N's additional names
    std::wstring m_strLastName; ///< N's family names
    /// A part the card leaves out is 0: all three without a birthday, the year
    /// in --0305, month and day in 1985, the day in 1985-04.
    CCalendarDate m_birthday;
    /// BDAY is there but is neither a date nor marked as text; only a matched
    /// contact reports it.
    bool m_bBirthdayUnreadable = false;
    /// The birthday a card gives as text (VALUE=text), such as "circa 1800";
    /// for an unreadable birthday, what it says.
    std::wstring m_strBirthdayText;
    /// Why the card cannot be compared: it is broken (Item) or a part of its
    /// name cannot be decoded. The names hold what could be read.
    CContactsFailure m_unreadable = CContactsFailure::None;
};

/// The English text shown for a failure; empty for None.
std::wstring ContactsFailureText(CContactsFailure failure);

/// Appends the cards of one vCard 2.1, 3.0 or 4.0 text to `contacts`, in file
/// order. A card that cannot be read is appended too, marked as such, and
/// the reading goes on after it: at its END, or at the BEGIN of the next card
/// when it has no END. Fails only on a text that is no vCards (Items); the
/// cards before the failure stay appended. A text of blanks alone holds no
/// card and is no failure.
CContactsFailure ReadVCardText(std::string_view bytes, std::vector<CContact>& contacts);

/// Reads an address book: one .vcf file, or every .vcf file of a folder in
/// the order of their names, and sorts the contacts by first name with the
/// collator, keeping the file order of equal names. On failure `contacts` is
/// left empty.
CContactsFailure ReadAddressBook(const std::wstring& strPath, std::vector<CContact>& contacts);

/// The address book a file chosen by the user stands for: the file itself, or
/// its folder when the file holds a single card among other card files, as
/// contact sync tools keep one file a contact.
std::wstring AddressBookOf(const std::wstring& strChosenFile);

/// Where the choice of an address book starts, so that accepting it keeps the
/// stored book: the book itself, or for a folder its first card file by name,
/// which stands for the folder again.
std::wstring AddressBookChoiceStart(const std::wstring& strBook);
