#include "core/options/ResourceTable.h"

#include "TestSupport.h"

namespace {

TEST(ResourceTableTest, ReadsEscapesAndKeepsBlanks)
{
    CResourceTable table;
    std::vector<CResourceError> errors;
    table.Parse("\xEF\xBB\xBFstring 1 \" two  blanks \"\r\n" // editors on Windows save UTF-8 with a mark
                "string 2 \"a\\nb\\tc \\\"q\\\" \\\\\"\n"
                "  # a comment\n\n"
                "string 3 \"Ж\"",
                L"t", errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(*table.FindString(1), L" two  blanks ") << "CR LF line ends are read too";
    EXPECT_EQ(*table.FindString(2), L"a\nb\tc \"q\" \\");
    EXPECT_EQ(*table.FindString(3), L"Ж") << "the last line needs no line end";
}

// Each faulty line is named and skipped; the lines around it still load.
TEST(ResourceTableTest, AFaultyLineIsReportedWithItsLineAndSkipped)
{
    const std::pair<const char*, const wchar_t*> lines[] = {
        {"string x2 \"two\"", L"malformed string"}, {"string 2 two", L"malformed string"},
        {"string 2 \"two\" 5", L"malformed string"}, {"string 2 \"two", L"unterminated quote"},
        {"string 2 \"two\\", L"unterminated quote"}, {"string 2 \"t\\qo\"", L"unknown escape"},
        {"string 2 \"two\"x", L"text after the closing quote"}, {"strings 2 \"two\"", L"unknown keyword"},
        {"string 1 \"again\"", L"duplicate string id 1"}, // the first stays
        {"item 5 \"x\"", L"item outside a menu"}, {"menubar 500 32813", L"malformed menubar"},
        {"string 2 \"\xC3\x28\"", L"not UTF-8"},
    };
    for (const auto& [pszLine, pszReason] : lines) {
        SCOPED_TRACE(pszLine);
        CResourceTable table;
        std::vector<CResourceError> errors;
        const std::string text = std::string("string 1 \"one\"\n") + pszLine + "\nstring 3 \"three\"\n";
        table.Parse(text, L"module.lang", errors);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].m_strFile, L"module.lang");
        EXPECT_EQ(errors[0].m_nLine, 2);
        EXPECT_EQ(errors[0].m_strReason.find(pszReason), 0u) << WideToUtf8(errors[0].m_strReason);
        EXPECT_EQ(*table.FindString(1), L"one");
        ASSERT_NE(table.FindString(3), nullptr);
        EXPECT_EQ(*table.FindString(3), L"three");
    }
}

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
