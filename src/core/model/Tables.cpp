#include "core/model/Tables.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"

#include <optional>

CRecordTable<CPerson> thePersons;
CRecordTable<CFamily> theFamilies;
const int& theLastPersonIndex = thePersons.LastIndex();
const int& theLastFamilyIndex = theFamilies.LastIndex();
CNoteRecordTable theNoteRecords;

namespace {

int WarnNoParents(CMessages& messages)
{
    messages.push_back({LoadLangString(IDS_NO_INFORMATION_ABOUT_PARENTS_FAMILY),
                        LoadLangString(IDS_DIRECTION), CMessageIcon::Exclamation});
    return -1;
}

// A pointer is a whole value of the form @id@, blanks around it aside; an at
// sign or a blank inside makes it text that merely mentions one.
std::optional<std::wstring_view> PointerOf(std::wstring_view text)
{
    text = TrimWhite(text);
    if (text.size() < 3 || text.front() != L'@' || text.back() != L'@')
        return std::nullopt;
    if (text.substr(1, text.size() - 2).find_first_of(L"@ \t") != std::wstring_view::npos)
        return std::nullopt;
    return text;
}

} // namespace

int FindPersonById(const CText& id)
{
    return id.empty() ? -1 : thePersons.FindById(id);
}

int FindPersonById(std::wstring_view id)
{
    return id.empty() ? -1 : thePersons.FindById(id);
}

int FindFamilyById(const CText& id)
{
    return theFamilies.FindById(id);
}

int FindFamilyById(std::wstring_view id)
{
    return theFamilies.FindById(id);
}

int FindParentIndex(int nPerson, CMessages& messages)
{
    if (!thePersons.IsIndex(nPerson))
        return -1;
    const CText famc = thePersons[nPerson].m_strFamc;
    if (famc.empty())
        return WarnNoParents(messages);
    const int nFamily = FindFamilyById(famc);
    if (nFamily < 0)
        return WarnNoParents(messages);
    const CFamily& family = theFamilies[nFamily];
    const CText parent = family.m_strHusband.empty() ? family.m_strWife : family.m_strHusband;
    if (parent.empty())
        return WarnNoParents(messages);
    const int nParent = FindPersonById(parent);
    return nParent < 0 ? WarnNoParents(messages) : nParent;
}

std::wstring ResolveNoteText(const CText& text)
{
    std::wstring strText = text.Str();
    const std::optional<std::wstring_view> pointer = PointerOf(strText);
    if (!pointer)
        return strText;
    const std::optional<std::wstring_view> recordText = theNoteRecords.FindText(*pointer);
    return recordText ? std::wstring(*recordText) : strText;
}

void ClearTables()
{
    thePersons.Clear();
    theFamilies.Clear();
    theNoteRecords.Clear();
    theEvents.Clear();
    CTextList::ClearPool();
    CNoteList::ClearPool();
    CCompactList<std::uint32_t>::ClearPool();
    theTextStore.Clear();
}
