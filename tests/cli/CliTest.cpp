#include "TestSupport.h"

#include <sys/wait.h>

#include <cstdlib>

namespace {

struct CRunResult {
    int m_nStatus = -1;
    std::string m_strOut;
    std::string m_strErr;
};

std::string Quoted(const std::string& strArg)
{
    std::string strQuoted = "'";
    for (const char c : strArg)
        strQuoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return strQuoted + "'";
}

// Runs the built stemmark-cli on a copy of the file, with a home and a
// configuration folder of the test's own, so the user's settings never count.
class CliTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(ConfigFile().parent_path());
        std::filesystem::copy_file(std::filesystem::path(STEMMARK_TEST_DATA) / "cli-one-family.ged", File());
    }

    std::filesystem::path File() const { return m_folder.Path() / "one-family.ged"; }
    std::filesystem::path ConfigFile() const { return m_folder.Path() / "config" / "Quillborn" / "Stemmark.ini"; }

    CRunResult Run(const std::vector<std::string>& astrArgs, bool bWithFile = true) const
    {
        const std::filesystem::path& folder = m_folder.Path();
        std::string strCommand = "env HOME=" + Quoted(folder.string()) +
                                 " XDG_CONFIG_HOME=" + Quoted((folder / "config").string()) +
                                 " XDG_STATE_HOME=" + Quoted((folder / "state").string()) + " " + STEMMARK_CLI;
        if (bWithFile)
            strCommand += " " + Quoted(File().string());
        for (const std::string& strArg : astrArgs)
            strCommand += " " + Quoted(strArg);
        strCommand += " >" + Quoted((folder / "out").string()) + " 2>" + Quoted((folder / "err").string());
        const int nWait = std::system(strCommand.c_str());
        return {WIFEXITED(nWait) ? WEXITSTATUS(nWait) : -1, ReadFileBytes(folder / "out"), ReadFileBytes(folder / "err")};
    }

    CTempFolder m_folder;
};

struct CliCase {
    std::vector<std::string> args;
    int status;
    const char* out; ///< the whole of stdout; nullptr: tests/data/expected/cli/<row>.txt
    const char* err; ///< a part of stderr
    const char* file = nullptr; ///< in tests/data, instead of the one family
};

class CliOutputTest : public CliTest, public testing::WithParamInterface<CliCase> {};

// A row's name: its command line, files by their own names, and its file.
std::string RowName(const testing::TestParamInfo<CliCase>& info)
{
    std::string strLine;
    for (const std::string& strArg : info.param.args)
        strLine += std::filesystem::path(strArg).filename().string() + " ";
    std::string strName = TestName(strLine);
    if (info.param.file)
        strName += "_" + TestName(info.param.file);
    return strName;
}

TEST_P(CliOutputTest, PrintsWhatTheViewShowsWithItsStatus)
{
    if (GetParam().file)
        std::filesystem::copy_file(std::filesystem::path(STEMMARK_TEST_DATA) / GetParam().file, File(),
                                   std::filesystem::copy_options::overwrite_existing);
    const CRunResult result = Run(GetParam().args);
    const std::string strRow = testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::filesystem::path golden = std::filesystem::path(STEMMARK_TEST_DATA) / "expected" / "cli" /
                                         (strRow.substr(strRow.find('/') + 1) + ".txt");
    EXPECT_EQ(result.m_nStatus, GetParam().status);
    EXPECT_EQ(result.m_strOut, GetParam().out ? GetParam().out : ReadFileBytes(golden));
    EXPECT_NE(result.m_strErr.find(GetParam().err), std::string::npos) << result.m_strErr;
}

