#include "TestSupport.h"

#include "core/model/EventInfo.h"
#include "core/model/GedcomReader.h"
#include "core/model/Note.h"
#include "core/options/Language.h"

#include <atomic>
#include <map>
#include <sstream>
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

const std::wstring& CCaseRow::operator[](std::size_t nIndex) const
{
    static const std::wstring theEmpty;
    return nIndex < m_astrFields.size() ? m_astrFields[nIndex] : theEmpty;
}

const wchar_t* CCaseRow::Ptr(std::size_t nIndex) const
{
    return nIndex < m_abNull.size() && m_abNull[nIndex] ? nullptr : (*this)[nIndex].c_str();
}

namespace {

std::string Unescaped(std::string_view field, bool& bNull)
{
    bNull = field == "\\0";
    std::string str;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            str += field[i];
            continue;
        }
        const char c = field[++i];
        if (c != 'e')
            str += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c == 's' ? ' ' : c;
    }
    return str;
}

} // namespace

std::vector<CCaseRow> ReadCases(const std::string& strName)
{
    const std::string strText = ReadFileBytes(std::filesystem::path(STEMMARK_TEST_DATA) / "cases" / (strName + ".txt"));
    EXPECT_FALSE(strText.empty()) << strName;
    std::vector<CCaseRow> rows;
    std::size_t nStart = 0;
    while (nStart < strText.size()) {
        std::size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        const std::string_view line(strText.data() + nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (line.empty() || line[0] == '#')
            continue;
        CCaseRow& row = rows.emplace_back();
        row.m_strLine = line;
        for (std::size_t nField = 0;;) {
            const std::size_t nBar = line.find(" | ", nField);
            bool bNull = false;
            row.m_astrFields.push_back(Utf8ToWide(Unescaped(line.substr(nField, nBar - nField), bNull)));
            row.m_abNull.push_back(bNull);
            if (nBar == std::string_view::npos)
                break;
            nField = nBar + 3;
        }
    }
    return rows;
}

std::string ReadExpected(const std::string& strRelative)
{
    return ReadFileBytes(std::filesystem::path(STEMMARK_TEST_DATA) / "expected" / strRelative);
}

std::pair<std::string, std::string> ReadGedcomAndExpected(const std::string& strRelative)
{
    const std::string strText = ReadExpected(strRelative);
    const std::size_t nEnd = strText.find("0 TRLR\n");
    EXPECT_NE(nEnd, std::string::npos) << strRelative;
    std::string strGedcom;
    for (std::size_t i = 0; i < nEnd + 7 && i < strText.size();) {
        const std::size_t nLineEnd = strText.find('\n', i) + 1;
        if (strText[i] != '#')
            strGedcom += strText.substr(i, nLineEnd - i);
        i = nLineEnd;
    }
    return {strGedcom, strText.substr(std::min(nEnd + 7, strText.size()))};
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

CPerson& AddPerson(CDocument& doc, const CTestPerson& test)
{
    CPerson& person = doc.AppendPerson();
    person.m_strId = doc.AddText(test.m_strId);
    person.m_strFamc = doc.AddText(test.m_strFamc);
    for (const std::wstring& strFams : test.m_astrFams)
        doc.Append(person.m_astrFams, doc.AddText(strFams));
    person.m_strName = doc.AddText(test.m_strName);
    person.m_strSex = doc.AddText(test.m_strSex);
    if (test.m_pszBirth)
        doc.Edit(person.m_birth).m_strDate = doc.AddText(test.m_pszBirth);
    if (test.m_pszDeath) {
        doc.Edit(person.m_death).m_bPresent = true;
        doc.Edit(person.m_death).m_strDate = doc.AddText(test.m_pszDeath);
    }
    return person;
}

CFamily& AddFamily(CDocument& doc, const std::wstring& strId, const std::wstring& strHusband,
                   const std::wstring& strWife, std::initializer_list<const wchar_t*> children)
{
    CFamily& family = doc.AppendFamily();
    family.m_strId = doc.AddText(strId);
    family.m_strHusband = doc.AddText(strHusband);
    family.m_strWife = doc.AddText(strWife);
    for (const wchar_t* pszChild : children)
        doc.Append(family.m_astrChildren, doc.AddText(pszChild));
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
    UseLanguage(L"En");
}

const CPerson& CGedcomTest::ReadPerson(const std::string& lines)
{
    EXPECT_TRUE(Read("0 @I1@ INDI\n" + lines + "\n0 TRLR\n"));
    if (Doc().GetLastPersonIndex() != 0)
        ADD_FAILURE() << "one person expected, got " << Doc().GetLastPersonIndex() + 1;
    static const CPerson theNone;
    return Doc().GetLastPersonIndex() >= 0 ? Doc().Persons()[0] : theNone;
}

std::unique_ptr<CDocument> MakeFamilies(const std::string& strPersons, const std::vector<std::string>& families)
{
    std::map<std::string, std::string> links;
    std::string strFamilies;
    for (std::size_t i = 0; i < families.size(); ++i) {
        const std::string strId = "@F" + std::to_string(i) + "@";
        std::istringstream words(families[i]);
        strFamilies += "0 " + strId + " FAM\n";
        std::string strWord;
        for (const char* pszRole : {"HUSB", "WIFE"})
            if (words >> strWord && strWord != "-") {
                strFamilies += std::string("1 ") + pszRole + " @" + strWord + "@\n";
                links[strWord] += "1 FAMS " + strId + "\n";
            }
        words >> strWord; // ">"
        while (words >> strWord) {
            strFamilies += "1 CHIL @" + strWord + "@\n";
            links[strWord] += "1 FAMC " + strId + "\n";
        }
    }
    std::string strText = "0 HEAD\n";
    std::istringstream persons(strPersons);
    for (std::string strPerson; persons >> strPerson;) {
        const std::string strName = strPerson.substr(0, strPerson.find(':'));
        strText += "0 @" + strName + "@ INDI\n1 NAME " + strName + " //\n1 SEX " +
                   strPerson.substr(strPerson.find(':') + 1) + "\n" + links[strName];
    }
    return std::move(ReadGedcom(strText + strFamilies + "0 TRLR\n").m_pDocument);
}
