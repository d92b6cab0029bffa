#include "model/Tables.h"

#include "options/Language.h"
#include "options/StringIds.h"
#include "platform/Message.h"

CRecordTable<CPerson> thePersons;
CRecordTable<CFamily> theFamilies;
const int& theLastPersonIndex = thePersons.LastIndex();
const int& theLastFamilyIndex = theFamilies.LastIndex();
std::wstring theFileFolder;

namespace {

int WarnNoParents()
{
    ShowMessage(theTopWindow, LoadLangString(IDS_NO_INFORMATION_ABOUT_PARENTS_FAMILY),
                LoadLangString(IDS_DIRECTION), CMessageIcon::Exclamation);
    return -1;
}

} // namespace

int FindPersonById(const std::wstring& strId)
{
    return strId.empty() ? -1 : thePersons.FindById(strId);
}

int FindFamilyById(const std::wstring& strId)
{
    return theFamilies.FindById(strId);
}

int FindParentIndex(int nPerson)
{
    if (!thePersons.IsIndex(nPerson))
        return -1;
    const std::wstring& strFamc = thePersons[nPerson].m_strFamc;
    if (strFamc.empty())
        return WarnNoParents();
    const int nFamily = FindFamilyById(strFamc);
    if (nFamily < 0)
        return WarnNoParents();
    const CFamily& family = theFamilies[nFamily];
    const std::wstring& strParent = family.m_strHusband.empty() ? family.m_strWife : family.m_strHusband;
    if (strParent.empty())
        return WarnNoParents();
    const int nParent = FindPersonById(strParent);
    return nParent < 0 ? WarnNoParents() : nParent;
}

void ClearTables()
{
    thePersons.Clear();
    theFamilies.Clear();
}