INSTANTIATE_TEST_SUITE_P(List, CliOutputTest, testing::Values(
    // An accented letter sorts beside its plain one, as in the program.
    CliCase{{"list"}, 0, "Select person (3 persons in total)\n1\tOde \u00c9mile\n2\tOde Eve\n0\tOde Zoe\n", "",
            "cli-accents.ged"},
    CliCase{{"list"}, 0,
            "Select person (5 persons in total)\n1\tJones Mary\n4\tQuiet Oleg\n2\tSmith Anna\n0\tSmith John\n"
            "3\tSmith Peter\n", ""},
    CliCase{{"list", "--last", "SMI", "--json"}, 0, nullptr, ""},
    // The bounds are checked and read as the search form reads them.
    CliCase{{"list", "--born-from", "2.2.52", "--born-to", "12.1980", "--set", "PutBirthDate=1", "--date-format", "1"},
            0, nullptr, ""},
    CliCase{{"list", "--born-from", "soon"}, 2, "", "Direction: Possible formats of birth date"},
    CliCase{{"list", "--first", "nobody"}, 1, "", "Message: Data not found"},
    CliCase{{"list", "--first", "nobody", "--json"}, 1,
            "{\"caption\":\"\",\"message\":\"Data not found\",\"entries\":[]}\n", "Message: Data not found"},
    // Ages count to --today; options and language hold for the run.
    CliCase{{"list", "--no-birth-year", "--lang", "Ru"}, 0, "Выберите лицо (всего: 1)\n4\tQuiet Oleg\n", ""},
    CliCase{{"list", "--last", "smith", "--set", "PutAge=1", "--set", "1Name1=1", "--today", "2000-03-02"}, 0,
            "Select person (3 persons in total)\n2\tAnna Smith [19]\n0\tJohn Smith [50]\n3\tPeter Smith [24]\n", ""}), RowName);

INSTANTIATE_TEST_SUITE_P(Person, CliOutputTest, testing::Values(
    CliCase{{"person", "@I4@", "--text"}, 0, nullptr, ""},
    CliCase{{"person", "3", "--json"}, 0, nullptr, ""},
    CliCase{{"person", "5"}, 1, "", "no person 5"},
    CliCase{{"person", "@I9@"}, 1, "", "no person @I9@"},
    CliCase{{"person", "Peter"}, 2, "", "a person is a number or an id"}), RowName);

INSTANTIATE_TEST_SUITE_P(Relationship, CliOutputTest, testing::Values(
    CliCase{{"relationship", "@I3@", "@I4@"}, 0,
            "Relationship: Anna Smith \u2013 Peter Smith\n1. Anna Smith is the sister of Peter Smith.\n"
            "Peter Smith is the brother of Anna Smith.\nCommon ancestors: John Smith & Mary Jones\n"
            "1\tAnna Smith\tPeter Smith\t\nCompare with another person\n",
            ""},
    CliCase{{"relationship", "2", "0", "--json", "--lang", "Ru"}, 0,
            "{\"ways\":[{\"kind\":\"blood\",\"up\":1,\"down\":0,\"half\":false,"
            "\"aToB\":\"John Smith: Anna Smith \u2014 \u0434\u043e\u0447\u044c.\","
            "\"bToA\":\"Anna Smith: John Smith \u2014 \u043e\u0442\u0435\u0446.\","
            "\"lineA\":[\"@I3@\",\"@I1@\"],\"lineB\":[\"@I1@\"]}],\"count\":1,\"stopped\":false}\n",
            ""},
    CliCase{{"relationship", "2", "4"}, 1,
            "Relationship: Anna Smith \u2013 Oleg Quiet\n\nNo relationship found.\nCompare with another person\n", ""},
    CliCase{{"relationship", "2", "--home"}, 1, "", "no home person is kept"},
    CliCase{{"relationship", "2"}, 2, "", "relationship takes A and B, or A and --home"}), RowName);

INSTANTIATE_TEST_SUITE_P(Chart, CliOutputTest, testing::Values(
    CliCase{{"chart", "@I4@", "--ancestors"}, 0, nullptr, ""},
    CliCase{{"chart", "0", "--descendants", "--depth", "1", "--places"}, 0, nullptr, ""},
    CliCase{{"chart", "0"}, 2, "", "chart takes --ancestors or --descendants"}), RowName);

INSTANTIATE_TEST_SUITE_P(Family, CliOutputTest, testing::Values(
    // The children as the view first lists them: by birth date, not file order;
    // the notes from the side of the person asked for.
    CliCase{{"family", "@I2@"}, 0, nullptr, ""},
    CliCase{{"family", "0", "--json"}, 0, nullptr, ""},
    CliCase{{"family", "4"}, 1, "", "Message: No information about own family"}), RowName);

constexpr char kLoop[] = "cli-line-back-to-its-root.ged";

