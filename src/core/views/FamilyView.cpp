#include "core/views/FamilyView.h"

#include "core/model/Dates.h"
#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/views/EventText.h"

#include <algorithm>
#include <utility>

namespace {

constexpr wchar_t kFamilySeparator[] = L"  ----------------------\r\n";
constexpr wchar_t kNotesRule[] = L"<hr size=1><br>";

// An empty id would find a family written without one, which is nobody's.
int FindOwnFamily(const CPerson& person, int nFams)
{
    const std::wstring& strId = person.m_astrFams[nFams];
    return strId.empty() ? -1 : FindFamilyById(strId);
}

// The spouse is on the other side: a woman's is the husband, anyone else's the wife.
int FindSpouse(const CFamily& family, const std::wstring& strSex)
{
    return FindPersonById(strSex == L"F" ? family.m_strHusband : family.m_strWife);
}

bool IsDeceased(const CPerson& person)
{
    return person.m_death->m_bPresent || person.m_burial->m_bPresent;
}

std::wstring FormatBoxText(const CPerson& person)
{
    std::wstring strText = person.GetFullNameFirstFirst() + L"\r\n\r\n";
    const std::wstring strBirth = person.GetBirthDateText(DateTextMode::Display);
    if (!strBirth.empty())
        strText += GetBornLabel(person.m_strSex) + L" " + strBirth + L".\r\n";
    const std::wstring strDeath = person.GetDeathDateText(DateTextMode::Display);
    if (!strDeath.empty())
        strText += GetDiedLabel(person.m_strSex) + L" " + strDeath + L".\r\n";
    return strText;
}

template <class TEvent> std::wstring FamilyEventBlock(CEventSlot<TEvent>& slot, const std::wstring& strSex)
{
    const std::wstring strBlock = FormatBlock(slot, strSex);
    return strBlock.empty() ? strBlock : strBlock + L"<br>";
}

std::wstring FormatFamilyNotes(CFamily& family, const std::wstring& strSpouse, const std::wstring& strSex)
{
    return L"<b>" + strSpouse + L"</b><br><br>" + FamilyEventBlock(family.m_marriage, strSex) +
           FamilyEventBlock(family.m_divorce, strSex) + FormatListSection(family.m_notes);
}

// Each family inserts its children from the top, as the list does, so the
// order of equal birth dates is that of the list before its first sort.
std::vector<CChildRow> ListChildren(const CPerson& person)
{
    std::vector<CChildRow> rows;
    for (int i = 0; i <= person.m_astrFams.GetLast(); ++i) {
        const int nFamily = FindOwnFamily(person, i);
        if (nFamily < 0)
            continue;
        const CFamily& family = theFamilies[nFamily];
        for (int j = 0; j <= family.m_astrChildren.GetLast(); ++j) {
            const int nChild = FindPersonById(family.m_astrChildren[j]);
            if (nChild < 0)
                continue;
            const CPerson& child = thePersons[nChild];
            CChildRow row{child.m_strSex == L"M" ? 0 : 1, child.GetBirthDateText(DateTextMode::Display),
                          child.GetShortName(), nChild};
            const auto position =
                rows.begin() + std::min<std::size_t>(static_cast<std::size_t>(j), rows.size());
            rows.insert(position, std::move(row));
        }
    }
    return rows;
}

void CloseWith(CFamilyContent& content, int nMessageId)
{
    content.m_messages.push_back(
        {LoadLangString(nMessageId), LoadLangString(IDS_MESSAGE), CMessageIcon::Information});
    content.m_bClose = true;
}

} // namespace

