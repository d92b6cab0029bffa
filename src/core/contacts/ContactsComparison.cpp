#include "core/contacts/ContactsComparison.h"

#include "core/model/Dates.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/platform/Clock.h"
#include "core/platform/WaitCursor.h"
#include "core/text/WideText.h"

#include <string_view>
#include <unordered_map>

namespace {

using CFirstPersons = std::unordered_map<std::wstring_view, int>;

void Claim(CFirstPersons& firstPersons, std::wstring_view name, int nPerson, std::size_t& nOpen)
{
    const auto it = firstPersons.find(name);
    if (it != firstPersons.end() && it->second < 0) {
        it->second = nPerson;
        --nOpen;
    }
}

// A birthday in the future reads as none.
bool HasBirthDate(const CCalendarDate& birthday, int nThisYear)
{
    return birthday.m_nYear <= nThisYear && (birthday.m_nYear != 0 || birthday.m_nMonth != 0 || birthday.m_nDay != 0);
}

// The parts given, in the order of the person's text: day.month.year, or
// month/day/year; a month or a day alone keeps "--" in place of the other.
std::wstring DateText(const CCalendarDate& birthday, const CDateStyle& style)
{
    const bool bMonthFirst = style.m_nFormat == 1;
    const wchar_t cSeparator = bMonthFirst ? L'/' : L'.';
    const std::wstring strDay = birthday.m_nDay != 0 ? FormatZeroPadded(birthday.m_nDay, 2) : L"--";
    const std::wstring strMonth = birthday.m_nMonth != 0 ? FormatZeroPadded(birthday.m_nMonth, 2) : L"--";
    const std::wstring& strFirst = bMonthFirst ? strMonth : strDay;
    const std::wstring& strSecond = bMonthFirst ? strDay : strMonth;
    if (birthday.m_nYear == 0)
        return strFirst + cSeparator + strSecond;
    const std::wstring strYear = FormatZeroPadded(birthday.m_nYear, 4);
    if (birthday.m_nMonth == 0)
        return strYear;
    if (birthday.m_nDay == 0)
        return strMonth + cSeparator + strYear;
    return strFirst + cSeparator + strSecond + cSeparator + strYear;
}

// The day, month and year of a person's birth text (DD.MM.YYYY or YYYY);
// any other text, a qualified date among them, has none of them.
CCalendarDate PersonBirthParts(std::wstring_view text)
{
    const auto number = [&](std::size_t nPos, std::size_t nCount) {
        int nValue = 0;
        for (std::size_t i = nPos; i < nPos + nCount; ++i) {
            if (!IsAsciiDigit(text[i]))
                return -1;
            nValue = nValue * 10 + (text[i] - L'0');
        }
        return nValue;
    };
    CCalendarDate parts;
    if (text.size() == 4)
        parts.m_nYear = number(0, 4);
    else if (text.size() == 10 && text[2] == L'.' && text[5] == L'.')
        parts = {number(6, 4), number(3, 2), number(0, 2)};
    return parts;
}

// Only the parts a card gives are compared: 1985 with the year of the
// person's birth, --0415 with its month and day, 1985-04 with its year and
// month, a whole date with all three; the person's day of a month-and-year
// date is the 01 its text shows. A birthday given as text, or none, differs
// unless the person's text is that very text.
bool BirthdaysDiffer(const CContact& contact, int nThisYear, const std::wstring& strPersonBirth)
{
    if (!HasBirthDate(contact.m_birthday, nThisYear))
        return contact.m_strBirthdayText != strPersonBirth;
    const CCalendarDate person = PersonBirthParts(strPersonBirth);
    const CCalendarDate& given = contact.m_birthday;
    return (given.m_nYear != 0 && given.m_nYear != person.m_nYear) ||
           (given.m_nMonth != 0 && given.m_nMonth != person.m_nMonth) ||
           (given.m_nDay != 0 && given.m_nDay != person.m_nDay);
}

std::wstring ContactBirthText(const CContact& contact, int nThisYear, const CDateStyle& style)
{
    if (HasBirthDate(contact.m_birthday, nThisYear))
        return DateText(contact.m_birthday, style);
    return EscapeHtml(contact.m_strBirthdayText);
}

std::wstring MakeTitledBody(int nTitleId, const std::wstring& strLines)
{
    return L"<center><b>" + LoadLangString(nTitleId) + L"</b></center>" + strLines;
}

// Why a contact is left out of the comparison; empty when it is compared.
// An unreadable birthday counts only for a contact found by name: the others
// are not compared anyway.
std::wstring NotComparedReason(const CContact& contact, bool bFound)
{
    switch (contact.m_unreadable) {
    case CContactsFailure::None:
        break;
    case CContactsFailure::FirstName:
    case CContactsFailure::MiddleName:
    case CContactsFailure::LastName:
        return LoadLangString(IDS_CARD_NAME_UNREADABLE);
    default:
        return LoadLangString(IDS_CARD_UNREADABLE);
    }
    if (bFound && contact.m_bBirthdayUnreadable)
        return LoadLangString(IDS_BIRTHDAY_NOT_A_DATE) + L' ' + contact.m_strBirthdayText;
    return {};
}

} // namespace

std::wstring MakeContactName(const CContact& contact)
{
    std::wstring strName = contact.m_strFirstName;
    for (const std::wstring* pPart : {&contact.m_strMiddleName, &contact.m_strLastName}) {
        if (pPart->empty())
            continue;
        if (!strName.empty())
            strName += L' ';
        strName += *pPart;
    }
    return strName;
}