INSTANTIATE_TEST_SUITE_P(Tree, CliOutputTest, testing::Values(
    // Children in text order, not birth order as the family view has them.
    CliCase{{"tree", "0", "--descendants", "--json"}, 0, nullptr, ""},
    CliCase{{"tree", "@I4@", "--ancestors"}, 0,
            "Ancestors (2 persons in total)\nSmith Peter\n  Jones Mary\n  Smith John\n", ""},
    // The count is the whole tree's, however little is shown.
    CliCase{{"tree", "0", "--descendants", "--depth", "0"}, 0, "Descendants (2 persons in total)\nSmith John\n", ""},
    CliCase{{"tree", "2", "--descendants"}, 1, "", "Message: No information about descendants"},
    CliCase{{"tree", "2", "--descendants", "--json"}, 1, nullptr, "Message: No information about descendants"},
    CliCase{{"tree", "9", "--ancestors"}, 1, "", "no person 9"},
    // Back at the root the line stops; the siblings after it are walked from
    // their own path, below the same parent.
    CliCase{{"tree", "@I1@", "--descendants"}, 0,
            "Descendants (5 persons in total)\nAdam\n  Abel\n    Seth\n  Cain\n    Enoch\n      Adam\n", "", kLoop},
    CliCase{{"tree", "@I4@", "--ancestors", "--depth", "2"}, 0,
            "Ancestors (3 persons in total)\nEnoch\n  Cain\n    Adam\n", "", kLoop},
    // One box a message; the ids it would have repeated for follow it.
    CliCase{{"tree", "@I1@", "--descendants"}, 0, "Descendants (1 persons in total)\nRoot\n  Child\n",
            "Message: Error: Negative person index\nError: Negative person index: @X2@\n"
            "Error: Negative person index: @X3@\nError: Negative person index: 2 more not shown, listed above\n",
            "cli-dangling-children.ged"}), RowName);

INSTANTIATE_TEST_SUITE_P(Patriarchs, CliOutputTest, testing::Values(
    CliCase{{"patriarchs", "--set", "LevForPatr=1", "--set", "DatForPatr=1"}, 0, nullptr, ""},
    // Each root's tree is walked afresh: what was on the path below the one
    // before no longer stops a line.
    CliCase{{"patriarchs", "--set", "LevForPatr=3", "--set", "DatForPatr=0", "--depth", "3"}, 0, nullptr, "", kLoop},
    CliCase{{"patriarchs", "--set", "LevForPatr=1", "--set", "DatForPatr=0", "--depth", "0", "--json"}, 0, nullptr, ""},
    CliCase{{"patriarchs", "--set", "LevForPatr=2", "--json"}, 1, nullptr, "Message: Input file is empty"}), RowName);

INSTANTIATE_TEST_SUITE_P(Sources, CliOutputTest, testing::Values(
    CliCase{{"sources"}, 0, "@S1@\t4\tParish book of Town\n@S2@\t3\tCensus\n", "", "citations.ged"},
    CliCase{{"sources", "--json"}, 0, nullptr, "", "citations.ged"},
    CliCase{{"person", "@I1@", "--json"}, 0, nullptr, "", "citations.ged"},
    CliCase{{"sources"}, 1, "", ""}), RowName);

// Paths found depend on the machine, so the rows are of what is not found.
INSTANTIATE_TEST_SUITE_P(Media, CliOutputTest, testing::Values(
    CliCase{{"media", "0"}, 0,
            "missing\tC:\\Photos\\ann.jpg\tAnn in 1950\n"
            "climbs-out\t../../etc/passwd\tSneaky\tBorn\n"
            "https://example.org/ann.jpg\thttps://example.org/ann.jpg\tOn the web\n",
            "", "cli-media.ged"},
    CliCase{{"media", "@I1@", "--json"}, 0, nullptr, "", "cli-media.ged"},
    CliCase{{"person", "0", "--json"}, 0, nullptr, "", "cli-media.ged"},
    CliCase{{"media", "1"}, 1, "", "", "cli-media.ged"}), RowName);

const std::string theBook = std::string(STEMMARK_TEST_DATA) + "/cli-book.vcf";

// Anna's card gives another year; John's the same day as the file.
INSTANTIATE_TEST_SUITE_P(Compare, CliOutputTest, testing::Values(
    CliCase{{"compare", theBook}, 0, nullptr, ""},
    CliCase{{"compare", theBook, "--json"}, 0, nullptr, ""},
    CliCase{{"compare", "/no/such/book.vcf", "--json"}, 1,
            R"j({"differencesHtml":null,"matchesHtml":null,"message":"Unable to access Contacts"})j" "\n",
            "Stemmark: Unable to access Contacts"}), RowName);

