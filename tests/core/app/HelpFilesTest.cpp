#include "core/options/Language.h"
#include "core/text/WideText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path theHelpFolder = std::filesystem::path(STEMMARK_RESOURCES) / "help";

// The anchors the program opens the help at: the main window, every view and
// the options sheet and its pages.
const char* const theTopics[] = {"overview", "Main_Contents", "selperson", "info",   "family",      "ancest",
                                 "descend",  "patriarh",      "search",    "option", "option_dspl", "option_gen"};

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Every name an <a name="..."> gives; the id beside it must be the same.
std::set<std::string> Anchors(const std::string& strHtml)
{
    static const std::regex anchor(R"re(<a name="([^"]*)" id="([^"]*)")re");
    std::set<std::string> astrNames;
    for (auto it = std::sregex_iterator(strHtml.begin(), strHtml.end(), anchor); it != std::sregex_iterator(); ++it) {
        EXPECT_EQ((*it)[1], (*it)[2]);
        astrNames.insert((*it)[1]);
    }
    return astrNames;
}

std::set<std::string> LinkTargets(const std::string& strHtml)
{
    static const std::regex link(R"re(href="#([^"]*)")re");
    std::set<std::string> astrTargets;
    for (auto it = std::sregex_iterator(strHtml.begin(), strHtml.end(), link); it != std::sregex_iterator(); ++it)
        astrTargets.insert((*it)[1]);
    return astrTargets;
}

// The help file of every language, named as the program looks for it.
std::vector<std::string> HelpFiles()
{
    std::vector<std::string> astrFiles;
    for (const int nOffset : {0, 200, 400, 600, 800}) { // English, Russian, French, German, Italian
        theStringOffset = nOffset;
        astrFiles.push_back(WideToUtf8(LangHelpFile(L"Stemmark.htm")));
    }
    theStringOffset = 0;
    return astrFiles;
}

class HelpFilesTest : public testing::TestWithParam<std::string> {};

// The English file has an anchor for every topic; every other file has the
// same anchors, and every link inside a file leads to one of them.
TEST_P(HelpFilesTest, HasEveryTopicAndLinkTarget)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(theHelpFolder / GetParam()));
    const std::string strHtml = ReadText(theHelpFolder / GetParam());
    const std::set<std::string> astrAnchors = Anchors(strHtml);
    EXPECT_EQ(astrAnchors, Anchors(ReadText(theHelpFolder / "Stemmark.htm")));
    for (const char* pszTopic : theTopics)
        EXPECT_TRUE(astrAnchors.count(pszTopic)) << pszTopic;
    for (const std::string& strTarget : LinkTargets(strHtml))
        EXPECT_TRUE(astrAnchors.count(strTarget)) << strTarget;
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpFilesTest, testing::ValuesIn(HelpFiles()),
                         [](const testing::TestParamInfo<std::string>& file) {
                             return file.param.substr(0, file.param.find('.'));
                         });

} // namespace
