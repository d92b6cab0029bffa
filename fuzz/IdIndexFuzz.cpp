// libFuzzer target: persons and families appended with ids, and looked up
// between the appends and after them. The index must answer as a scan of the
// table from the first record does, on ids that repeat, that are empty and
// that are absent, and on records appended after a lookup.
//
// The input is a list of steps of two bytes: p or f appends a person or a
// family, P or F looks one up (another first byte picks one of the four);
// the second byte names the id, @X<byte>@, where '-' is the empty id.
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// An empty id names no person, and the first family written without one.
int Scan(const std::vector<std::wstring>& astrIds, const std::wstring& strId, bool bPersons)
{
    if (bPersons && strId.empty())
        return -1;
    for (std::size_t i = 0; i < astrIds.size(); ++i) {
        if (astrIds[i] == strId)
            return static_cast<int>(i);
    }
    return -1;
}

void Check(CDocument& doc, const std::vector<std::wstring>& astrIds, const std::wstring& strId, bool bPersons)
{
    const int nExpected = Scan(astrIds, strId, bPersons);
    const CText id = doc.AddText(strId);
    const int nFound = bPersons ? doc.FindPersonById(strId) : doc.FindFamilyById(strId);
    const int nFoundByText = bPersons ? doc.FindPersonById(id) : doc.FindFamilyById(id);
    const char* pszWhat = bPersons ? "FindPersonById" : "FindFamilyById";
    const std::string strId8(strId.begin(), strId.end());
    if (nFound != nExpected)
        FailDifference(pszWhat, strId8, std::to_string(nFound), std::to_string(nExpected));
    if (nFoundByText != nExpected)
        FailDifference(pszWhat, strId8 + " as a text", std::to_string(nFoundByText), std::to_string(nExpected));
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
    CDocument doc;
    std::vector<std::wstring> astrPersons;
    std::vector<std::wstring> astrFamilies;
    std::vector<std::wstring> astrAll;
    while (!input.AtEnd()) {
        const char cStep = input.Letter("pfPF");
        const wchar_t cId = input.Byte();
        const std::wstring strId = cId == L'-' ? std::wstring() : std::wstring(L"@X") + cId + L"@";
        astrAll.push_back(strId);
        if (cStep == 'p') {
            doc.AppendPerson().m_strId = doc.AddText(strId);
            astrPersons.push_back(strId);
        } else if (cStep == 'f') {
            doc.AppendFamily().m_strId = doc.AddText(strId);
            astrFamilies.push_back(strId);
        } else {
            Check(doc, cStep == 'P' ? astrPersons : astrFamilies, strId, cStep == 'P');
        }
    }
    astrAll.push_back(L"@absent@");
    std::sort(astrAll.begin(), astrAll.end());
    astrAll.erase(std::unique(astrAll.begin(), astrAll.end()), astrAll.end());
    for (const std::wstring& strId : astrAll) {
        Check(doc, astrPersons, strId, true);
        Check(doc, astrFamilies, strId, false);
    }
    return 0;
}
