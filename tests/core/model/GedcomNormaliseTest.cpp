#include "core/model/GedcomFile.h"
#include "core/model/GedcomParser.h"
#include "core/model/GedcomReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct NormalCase {
    const char* m_pszName;
    const wchar_t* text;
    const wchar_t* normal;
};

class LineNormaliseTest : public testing::TestWithParam<NormalCase> {};

TEST_P(LineNormaliseTest, GivesTheLineTheReaderSees)
{
    std::wstring out = L"stale";
    NormaliseGedcomLine(GetParam().text, out);
    EXPECT_EQ(out, GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineNormaliseTest, testing::Values(
    NormalCase{"BlankRuns", L" \t1 NAME  John   Smith \r\n", L"1 NAME John Smith"},
    NormalCase{"BlankBeforeTheFirstSlashOnly", L"1 NAME John/Smith/", L"1 NAME John /Smith/"},
    NormalCase{"SlashesOfADate", L"2 DATE 12/05/1900", L"2 DATE 12 /05/1900"},
    NormalCase{"BlankAlreadyBeforeTheSlash", L"1 NAME /Smith/", L"1 NAME /Smith/"},
    NormalCase{"NothingBeforeTheSlash", L"/x", L"/x"},
    NormalCase{"BlankBeforeEachParenthesis", L"1 NOTE a(b)(c) (d)", L"1 NOTE a (b) (c) (d)"},
    NormalCase{"LeadingParenthesisEndsTheScan", L"(a)b(c)", L"(a)b(c)"},
    NormalCase{"InnerTabsStay", L"1 NOTE a\tb", L"1 NOTE a\tb"},
    NormalCase{"BlanksOnly", L" \t\r ", L""}), CByName());

// The file finds, while it looks for a line's end, whether the line is plain:
// ASCII with no slash, opening parenthesis or two blanks in a row. Lines of
// every length, under every kind of line end, with few marks, so that a lone
// one falls on every edge of the chunks the file looks at; and a line longer
// than a block, marked only in its first one.
TEST(ReaderLineTest, TheFileTellsPlainLinesExactly)
{
    std::vector<std::string_view> pieces(30, "a");
    pieces.insert(pieces.end(), {" ", " ", " ", "/", "(", "\t", "\xC3\xA9"});
    const std::string_view ends[] = {"\n", "\r\n", "\r", "\n\r"};
    std::uint32_t seed = 54321;
    const auto next = [&seed](std::uint32_t nBelow) {
        seed = seed * 1103515245 + 12345;
        return (seed >> 16) % nBelow;
    };
    std::vector<std::string> lines = {"0 /" + std::string(3'000'000, 'a')};
    std::string text = lines[0] + "\n";
    while (text.size() < 4'500'000) {
        std::string line;
        for (std::uint32_t n = next(40); n > 0; --n)
            line += pieces[next(static_cast<std::uint32_t>(pieces.size()))];
        text += line;
        text += ends[next(std::size(ends))];
        if (!line.empty())
            lines.push_back(line);
    }
    const CTempFolder folder;
    const std::filesystem::path path = folder.Path() / "lines.ged";
    std::ofstream(path, std::ios::binary) << text;

    CGedcomFile file;
    ASSERT_TRUE(file.Open(path.wstring()));
    std::string_view line;
    bool bPlain = false;
    for (const std::string& expected : lines) {
        ASSERT_TRUE(file.ReadTextLine(line, bPlain));
        ASSERT_EQ(line, expected);
        const bool bExpected = expected.find_first_of("/(\xC3") == std::string::npos &&
                               expected.find("  ") == std::string::npos;
        ASSERT_EQ(bPlain, bExpected) << "line \"" << expected.substr(0, 80) << "\"";
    }
    EXPECT_FALSE(file.ReadTextLine(line, bPlain));
}

class PlaceNormaliseTest : public testing::TestWithParam<NormalCase> {};

TEST_P(PlaceNormaliseTest, GivesTheStoredPlace)
{
    std::wstring place = GetParam().text;
    NormalisePlace(place);
    EXPECT_EQ(place, GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Places, PlaceNormaliseTest, testing::Values(
    NormalCase{"BlankAfterEachComma", L"Moscow,Russia", L"Moscow, Russia."},
    NormalCase{"TrailingCommaGoes", L"Moscow, Russia,", L"Moscow, Russia."},
    NormalCase{"OnlyOneTrailingCommaGoes", L"Town,,", L"Town, ."},
    NormalCase{"CommaRunsAndBlankRuns", L"A,,,B , C.", L"A, B , C."},
    NormalCase{"AlreadyNormalStays", L"Lyon, Rhône, France", L"Lyon, Rhône, France."},
    NormalCase{"EmptyPartsBetweenBlanks", L"a, , b", L"a, , b."},
    NormalCase{"CommaBeforeTwoBlanks", L"a,  b", L"a, b."},
    NormalCase{"LeadingComma", L",a", L", a."},
    NormalCase{"Empty", L"", L"."}), CByName());

} // namespace
