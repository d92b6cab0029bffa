#include "core/model/Names.h"

#include "core/options/Settings.h"
#include "TestSupport.h"

#include <cctype>
#include <sstream>

namespace {

enum class CNamePart { First, Middle, Last, AsInTag, TagWithNick, Display, Full, FullFirstFirst, Short };
const char* const theNamePartNames[] = {"First", "Middle", "Last", "AsInTag", "TagWithNick",
                                        "Display", "Full", "FullFirstFirst", "Short"};

struct CNameCase {
    const wchar_t* m_pszName;
    const char* m_pszOptions; // setting names, blank-separated; every other name option is off
    CNamePart m_part;
    const wchar_t* m_pszResult;
    const wchar_t* m_pszGiven = L"";
    const wchar_t* m_pszSurname = L"";
    const wchar_t* m_pszNick = L"";
};

void SetNameOptions(const std::string& strOptions)
{
    Settings = CSettings();
    Settings.AsInNameTag = false;
    std::istringstream words(strOptions);
    for (std::string strWord; words >> strWord;)
        ASSERT_TRUE(SetSettingFromText(Utf8ToWide(strWord), L"1")) << strWord;
}

std::wstring NamePart(const CPerson& person, CNamePart part)
{
    switch (part) {
    case CNamePart::First: return person.GetFirstName();
    case CNamePart::Middle: return person.GetMiddleName();
    case CNamePart::Last: return person.GetLastName();
    case CNamePart::AsInTag: return person.GetNameAsInTag();
    case CNamePart::TagWithNick: return person.GetTagNameWithNick();
    case CNamePart::Display: return person.GetDisplayName();
    case CNamePart::Full: return person.GetFullName();
    case CNamePart::FullFirstFirst: return person.GetFullNameFirstFirst();
    case CNamePart::Short: return person.GetShortName();
    }
    return {};
}

class NamesTest : public testing::Test {
protected:
    void TearDown() override
    {
        Settings = CSettings();
        theNoShortening = false;
        ClearTables();
    }
};

class NameTableTest : public NamesTest, public testing::WithParamInterface<CNameCase> {};

TEST_P(NameTableTest, ComposesThePart)
{
    const CNameCase& c = GetParam();
    SetNameOptions(c.m_pszOptions);
    CPerson& person = AddPerson({.m_strName = c.m_pszName});
    person.m_strGiven = c.m_pszGiven;
    person.m_strSurname = c.m_pszSurname;
    person.m_strNick = c.m_pszNick;
    EXPECT_EQ(NamePart(person, c.m_part), c.m_pszResult) << "options: " << c.m_pszOptions;
}

using P = CNamePart;

// A row's name: the part, the name's Latin letters and the options on.
std::string RowName(const testing::TestParamInfo<CNameCase>& info)
{
    const CNameCase& c = info.param;
    std::string strName = theNamePartNames[static_cast<int>(c.m_part)];
    strName += '_';
    // Marks as '_', so that "John /" is not "John //".
    for (const wchar_t ch : std::wstring_view(c.m_pszName)) {
        if (ch < 128 && std::isalnum(static_cast<int>(ch)))
            strName += static_cast<char>(ch);
        else if (ch < 128 && ch != L' ')
            strName += '_';
    }
    if (*c.m_pszOptions)
        strName += "_" + TestName(c.m_pszOptions);
    return strName;
}

INSTANTIATE_TEST_SUITE_P(Table, NameTableTest, testing::Values(
    CNameCase{L"John Henry /Smith/", "", P::Display, L"Smith John"},
    CNameCase{L"John Henry /Smith/", "1Name1", P::Display, L"John Smith"},
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam", P::Display, L"John Henry Smith"},
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam Sh1Nam ShMidNam", P::Display, L"J.H. Smith"},
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam Sh1Nam ShMidNam", P::Full, L"John Henry Smith"},
    CNameCase{L"John Henry /Smith/", "ShowMidNam ShMidNam", P::Display, L"Smith John H."},
    CNameCase{L"John (Jack) /Smith/", "1Name1", P::Display, L"John (Jack) Smith"},
    CNameCase{L"Anna /Ivanova (Petrova)/", "1Name1 MaidNam1", P::Display, L"Anna Petrova (Ivanova)"},
    CNameCase{L"John /Smith/", "InclNick", P::Display, L"Smith John [Bud]", L"", L"", L"Bud"},
    CNameCase{L"/Smith/", "", P::Display, L"Smith "},
    CNameCase{L"John (Jack /Smith/", "", P::First, L"John (Jack"},
    CNameCase{L"John (Jack", "", P::First, theFirstNameFormatError},
    CNameCase{L"John/Smith/ Jr.", "", P::First, theFirstNameFormatError},
    CNameCase{L"John/Smith/ Jr.", "", P::Last, L"Smith/ Jr"}), RowName);

INSTANTIATE_TEST_SUITE_P(Pieces, NameTableTest, testing::Values(
    // Without slashes: a first name, no middle and no last name.
    CNameCase{L"John Henry", "", P::First, L"John"},
    CNameCase{L"John Henry", "", P::Middle, L""},
    CNameCase{L"John Henry", "", P::Last, L""},
    CNameCase{L"John", "1Name1", P::Display, L"John "},
    // Starting with the surname: no first and no middle name.
    CNameCase{L"/Smith/ John", "", P::First, L""},
    CNameCase{L"/Smith/ John", "", P::AsInTag, L" Smith John"},
    CNameCase{L"John //", "", P::Last, L""},
    CNameCase{L"John /", "", P::Last, L""},                     // nothing to drop after the slash
    CNameCase{L"John /Smith", "", P::Last, L"Smit"},            // the closing slash is assumed
    CNameCase{L"John /Smith/ Jr.", "", P::Last, L"Smith/ Jr"},
    CNameCase{L"John /Smith/", "", P::Middle, L""},             // one given name only
    CNameCase{L"John Henry George /Smith/", "", P::Middle, L"Henry"},
    CNameCase{L"John (Jack) Henry /Smith/", "", P::Middle, L"Henry"},
    CNameCase{L"John Henry (Harry) /Smith/", "", P::Middle, L"Henry (Harry)"},
    CNameCase{L"John Henry (Harry/Smith/", "", P::Middle, theMiddleNameFormatError},
    CNameCase{L"John Henry (Harry /Smith)/", "", P::Middle, theMiddleNameFormatError},
    CNameCase{L"John (Jack/Smith/", "", P::Middle, theFirstNameFormatError},
    CNameCase{L"John (Jack/Smith/", "", P::First, theFirstNameFormatError},
    CNameCase{L"John   Henry /Smith/", "", P::AsInTag, L"John  Henry Smith"}, // one pass over pairs
    CNameCase{L"", "InclNick", P::TagWithNick, L"[Bud]", L"", L"", L"Bud"},
    CNameCase{L"John /Smith/", "InclNick", P::TagWithNick, L"John Smith [Bud]", L"", L"", L"Bud"},
    // GIVN and SURN are taken whole when present.
    CNameCase{L"John Henry /Smith/", "", P::First, L"Jack Harry", L"Jack Harry"},
    CNameCase{L"Anna /Ivanova (Petrova)/", "MaidNam1", P::Last, L"Ivanova (Petrova)", L"",
              L"Ivanova (Petrova)"},
    CNameCase{L"Anna /(Petrova)/", "MaidNam1", P::Last, L"Petrova ()"},    // nothing before "("
    CNameCase{L"Anna /Ivanova (/", "MaidNam1", P::Last, L" (Ivanova)"}), RowName);  // nothing after "("

INSTANTIATE_TEST_SUITE_P(Options, NameTableTest, testing::Values(
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam Sh1Nam ShMidNam", P::Display, L"J.H. Smith",
              L"John Henry"},                                                     // GIVN shortened whole
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam Sh1Nam", P::Display, L"J. Henry Smith"},
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam ShMidNam", P::Display, L"John H. Smith"},
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam Sh1Nam AsInNameTag MaidNam1", P::Display,
              L"J. Smith"},                                                       // no middle name
    CNameCase{L"Anna Maria /Ivanova (Petrova)/", "AsInNameTag MaidNam1 InclNick", P::Display,
              L"Petrova (Ivanova) Anna [Nura]", L"", L"", L"Nura"},
    CNameCase{L"John Henry /Smith/", "1Name1 ShowMidNam AsInNameTag InclNick", P::Full,
              L"John Henry Smith [Bud]", L"", L"", L"Bud"},                       // the tag itself
    CNameCase{L"John Henry /Smith/", "ShowMidNam Sh1Nam", P::FullFirstFirst, L"John Henry Smith"},
    CNameCase{L"John Henry /Smith/", "Sh1Nam AsInNameTag", P::FullFirstFirst, L"John Henry Smith"},
    CNameCase{L"John", "", P::Display, L"John"},                                  // no surname, no blank
    CNameCase{L"John (Jack", "1Name1 Sh1Nam", P::Display, L"*. "},              // a marker shortens too
    CNameCase{L"John Henry /Smith/", "1Name1 Sh1Nam ShMidNam ShowMidNam InclNick", P::Short,
              L"John Smith [Bud]", L"", L"", L"Bud"},                             // no middle, no shortening
    CNameCase{L"John Henry /Smith/", "", P::Short, L"Smith John"},
    CNameCase{L"John", "", P::Short, L" John"},                                   // blank before the name
    CNameCase{L"/Smith/", "1Name1 InclNick", P::Short, L" Smith [Bud]", L"", L"", L"Bud"}), RowName);

