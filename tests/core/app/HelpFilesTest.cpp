#include "core/options/Language.h"
#include "core/options/StringIds.h"

#include "TestSupport.h"

#include <regex>
#include <set>
#include <tuple>

namespace {

const std::filesystem::path theHelpFolder = std::filesystem::path(STEMMARK_RESOURCES) / "help";

// The topics' anchors: those the program opens the help at (the main window,
// every view, the options sheet and its pages) and the one on media.
const char* const theTopics[] = {"overview", "Main_Contents", "selperson", "info",        "relationship",
                                 "chart",    "media",         "family",    "ancest",      "descend",
                                 "patriarh", "search",        "option",    "option_dspl", "option_gen"};

// The first group of every match of the pattern.
std::set<std::string> Captures(const std::string& strHtml, const char* pszPattern)
{
    const std::regex pattern(pszPattern);
    std::set<std::string> astrFound;
    for (auto it = std::sregex_iterator(strHtml.begin(), strHtml.end(), pattern); it != std::sregex_iterator(); ++it)
        astrFound.insert((*it)[1]);
    return astrFound;
}

// The section of the topic: from its anchor to the next heading.
std::string TopicText(const std::string& strHtml, const std::string& strTopic)
{
    const std::size_t nStart = strHtml.find("<a name=\"" + strTopic + "\"");
    if (nStart == std::string::npos)
        return {};
    return strHtml.substr(nStart, strHtml.find("<h2>", nStart) - nStart);
}

// The text as a reader sees it: tags dropped, and line breaks and runs of blanks
// one space, as the source wraps its lines anywhere.
std::string FlowingText(const std::string& strHtml)
{
    return std::regex_replace(std::regex_replace(strHtml, std::regex("<[^>]*>"), ""),
                              std::regex("[ \t\r\n]+"), " ");
}

// Every name an <a name="..."> gives; the id beside it must be the same.
std::set<std::string> Anchors(const std::string& strHtml)
{
    const std::set<std::string> astrNames = Captures(strHtml, R"re(<a name="([^"]*)" id="\1")re");
    EXPECT_EQ(Captures(strHtml, R"re(<a name="([^"]*)")re"), astrNames);
    return astrNames;
}

// The English file has an anchor for every topic; the file of every language,
// named as the program looks for it, has the same anchors, and every link
// inside a file leads to one of them.
TEST(HelpFilesTest, HasEveryTopicAndLinkTarget)
{
    const std::set<std::string> astrEnglish = Anchors(ReadFileBytes(theHelpFolder / "Stemmark.htm"));
    for (const char* pszTopic : theTopics)
        EXPECT_TRUE(astrEnglish.count(pszTopic)) << pszTopic;
    for (const int nOffset : {0, 200, 400, 600, 800}) { // English, Russian, French, German, Italian
        theStringOffset = nOffset;
        const std::string strFile = WideToUtf8(LangHelpFile(L"Stemmark.htm"));
        theStringOffset = 0;
        SCOPED_TRACE(strFile);
        const std::string strHtml = ReadFileBytes(theHelpFolder / strFile);
        ASSERT_FALSE(strHtml.empty());
        const std::set<std::string> astrAnchors = Anchors(strHtml);
        EXPECT_EQ(astrAnchors, astrEnglish);
        for (const std::string& strTarget : Captures(strHtml, R"re(href="#([^"]*)")re"))
            EXPECT_TRUE(astrAnchors.count(strTarget)) << strTarget;
    }
}

// The media topic quotes the texts the media list and the GEDZIP messages show,
// in each language as its strings have them, so a reworded string is caught.
TEST(HelpFilesTest, TheMediaTopicQuotesTheProgramsTexts)
{
    LoadOwnResources();
    const std::tuple<const char*, const char*, int> languages[] = {
        {"Stemmark.htm", nullptr, 0},
        {"StemmarkLangRus.htm", nullptr, 200},
        {"StemmarkLangFra.htm", "StemmarkLangFra.lang", 400},
        {"StemmarkLangDeu.htm", "StemmarkLangDeu.lang", 600},
        {"StemmarkLangIta.htm", "StemmarkLangIta.lang", 800}};
    for (const auto& [pszHelp, pszModule, nOffset] : languages) {
        SCOPED_TRACE(pszHelp);
        CResourceTable module;
        if (pszModule) {
            std::vector<CResourceError> errors;
            module.Parse(ReadFileBytes(std::filesystem::path(STEMMARK_RESOURCES) / pszModule), L"module",
                         errors);
        }
        const CResourceTable& table = pszModule ? module : *theOwnResources;
        const std::string strTopic = FlowingText(TopicText(ReadFileBytes(theHelpFolder / pszHelp), "media"));
        ASSERT_FALSE(strTopic.empty());
        for (int nId = IDS_MEDIA; nId <= IDS_GEDZIP_ENTRY_CLIMBS_OUT; ++nId) {
            const std::wstring* pText = table.FindString(nId + nOffset);
            ASSERT_NE(pText, nullptr) << nId;
            std::string strQuoted = WideToUtf8(*pText);
            // The help names the unpacking limit the program puts in.
            if (const std::size_t nMark = strQuoted.find("%1"); nMark != std::string::npos)
                strQuoted.replace(nMark, 2, "100");
            EXPECT_NE(strTopic.find(strQuoted), std::string::npos) << nId << ": " << strQuoted;
        }
    }
}

} // namespace