INSTANTIATE_TEST_SUITE_P(Usage, CliOutputTest, testing::Values(
    CliCase{{"tree", "0"}, 2, "", "tree takes either --ancestors or --descendants"},
    CliCase{{"tree", "0", "--ancestors", "--descendants"}, 2, "", "tree takes either"},
    CliCase{{"patriarchs", "--depth", "-1"}, 2, "", "--depth takes a number"},
    CliCase{{"frobnicate"}, 2, "", "no command 'frobnicate'"},
    CliCase{{"person"}, 2, "", "person takes REF"},
    CliCase{{"list", "--text"}, 2, "", "list has no option --text"},
    CliCase{{"list", "--lang", "De"}, 2, "", "--lang takes"},
    CliCase{{"list", "--date-format", "2"}, 2, "", "--date-format takes"},
    CliCase{{"list", "--set", "NoSuch=1"}, 2, "", "no option NoSuch"},
    CliCase{{"list", "--set", "PutAge=yes"}, 2, "", "no option PutAge takes the value 'yes'"},
    CliCase{{"list", "--today", "2000-13-01"}, 2, "", "--today takes"},
    CliCase{{"list", "--last"}, 2, "", "--last needs a value"}), RowName);

TEST_F(CliTest, StatsReportTheReading)
{
    const CRunResult text = Run({"stats"});
    EXPECT_EQ(text.m_nStatus, 0);
    EXPECT_EQ(text.m_strOut.rfind("persons: 5\nfamilies: 1\nread: yes\nseconds: ", 0), 0U) << text.m_strOut;
    const CRunResult json = Run({"stats", "--json"});
    EXPECT_EQ(json.m_nStatus, 0);
    EXPECT_EQ(json.m_strOut.rfind(R"j({"persons":5,"families":1,"read":true,"seconds":)j", 0), 0U) << json.m_strOut;
}

TEST_F(CliTest, AFileThatCannotBeReadEndsWithStatusThree)
{
    std::filesystem::remove(File());
    const CRunResult list = Run({"list"});
    EXPECT_EQ(list.m_nStatus, 3);
    EXPECT_EQ(list.m_strOut, "");
    EXPECT_EQ(list.m_strErr, "Stemmark: Can't open source file " + File().string() + ".\nNo such file or directory\n");
    const CRunResult stats = Run({"stats", "--json"});
    EXPECT_EQ(stats.m_nStatus, 3);
    EXPECT_EQ(stats.m_strOut.rfind(R"j({"persons":0,"families":0,"read":false,)j", 0), 0U) << stats.m_strOut;
}

TEST_F(CliTest, HelpNamesEveryCommandAndEachCommandsOptions)
{
    const CRunResult all = Run({"--help"}, false);
    EXPECT_EQ(all.m_nStatus, 0);
    for (const char* pszCommand : {"list", "person REF", "family REF", "tree REF", "patriarchs", "compare", "stats"})
        EXPECT_NE(all.m_strOut.find(pszCommand), std::string::npos) << pszCommand;
    const CRunResult list = Run({"list", "--help"}, false);
    EXPECT_EQ(list.m_nStatus, 0);
    EXPECT_NE(list.m_strOut.find("--born-from DATE"), std::string::npos);
    EXPECT_NE(list.m_strOut.find("--set NAME=VALUE"), std::string::npos);
}

// The stored options apply, and no option of the command line is ever stored.
TEST_F(CliTest, StoredSettingsApplyAndAreNeverWritten)
{
    const std::string strStored = "[General]\nLang=Ru\n";
    WriteFileBytes(ConfigFile(), strStored);
    EXPECT_EQ(Run({"list", "--no-birth-year"}).m_strOut, "Выберите лицо (всего: 1)\n4\tQuiet Oleg\n");

    const CRunResult result = Run({"list", "--no-birth-year", "--lang", "En", "--set", "PutAge=1", "--set",
                                   "LastFile=1", "--set", "LastFileName=/x.ged", "--date-format", "1"});
    EXPECT_EQ(result.m_strOut, "Select person (1 persons in total)\n4\tQuiet Oleg\n");
    EXPECT_EQ(ReadFileBytes(ConfigFile()), strStored);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ConfigFile().parent_path()),
                            std::filesystem::directory_iterator()), 1);
}

} // namespace