CFamilyContent BuildFamilyView(int nPerson)
{
    CFamilyContent content;
    if (!thePersons.IsIndex(nPerson))
        return content;
    CEventInfo::LoadEventLabels();
    CPerson& person = thePersons[nPerson];
    const std::wstring& strSex = person.m_strSex;
    content.m_bPersonOnHusbandSide = strSex == L"M";
    content.m_bPersonDeceased = IsDeceased(person);
    std::wstring& strOwnBox = content.m_bPersonOnHusbandSide ? content.m_strHusbandBox : content.m_strWifeBox;
    std::wstring& strSpouseBox =
        content.m_bPersonOnHusbandSide ? content.m_strWifeBox : content.m_strHusbandBox;
    strOwnBox = FormatBoxText(person);

    const int nLastFams = person.m_astrFams.GetLast();
    if (nLastFams < 0) {
        CloseWith(content, IDS_NO_INFORMATION_ABOUT_OWN_FAMILY);
        return content;
    }

    bool bSpouseFound = false;
    std::wstring& strNotes = content.m_strNotesHtml;
    for (int i = 0; i <= nLastFams; ++i) {
        const int nFamily = FindOwnFamily(person, i);
        if (nFamily < 0)
            continue;
        CFamily& family = theFamilies[nFamily];
        const int nSpouse = FindSpouse(family, strSex);
        if (nSpouse >= 0) {
            const CPerson& spouse = thePersons[nSpouse];
            if (!IsDeceased(spouse))
                content.m_bSpousesDeceased = false;
            bSpouseFound = true;
            strSpouseBox += FormatBoxText(spouse);
            if (family.m_bDivorced)
                strSpouseBox += LoadLangString(IDS_DIVORCED) + L".\r\n";
            strNotes += FormatFamilyNotes(family, spouse.GetFullNameFirstFirst(), strSex);
        }
        // Tested on what is there so far, so a family without a spouse still
        // divides those before it from those after it.
        if (i < nLastFams) {
            if (!strSpouseBox.empty())
                strSpouseBox += kFamilySeparator;
            if (!strNotes.empty())
                strNotes += kNotesRule;
        }
    }
    if (!strNotes.empty())
        strNotes = L"<b><i>" + LoadLangString(IDS_FAMILY) + L"<br>" + person.GetFullNameFirstFirst() +
                   L"</i></b>" + kNotesRule + strNotes;

    content.m_children = ListChildren(person);
    content.m_bChildrenListed = !content.m_children.empty();
    if (!content.m_bChildrenListed) {
        content.m_children.push_back({2, L" ", LoadLangString(IDS_NO_INFORMATION), -1});
        if (!bSpouseFound)
            CloseWith(content, IDS_NO_INFORMATION_ABOUT_FAMILY_MEMBERS);
    }
    SortChildRows(content.m_children, 1, true);
    return content;
}

void SortChildRows(std::vector<CChildRow>& rows, int nColumn, bool bAscending)
{
    if (nColumn != 1 && nColumn != 2)
        return;
    // The row's texts are the person's birth date and short name, so the keys
    // come from them; the "No information" row has no person to ask.
    std::vector<std::pair<std::wstring, CChildRow>> keyed;
    keyed.reserve(rows.size());
    for (CChildRow& row : rows) {
        std::wstring strKey = nColumn == 1 ? MakeSortableDate(row.m_strBirthDate) : row.m_strName;
        keyed.emplace_back(std::move(strKey), std::move(row));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [bAscending](const auto& first, const auto& second) {
        return bAscending ? first.first < second.first : second.first < first.first;
    });
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = std::move(keyed[i].second);
}

std::vector<int> FamilySidePersons(int nPerson, const std::wstring& strWantedSex, bool& bNoOwnFamily)
{
    bNoOwnFamily = false;
    if (!thePersons.IsIndex(nPerson))
        return {};
    const CPerson& person = thePersons[nPerson];
    if (person.m_strSex == strWantedSex)
        return {nPerson};
    const int nLastFams = person.m_astrFams.GetLast();
    bNoOwnFamily = nLastFams < 0;
    std::vector<int> spouses;
    for (int i = 0; i <= nLastFams; ++i) {
        const int nFamily = FindOwnFamily(person, i);
        const int nSpouse = nFamily < 0 ? -1 : FindSpouse(theFamilies[nFamily], person.m_strSex);
        if (nSpouse >= 0)
            spouses.push_back(nSpouse);
    }
    return spouses;
}