INSTANTIATE_TEST_SUITE_P(Letters, NameTableTest, testing::Values(
    CNameCase{L"Иван Петрович /Сидоров/", "1Name1 ShowMidNam Sh1Nam ShMidNam", P::Display, L"И.П. Сидоров"},
    CNameCase{L"\u00C9mile /Zola/", "1Name1 Sh1Nam", P::Display, L"\u00C9. Zola"},
    CNameCase{L"E\u0301mile /Zola/", "1Name1 Sh1Nam", P::Display, L"E\u0301. Zola"}), // a decomposed É
    RowName);

// The flags the full-name calls change come back as they were, on both paths.
TEST_F(NamesTest, FullNamesRestoreTheFlagsTheyChange)
{
    const CPerson& person = AddPerson({.m_strName = L"John /Smith/"});
    for (const bool bAsInTag : {false, true}) {
        for (const bool bBefore : {false, true}) {
            SetNameOptions("Sh1Nam");
            Settings.AsInNameTag = bAsInTag;
            Settings._1Name1 = theNoShortening = bBefore;
            EXPECT_EQ(person.GetFullNameFirstFirst(), L"John Smith");
            EXPECT_EQ(Settings._1Name1, bBefore);
            EXPECT_EQ(theNoShortening, bBefore);
        }
    }
    theNoShortening = false;
    EXPECT_EQ(person.GetDisplayName(), L"J. Smith");
}

} // namespace
