#include "core/options/Language.h"

#include "TestSupport.h"

#include <regex>
#include <set>

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

} // namespace
