#include "core/model/Names.h"

#include "core/options/Settings.h"
#include "TestSupport.h"

#include <sstream>

namespace {

// The name style of the stored options: the names given on, every other name
// option off.
CNameStyle NameStyleOf(const std::string& strOptions)
{
    Settings = CSettings();
    Settings.AsInNameTag = false;
    std::istringstream words(strOptions);
    for (std::string strWord; words >> strWord;)
        EXPECT_TRUE(SetSettingFromText(Utf8ToWide(strWord), L"1")) << strWord;
    const CNameStyle style = ViewOptionsFrom(Settings).m_names;
    Settings = CSettings();
    return style;
}

std::wstring NamePart(const CDocument& doc, const CPerson& person, const std::wstring& strPart, const CNameStyle& style)
{
    if (strPart == L"First") return person.GetFirstName(doc);
    if (strPart == L"Middle") return person.GetMiddleName(doc);
    if (strPart == L"Last") return person.GetLastName(doc, style);
    if (strPart == L"AsInTag") return person.GetNameAsInTag(doc);
    if (strPart == L"TagWithNick") return person.GetTagNameWithNick(doc, style);
    if (strPart == L"Display") return person.GetDisplayName(doc, style);
    if (strPart == L"Full") return person.GetFullName(doc, style);
    if (strPart == L"FullFirstFirst") return person.GetFullNameFirstFirst(doc, style);
    EXPECT_EQ(strPart, L"Short");
    return person.GetShortName(doc, style);
}

// tests/data/cases/names.txt
TEST(NamesTest, ComposeThePartAsTheOptionsSay)
{
    for (const CCaseRow& c : ReadCases("names")) {
        SCOPED_TRACE(c.m_strLine);
        CDocument doc;
        CPerson& person = AddPerson(doc, {.m_strName = c[0]});
        person.m_strGiven = doc.AddText(c[4]);
        person.m_strSurname = doc.AddText(c[5]);
        person.m_strNick = doc.AddText(c[6]);
        EXPECT_EQ(NamePart(doc, person, c[2], NameStyleOf(c.Utf8(1))), c[3]);
    }
}

} // namespace
