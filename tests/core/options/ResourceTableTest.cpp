#include "core/options/ResourceTable.h"

#include "TestSupport.h"

namespace {

TEST(ResourceTableTest, ReadsEscapesAndKeepsBlanks)
{
    CResourceTable table;
    std::vector<CResourceError> errors;
    table.Parse("string 1 \" two  blanks \"\r\n"
                "string 2 \"a\\nb\\tc \\\"q\\\" \\\\\"\n"
                "  # a comment\n\n"
                "string 3 \"Ж\"",
                L"t", errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(*table.FindString(1), L" two  blanks ") << "CR LF line ends are read too";
    EXPECT_EQ(*table.FindString(2), L"a\nb\tc \"q\" \\");
    EXPECT_EQ(*table.FindString(3), L"Ж") << "the last line needs no line end";
}

TEST(ResourceTableTest, AByteOrderMarkIsNoPartOfTheFirstLine)
{
    CResourceTable table;
    std::vector<CResourceError> errors;
    table.Parse("\xEF\xBB\xBFstring 400 \"Aucun texte d\xC3\xA9\x66ini\"\n", L"t", errors);
    EXPECT_TRUE(errors.empty()) << "editors on Windows save UTF-8 with a mark";
    ASSERT_NE(table.FindString(400), nullptr);
}

// Each faulty line is named and skipped; the lines around it still load.
struct CFaultyLine {
    const char* m_pszName;
    const char* m_pszLine;
    const wchar_t* m_pszReason;
};

class FaultyLineTest : public testing::TestWithParam<CFaultyLine> {};

TEST_P(FaultyLineTest, IsReportedWithItsLineAndSkipped)
{
    CResourceTable table;
    std::vector<CResourceError> errors;
    const std::string text = std::string("string 1 \"one\"\n") + GetParam().m_pszLine + "\nstring 3 \"three\"\n";
    table.Parse(text, L"module.lang", errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].m_strFile, L"module.lang");
    EXPECT_EQ(errors[0].m_nLine, 2);
    EXPECT_EQ(errors[0].m_strReason.find(GetParam().m_pszReason), 0u) << WideToUtf8(errors[0].m_strReason);
    EXPECT_EQ(*table.FindString(1), L"one");
    ASSERT_NE(table.FindString(3), nullptr);
    EXPECT_EQ(*table.FindString(3), L"three");
}

INSTANTIATE_TEST_SUITE_P(Lines, FaultyLineTest, testing::Values(
    CFaultyLine{"IdNotANumber", "string x2 \"two\"", L"malformed string"},
    CFaultyLine{"NegativeId", "string -2 \"two\"", L"malformed string"},
    CFaultyLine{"TextNotQuoted", "string 2 two", L"malformed string"},
    CFaultyLine{"WordTooMany", "string 2 \"two\" 5", L"malformed string"},
    CFaultyLine{"UnterminatedQuote", "string 2 \"two", L"unterminated quote"},
    CFaultyLine{"EscapedLastQuote", "string 2 \"two\\", L"unterminated quote"},
    CFaultyLine{"UnknownEscape", "string 2 \"t\\qo\"", L"unknown escape"},
    CFaultyLine{"TextAfterTheQuote", "string 2 \"two\"x", L"text after the closing quote"},
    CFaultyLine{"DuplicateIdTheFirstStays", "string 1 \"again\"", L"duplicate string id 1"},
    CFaultyLine{"UnknownKeyword", "strings 2 \"two\"", L"unknown keyword"},
    CFaultyLine{"ItemOutsideAMenu", "item 5 \"x\"", L"item outside a menu"},
    CFaultyLine{"MenubarWithoutCaption", "menubar 500 32813", L"malformed menubar"},
    CFaultyLine{"NotUtf8", "string 2 \"\xC3\x28\"", L"not UTF-8"}), CByName());

TEST(ResourceTableTest, AMenuLeftOpenIsReportedAndKept)
{
    CResourceTable table;
    std::vector<CResourceError> errors;
    table.Parse("menu 500 \"Help\"\n  item 1 \"&One\"\nstring 7 \"seven\"\n", L"m", errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].m_nLine, 3);
    EXPECT_EQ(errors[0].m_strReason, L"menu without end");
    ASSERT_NE(table.FindMenu(500), nullptr);
    EXPECT_EQ(table.FindMenu(500)->m_items.size(), 1u);
    EXPECT_EQ(*table.FindString(7), L"seven");
}

TEST(ResourceTableTest, ADuplicateMenuKeepsTheFirstItems)
{
    CResourceTable table;
    std::vector<CResourceError> errors;
    table.Parse("menu 500 \"A\"\nitem 1 \"one\"\nend\nmenu 500 \"B\"\nitem 2 \"two\"\nend\n", L"m", errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].m_nLine, 4);
    EXPECT_EQ(table.FindMenu(500)->m_strCaption, L"A");
    ASSERT_EQ(table.FindMenu(500)->m_items.size(), 1u);
    EXPECT_EQ(table.FindMenu(500)->m_items[0].m_nCommand, 1);
}

} // namespace
