#include "core/views/PersonPage.h"

#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/views/EventText.h"

namespace {

std::wstring LabelLine(const std::wstring& strLabel)
{
    return kLabelOpen + strLabel + kLabelClose + L"<br>";
}

std::wstring FormatHeading(const CPerson& person)
{
    std::wstring strHeading = L"<b>" + person.GetFullNameFirstFirst();
    if (Settings.PutSexLetter) {
        const int nLetter = person.m_strSex == L"M" ? IDS_SEX_LETTER_MALE : IDS_SEX_LETTER_FEMALE;
        strHeading += L" [" + LoadLangString(nLetter) + L"]";
    }
    return strHeading + L"</b><br><br>";
}

template <class TEvent> std::wstring LifeEventBlock(CEventSlot<TEvent>& slot, const std::wstring& strSex)
{
    const std::wstring strBlock = FormatBlock(slot, strSex);
    return strBlock.empty() ? strBlock : strBlock + L"<br>";
}

std::wstring FormatLifeEvents(CPerson& person)
{
    const std::wstring& strSex = person.m_strSex;
    return LifeEventBlock(person.m_birth, strSex) + LifeEventBlock(person.m_christening, strSex) +
           LifeEventBlock(person.m_death, strSex) + LifeEventBlock(person.m_burial, strSex) +
           LifeEventBlock(person.m_will, strSex);
}

// An empty id would find a family written without one, which is nobody's.
int FindLinkedFamily(const std::wstring& strId)
{
    return strId.empty() ? -1 : FindFamilyById(strId);
}

std::wstring NameLine(const std::wstring& strId)
{
    const int nPerson = FindPersonById(strId);
    return nPerson < 0 ? std::wstring() : thePersons[nPerson].GetFullNameFirstFirst() + L".<br>";
}

std::wstring FormatParents(const CPerson& person)
{
    const int nFamily = FindLinkedFamily(person.m_strFamc);
    if (nFamily < 0)
        return {};
    const CFamily& family = theFamilies[nFamily];
    return LabelLine(LoadLangString(IDS_PARENTS)) + NameLine(family.m_strHusband) +
           NameLine(family.m_strWife) + L"<br>";
}

std::wstring FormatSpouseLine(const CFamily& family, const std::wstring& strSex)
{
    const int nSpouse = FindPersonById(strSex == L"F" ? family.m_strHusband : family.m_strWife);
    const bool bDivorced = family.m_bDivorced == 1;
    if (nSpouse < 0 && !bDivorced)
        return {};
    std::wstring strLine;
    if (nSpouse >= 0)
        strLine += thePersons[nSpouse].GetFullNameFirstFirst();
    if (bDivorced)
        strLine += L" (" + LoadLangString(IDS_DIVORCED) + L")";
    return strLine + L".<br>";
}

std::wstring FormatSpouses(const CPerson& person)
{
    const int nLastFams = person.m_astrFams.GetLast();
    std::wstring strSpouses;
    for (int i = 0; i <= nLastFams; ++i) {
        const int nFamily = FindLinkedFamily(person.m_astrFams[i]);
        if (nFamily >= 0)
            strSpouses += FormatSpouseLine(theFamilies[nFamily], person.m_strSex);
    }
    if (strSpouses.empty())
        return {};
    // The Russian words differ: a man's spouse is a wife, anyone else's a husband.
    int nLabel = IDS_SPOUSES;
    if (nLastFams == 0)
        nLabel = person.m_strSex == L"M" ? IDS_SPOUSE_FEMALE : IDS_SPOUSE_MALE;
    return LabelLine(LoadLangString(nLabel)) + strSpouses + L"<br>";
}

} // namespace

std::wstring BuildPersonPageBody(int nPerson)
{
    if (!thePersons.IsIndex(nPerson))
        return {};
    CPerson& person = thePersons[nPerson];
    return FormatHeading(person) + FormatLifeEvents(person) + FormatParents(person) + FormatSpouses(person) +
           FormatListSection(person.m_religions) + FormatListSection(person.m_occupations) +
           FormatListSection(person.m_events) + FormatListSection(person.m_notes);
}

std::wstring MakePageDocument(const std::wstring& strBody)
{
    return kDocumentHead + strBody + kDocumentTail;
}
