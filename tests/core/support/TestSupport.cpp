#include "TestSupport.h"

#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"

#include <atomic>
#include <cctype>
#include <unistd.h>

std::string TestName(std::string_view text)
{
    std::string strName;
    bool bWordStart = true;
    for (const char c : text) {
        const bool bAlnum = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (bAlnum)
            strName += bWordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        bWordStart = !bAlnum;
    }
    return strName.empty() ? "Empty" : strName;
}

CTempFolder::CTempFolder()
{
    static std::atomic<int> theCount{0};
    m_path = std::filesystem::temp_directory_path() /
             ("stemmark-test-" + std::to_string(::getpid()) + "-" + std::to_string(theCount++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

CTempFolder::~CTempFolder()
{
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

CPerson& AddPerson(const CTestPerson& test)
{
    CPerson& person = thePersons.Append();
    person.m_strId = test.m_strId;
    person.m_strFamc = test.m_strFamc;
    for (const std::wstring& strFams : test.m_astrFams)
        person.m_astrFams.Append(strFams);
    person.m_strName = test.m_strName;
    person.m_strSex = test.m_strSex;
    if (test.m_pszBirth)
        person.m_birth.Edit().m_strDate = test.m_pszBirth;
    if (test.m_pszDeath) {
        person.m_death.Edit().m_bPresent = true;
        person.m_death.Edit().m_strDate = test.m_pszDeath;
    }
    return person;
}

CFamily& AddFamily(const std::wstring& strId, const std::wstring& strHusband,
                   const std::wstring& strWife, std::initializer_list<const wchar_t*> children)
{
    CFamily& family = theFamilies.Append();
    family.m_strId = strId;
    family.m_strHusband = strHusband;
    family.m_strWife = strWife;
    for (const wchar_t* pszChild : children)
        family.m_astrChildren.Append(pszChild);
    return family;
}

void CViewBuilderTest::UseLanguage(const wchar_t* pszLang)
{
    SetLanguage(pszLang);
    CEventInfo::theLabelsLoaded = false;
    CNote::theLabelLoaded = false;
    CEventInfo::LoadEventLabels();
    CNote::LoadNoteLabel();
}

void CViewBuilderTest::Reset()
{
    Settings = CSettings();
    UseLanguage(L"En");
}

const CPerson& CGedcomTest::ReadPerson(const std::string& lines)
{
    EXPECT_TRUE(Read("0 @I1@ INDI\n" + lines + "\n0 TRLR\n"));
    if (theLastPersonIndex != 0)
        ADD_FAILURE() << "one person expected, got " << theLastPersonIndex + 1;
    static const CPerson theNone;
    return theLastPersonIndex >= 0 ? thePersons[0] : theNone;
}