// A person matches by the whole text or by the text cut before its last "("
// less one more character, and the first match in file order counts; walking
// the persons once in that order and claiming each name at its first match
// answers as a walk per name would.
std::vector<int> FindPersonsByTagName(const CDocument& doc, const std::vector<std::wstring>& astrNames)
{
    CFirstPersons firstPersons;
    for (const std::wstring& strName : astrNames)
        firstPersons.try_emplace(strName, -1);
    std::size_t nOpen = firstPersons.size();
    for (int nPerson = 0; nPerson <= doc.GetLastPersonIndex() && nOpen > 0; ++nPerson) {
        const std::wstring strTag = doc.Persons()[nPerson].GetNameAsInTag(doc);
        Claim(firstPersons, strTag, nPerson, nOpen);
        const std::size_t bracket = strTag.ends_with(L')') ? strTag.rfind(L'(') : std::wstring::npos;
        if (bracket != std::wstring::npos)
            Claim(firstPersons, std::wstring_view(strTag).substr(0, bracket == 0 ? 0 : bracket - 1), nPerson, nOpen);
    }
    std::vector<int> anPersons;
    anPersons.reserve(astrNames.size());
    for (const std::wstring& strName : astrNames)
        anPersons.push_back(firstPersons.find(strName)->second);
    return anPersons;
}

CContactsComparison MakeContactsFailure(CContactsFailure failure)
{
    CContactsComparison result;
    result.m_strMessage = ContactsFailureText(failure);
    result.m_strCaption = LoadBaseString(IDS_PRODUCT_NAME);
    result.m_icon = CMessageIcon::Stop;
    return result;
}

CContactsComparison CompareContacts(const CDocument& doc, const std::vector<CContact>& contacts,
                                    const CDateStyle& style)
{
    CContactsComparison result;
    if (contacts.empty()) {
        result.m_strMessage = LoadLangString(IDS_INPUT_FILE_EMPTY);
        result.m_strCaption = LoadLangString(IDS_MESSAGE);
        result.m_icon = CMessageIcon::Exclamation;
        return result;
    }
    std::vector<std::wstring> astrNames;
    astrNames.reserve(contacts.size());
    for (const CContact& contact : contacts)
        astrNames.push_back(MakeContactName(contact));
    const std::vector<int> anPersons = FindPersonsByTagName(doc, astrNames);
    const int nThisYear = Today().m_nYear;
    std::wstring strDifferences;
    std::wstring strMatches;
    std::wstring strNotCompared;
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        const CContact& contact = contacts[i];
        // The matched text, whole or shortened, equals the contact's name.
        const std::wstring strName = EscapeHtml(astrNames[i]);
        const bool bFound = anPersons[i] >= 0 && contact.m_unreadable == CContactsFailure::None;
        if (const std::wstring strReason = NotComparedReason(contact, bFound); !strReason.empty()) {
            strNotCompared += L"<br>" + (strName.empty() ? std::wstring(L"?") : strName) + L"<br>&nbsp;- " +
                              EscapeHtml(strReason) + L"<br>";
            if (bFound)
                strMatches += L"<br>" + strName;
            continue;
        }
        if (!bFound)
            continue;
        strMatches += L"<br>" + strName;
        const CPerson& person = doc.Persons()[anPersons[i]];
        const std::wstring strPersonBirth = person.GetBirthDateText(doc, DateTextMode::DottedFilled, CDateStyle());
        // Under month/day/year the person's date reads as the pages show it.
        if (BirthdaysDiffer(contact, nThisYear, strPersonBirth))
            strDifferences += L"<br>" + strName + L"<br>&nbsp;- Contacts: " +
                              ContactBirthText(contact, nThisYear, style) + L"<br>&nbsp;- Stemmark: " +
                              (style.m_nFormat == 0 ? strPersonBirth
                                                    : person.GetBirthDateText(doc, DateTextMode::Display, style)) +
                              L"<br>";
    }
    const int nSummary = strMatches.empty() ? IDS_CONTACTS_NOT_FOUND : IDS_CONTACTS_SAME_DATA;
    // The contacts left out close the differences page; with no difference
    // it says what the box would have said.
    if (!strNotCompared.empty())
        strDifferences += (strDifferences.empty() ? L"<br>" + LoadLangString(nSummary) + L"<br>" : std::wstring()) +
                          L"<br>" + MakeTitledBody(IDS_CONTACTS_NOT_COMPARED, strNotCompared);
    if (strDifferences.empty()) {
        result.m_strMessage = LoadLangString(nSummary);
        result.m_strCaption = LoadBaseString(IDS_PRODUCT_NAME);
        result.m_icon = CMessageIcon::Stop;
    } else {
        result.m_strDifferencesBody = MakeTitledBody(IDS_DIFFERENCES_WITH_CONTACTS, strDifferences);
    }
    if (!strMatches.empty())
        result.m_strMatchesBody = MakeTitledBody(IDS_CONTACTS_FOUND, strMatches);
    return result;
}

CContactsComparison CompareWithContacts(const CDocument& doc, const std::wstring& strAddressBookPath,
                                        const CDateStyle& style)
{
    const CWaitCursor waitCursor;
    std::vector<CContact> contacts;
    const CContactsFailure failure = ReadAddressBook(strAddressBookPath, contacts);
    if (failure != CContactsFailure::None)
        return MakeContactsFailure(failure);
    return CompareContacts(doc, contacts, style);
}
