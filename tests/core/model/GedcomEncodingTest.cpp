#include "TestSupport.h"

#include <cstdlib>

namespace {

using GedcomEncodingTest = CGedcomTest;

std::wstring NameRead(CGedcomTest& test, const std::string& bytes)
{
    EXPECT_TRUE(test.Read(bytes));
    const CDocument& doc = test.Doc();
    return doc.GetLastPersonIndex() >= 0 ? doc.Str(doc.Persons()[doc.GetLastPersonIndex()].m_strName)
                                         : L"(no person)";
}

TEST_F(GedcomEncodingTest, AnAnselHeaderMakesAccentsReadAsLetters)
{
    const std::string person = "0 @I1@ INDI\r\n1 NAME Ren\xE2" "e /M\xE8uller/\r\n";
    EXPECT_EQ(NameRead(*this, "0 HEAD\r\n1 CHAR ANSEL\r\n2 VERS 1\r\n" + person), L"Ren\u00E9 /M\u00FCller/");
    EXPECT_EQ(NameRead(*this, "0 HEAD\r\n1 CHAR ANSI\r\n" + person), L"Ren\u00E2e /M\u00E8uller/")
        << "without the declaration the bytes are windows-1252";
    EXPECT_EQ(NameRead(*this, "0 HEAD\r\n0 @S1@ SOUR\r\n1 CHAR ANSEL\r\n" + person), L"Ren\u00E2e /M\u00E8uller/")
        << "only the header declares";
}

TEST_F(GedcomEncodingTest, Utf8WithAndWithoutByteOrderMark)
{
    const std::string text = "0 @I1@ INDI\n1 NAME \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD /Caf\xC3\xA9/\n";
    EXPECT_EQ(NameRead(*this, text), L"\u0418\u0432\u0430\u043D /Caf\u00E9/");
    EXPECT_EQ(NameRead(*this, "\xEF\xBB\xBF" + text), L"\u0418\u0432\u0430\u043D /Caf\u00E9/");
    EXPECT_EQ(NameRead(*this, "\xEF\xBB\xBF" "0 HEAD\n1 CHAR ANSEL\n" + text), L"\u0418\u0432\u0430\u043D /Caf\u00E9/")
        << "the byte-order mark outweighs the header";
}

// The locale's code page is taken once a process, at its first legacy line;
// a process of its own sees the locale set here whatever ran before.
TEST_F(GedcomEncodingTest, OtherLinesReadInTheLocalesCodePage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::setenv("LC_ALL", "ru_RU.UTF-8", 1);
            const bool bRussian = NameRead(*this, "0 @I1@ INDI\n1 NAME \xC8\xE2\xE0\xED\n1 NOTE \xD0\x98\n") ==
                                  L"\u0418\u0432\u0430\u043D";
            // A valid UTF-8 line stays UTF-8.
            std::exit(bRussian && NoteText(Person(0).m_notes, 0) == L"\u0418" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(GedcomEncodingTest, Utf16FilesOfEitherOrder)
{
    const struct {
        const char* file;
        const wchar_t* name;
    } cases[] = {
        {"utf16-be.ged", L"\u0418\u0432\u0430\u043D /\u041F\u0435\u0442\u0440\u043E\u0432/"},
        {"utf16-le-beyond-bmp.ged", L"\u0418\u0432\u0430\u043D /\U0001F333/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameRead(*this, ReadFileBytes(std::filesystem::path(STEMMARK_TEST_DATA) / c.file)), c.name) << c.file;
}

} // namespace
