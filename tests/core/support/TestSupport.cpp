#include "TestSupport.h"

#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"

#include <atomic>
#include <unistd.h>

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

CPerson& AddPerson(const std::wstring& strId, const std::wstring& strFamc,
                   std::initializer_list<const wchar_t*> fams)
{
    auto pPerson = std::make_unique<CPerson>();
    pPerson->m_strId = strId;
    pPerson->m_strFamc = strFamc;
    for (const wchar_t* pszFams : fams)
        pPerson->m_astrFams.Append(pszFams);
    CPerson& person = *pPerson;
    thePersons.Append(std::move(pPerson));
    return person;
}

CFamily& AddFamily(const std::wstring& strId, const std::wstring& strHusband,
                   const std::wstring& strWife, std::initializer_list<const wchar_t*> children)
{
    auto pFamily = std::make_unique<CFamily>();
    pFamily->m_strId = strId;
    pFamily->m_strHusband = strHusband;
    pFamily->m_strWife = strWife;
    for (const wchar_t* pszChild : children)
        pFamily->m_astrChildren.Append(pszChild);
    CFamily& family = *pFamily;
    theFamilies.Append(std::move(pFamily));
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
