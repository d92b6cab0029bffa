// libFuzzer target: persons' names and names to look for, as Compare with
// Contacts looks for them. One walk over the persons that claims each name
// at its first match must answer as a walk per name: every person from the
// first, by the whole name as in its tag, or that name cut before its last
// "(" and one more character.
//
// The input is the persons' names, one a line, then '|' and the names looked
// for, to which every person's name as in its tag is added. Names are made
// of "AB /()": another byte picks one of them.
#include "core/contacts/ContactsComparison.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/text/WideText.h"
#include "FuzzSupport.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// The names of the persons, and the names looked for.
struct CNames {
    std::vector<std::wstring> m_astrPersons;
    std::vector<std::wstring> m_astrWanted;
};

CNames Decode(CFuzzInput& input)
{
    CNames names;
    std::vector<std::wstring>* pList = &names.m_astrPersons;
    std::wstring strName;
    while (!input.AtEnd()) {
        const char c = input.Letter("\n|AB /()");
        if (c != '\n' && c != '|') {
            strName += static_cast<wchar_t>(c);
            continue;
        }
        pList->push_back(std::exchange(strName, {}));
        if (c == '|')
            pList = &names.m_astrWanted;
    }
    pList->push_back(strName);
    return names;
}

int WalkForName(const std::vector<std::wstring>& astrTags, const std::wstring& strName)
{
    for (std::size_t i = 0; i < astrTags.size(); ++i) {
        const std::wstring& strTag = astrTags[i];
        if (strTag == strName)
            return static_cast<int>(i);
        const std::size_t nBracket = strTag.rfind(L'(');
        if (!strTag.empty() && strTag.back() == L')' && nBracket != std::wstring::npos &&
            strTag.substr(0, nBracket == 0 ? 0 : nBracket - 1) == strName)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CFuzzInput input(pData, nSize);
    CNames names = Decode(input);
    CDocument doc;
    std::vector<std::wstring> astrTags;
    for (const std::wstring& strName : names.m_astrPersons) {
        CPerson& person = doc.AppendPerson();
        person.m_strName = doc.AddText(strName);
        astrTags.push_back(person.GetNameAsInTag(doc));
    }
    names.m_astrWanted.insert(names.m_astrWanted.end(), astrTags.begin(), astrTags.end());
    const std::vector<int> anFound = FindPersonsByTagName(doc, names.m_astrWanted);
    for (std::size_t i = 0; i < names.m_astrWanted.size(); ++i) {
        const int nExpected = WalkForName(astrTags, names.m_astrWanted[i]);
        if (anFound[i] != nExpected)
            FailDifference("FindPersonsByTagName", WideToUtf8(names.m_astrWanted[i]), std::to_string(anFound[i]),
                           std::to_string(nExpected));
    }
    return 0;
}
