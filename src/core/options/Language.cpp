#include "core/options/Language.h"

#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/platform/DataFolders.h"
#include "core/platform/Log.h"
#include "core/text/WideText.h"

#include <fstream>
#include <iterator>
#include <sstream>

extern const char theOwnResourceText[];
extern const std::size_t theOwnResourceTextSize;

int theStringOffset = 0;
int theMenuOffset = 0;
bool theLangModuleInUse = false;
std::unique_ptr<CResourceTable> theLangModule;
const CResourceTable* theOwnResources = nullptr;

namespace {

// A new language is a row here, its module and its help file.
constexpr CLanguage theLanguages[] = {
    {L"En", 0, 0, nullptr, L"", "", IDS_ENGLISH, "english"},
    {L"Ru", 200, 20, nullptr, L"LangRus", "ru", IDS_RUSSIAN, "russian"},
    {L"Fr", 400, 40, "StemmarkLangFra", L"LangFra", "fr", IDS_FRENCH, "french"},
    {L"Ge", 600, 60, "StemmarkLangDeu", L"LangDeu", "de", IDS_GERMAN, "german"},
    {L"It", 800, 80, "StemmarkLangIta", L"LangIta", "it", IDS_ITALIAN, "italian"},
};

// The language whose module state theLangModule holds; nullptr before the first choice.
const CLanguage* theModuleLanguage = nullptr;

constexpr std::uintmax_t kMaxModuleSize = 16 * 1024 * 1024;

void LogModuleFault(const std::wstring& strWhat)
{
    WriteLog(L"Language module " + strWhat + L"\r\n");
}

// Reads a module; a missing, unreadable or faulty one is named in the log.
// A module with faulty lines still gives the strings of its good lines.
std::unique_ptr<CResourceTable> LoadLangModule(const std::string& strBase)
{
    const std::string strName = strBase + ".lang";
    const std::filesystem::path path = FindDataFile(strName);
    if (path.empty()) {
        LogModuleFault(Utf8ToWide(strName) + L": not found; texts are shown in English");
        return nullptr;
    }
    const std::wstring strPath = Utf8ToWide(path.string());
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxModuleSize) {
        LogModuleFault(strPath + (error ? L": cannot be read" : L": too large"));
        return nullptr;
    }
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        LogModuleFault(strPath + L": cannot be read");
        return nullptr;
    }
    auto pModule = std::make_unique<CResourceTable>();
    std::vector<CResourceError> errors;
    pModule->Parse(text, strPath, errors);
    if (!errors.empty()) {
        LogModuleFault(strPath + L": line " + std::to_wstring(errors.front().m_nLine) + L": " +
                       errors.front().m_strReason + L" (" + std::to_wstring(errors.size()) +
                       L" faulty lines skipped)");
    }
    return pModule;
}

// The source and id a string or menu of English id `nId` comes from: the module
// when it has it, else the program's own table (the English id for a module
// language whose module lacks it).
const CResourceTable& SourceFor(int nId, int nOffset, int& nLoadId, bool bMenu)
{
    LoadOwnResources();
    nLoadId = nId + nOffset;
    if (!theLangModuleInUse)
        return *theOwnResources;
    if (theLangModule &&
        (bMenu ? theLangModule->FindMenu(nLoadId) != nullptr : theLangModule->FindString(nLoadId) != nullptr))
        return *theLangModule;
    nLoadId = nId;
    return *theOwnResources;
}

} // namespace

std::span<const CLanguage> Languages()
{
    return theLanguages;
}

const CLanguage* FindLanguage(const std::wstring& strLang)
{
    for (const CLanguage& language : theLanguages) {
        if (strLang == language.m_pszCode)
            return &language;
    }
    return nullptr;
}

const CLanguage& SelectedLanguage(const std::wstring& strLang)
{
    const CLanguage* pLanguage = FindLanguage(strLang);
    return pLanguage ? *pLanguage : theLanguages[1]; // any other stored code reads as Russian
}

void LoadOwnResources()
{
    static CResourceTable theTable;
    if (theOwnResources)
        return;
    std::vector<CResourceError> errors;
    theTable.Parse(std::string_view(theOwnResourceText, theOwnResourceTextSize), L"Stemmark.lang", errors);
    theOwnResources = &theTable;
}

void SetLanguage(const std::wstring& strLang)
{
    const CLanguage& language = SelectedLanguage(strLang);
    Settings.Lang = strLang;
    theStringOffset = language.m_nStringOffset;
    theMenuOffset = language.m_nMenuOffset;
    theLangModule.reset();
    theLangModuleInUse = language.m_pszModule != nullptr;
    if (theLangModuleInUse)
        theLangModule = LoadLangModule(language.m_pszModule);
    theModuleLanguage = &language;
}

void ResetLanguageOffsets(const std::wstring& strLang)
{
    const CLanguage& language = SelectedLanguage(strLang);
    if (&language != theModuleLanguage) {
        SetLanguage(strLang);
        return;
    }
    Settings.Lang = strLang;
    theStringOffset = language.m_nStringOffset;
    theMenuOffset = language.m_nMenuOffset;
}

std::wstring LoadLangString(int nId)
{
    return std::wstring(LangStringView(nId));
}

std::wstring_view LangStringView(int nId)
{
    int nLoadId = 0;
    const std::wstring* pText = SourceFor(nId, theStringOffset, nLoadId, false).FindString(nLoadId);
    return pText ? std::wstring_view(*pText) : std::wstring_view();
}

std::wstring LoadBaseString(int nId)
{
    LoadOwnResources();
    const std::wstring* pText = theOwnResources->FindString(nId);
    return pText ? *pText : std::wstring();
}

bool BuildMenuBar(const std::vector<int>& anEnglishIds, std::vector<CMenuBarMenu>& bar)
{
    bar.clear();
    for (const int nId : anEnglishIds) {
        int nLoadId = 0;
        const CResourceTable& source = SourceFor(nId, theMenuOffset, nLoadId, true);
        const CMenuResource* pMenu = source.FindMenu(nLoadId);
        if (!pMenu)
            return false;
        CMenuBarMenu menu{nLoadId, pMenu->m_strCaption, pMenu->m_items};
        if (const CMenuBarRecord* pRecord = source.FindMenuBar(nLoadId)) {
            const std::wstring* pCaption = pRecord->m_nCaptionId ? source.FindString(pRecord->m_nCaptionId) : nullptr;
            if (pCaption)
                menu.m_strCaption = *pCaption;
        }
        bar.push_back(std::move(menu));
    }
    return true;
}

std::wstring LangHelpFile(const std::wstring& strFile)
{
    // The string offset, not the stored code, says which language is on the screen.
    for (const CLanguage& language : theLanguages) {
        if (language.m_nStringOffset != theStringOffset)
            continue;
        const std::size_t dot = strFile.rfind(L'.');
        const std::size_t at = dot == std::wstring::npos ? strFile.size() : dot;
        return std::wstring(strFile).insert(at, language.m_pszHelpTag);
    }
    return strFile;
}
