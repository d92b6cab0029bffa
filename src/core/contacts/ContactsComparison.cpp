#include "contacts/ContactsComparison.h"

#include "model/Tables.h"
#include "options/Language.h"
#include "options/StringIds.h"
#include "platform/Clock.h"
#include "platform/WaitCursor.h"
#include "text/Dates.h"
#include "text/WideText.h"

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

// No birthday, one without a year and one in the future all read as no date.
std::wstring ContactBirthText(const CCalendarDate& birthday, int nThisYear)
{
    if (birthday.m_nYear == 0 || birthday.m_nYear > nThisYear)
        return {};
    return FormatZeroPadded(birthday.m_nDay, 2) + L'.' + FormatZeroPadded(birthday.m_nMonth, 2) + L'.' +
           FormatZeroPadded(birthday.m_nYear, 4);
}

std::wstring MakeTitledBody(int nTitleId, const std::wstring& strLines)
{
    return L"<center><b>" + LoadLangString(nTitleId) + L"</b></center>" + strLines;
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
std::vector<int> FindPersonsByTagName(const std::vector<std::wstring>& astrNames)
{
    CFirstPersons firstPersons;
    for (const std::wstring& strName : astrNames)
        firstPersons.try_emplace(strName, -1);
    std::size_t nOpen = firstPersons.size();
    for (int nPerson = 0; nPerson <= theLastPersonIndex && nOpen > 0; ++nPerson) {
        const std::wstring strTag = thePersons[nPerson].GetNameAsInTag();
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

CContactsComparison CompareContacts(const std::vector<CContact>& contacts)
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
    const std::vector<int> anPersons = FindPersonsByTagName(astrNames);
    const int nThisYear = Today().m_nYear;
    std::wstring strDifferences;
    std::wstring strMatches;
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        if (anPersons[i] < 0)
            continue;
        // The matched text, whole or shortened, equals the contact's name.
        const std::wstring& strName = astrNames[i];
        strMatches += L"<br>" + strName;
        if (contacts[i].m_bBirthdayUnreadable)
            return MakeContactsFailure(CContactsFailure::BirthDate);
        const std::wstring strContactBirth = ContactBirthText(contacts[i].m_birthday, nThisYear);
        const std::wstring strPersonBirth = thePersons[anPersons[i]].GetBirthDateText(DateTextMode::DottedFilled);
        if (strContactBirth != strPersonBirth)
            strDifferences += L"<br>" + strName + L"<br>&nbsp;- Contacts: " + strContactBirth +
                              L"<br>&nbsp;- Stemmark: " + strPersonBirth + L"<br>";
    }
    if (strDifferences.empty()) {
        result.m_strMessage = LoadLangString(strMatches.empty() ? IDS_CONTACTS_NOT_FOUND : IDS_CONTACTS_SAME_DATA);
        result.m_strCaption = LoadBaseString(IDS_PRODUCT_NAME);
        result.m_icon = CMessageIcon::Stop;
    } else {
        result.m_strDifferencesBody = MakeTitledBody(IDS_DIFFERENCES_WITH_CONTACTS, strDifferences);
    }
    if (!strMatches.empty())
        result.m_strMatchesBody = MakeTitledBody(IDS_CONTACTS_FOUND, strMatches);
    return result;
}

CContactsComparison CompareWithContacts(const std::wstring& strAddressBookPath)
{
    const CWaitCursor waitCursor;
    std::vector<CContact> contacts;
    const CContactsFailure failure = ReadAddressBook(strAddressBookPath, contacts);
    if (failure != CContactsFailure::None)
        return MakeContactsFailure(failure);
    return CompareContacts(contacts);
}
