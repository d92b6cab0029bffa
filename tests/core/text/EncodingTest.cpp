#include "core/text/Ansel.h"
#include "core/text/LegacyCodePage.h"
#include "core/text/Utf16.h"

#include "TestSupport.h"

namespace {

std::wstring Ansel(const std::string& bytes)
{
    std::wstring out;
    DecodeAnsel(bytes, out);
    return out;
}

struct AnselCase {
    const char* m_pszName;
    const char* bytes;
    const wchar_t* text;
};

class AnselTest : public testing::TestWithParam<AnselCase> {};

TEST_P(AnselTest, PutsTheMarkOnTheLetterAfterIt)
{
    EXPECT_EQ(Ansel(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Names, AnselTest, testing::Values(
    AnselCase{"Composed", "Ren\xE2" "e M\xE8uller", L"Ren\u00E9 M\u00FCller"},   // é, ü
    AnselCase{"TwoMarksOneLetter", "\xE8\xE2u", L"\u01D8"},                        // ǘ
    AnselCase{"NoComposedLetterMarkFollows", "\xE2q", L"q\u0301"},
    AnselCase{"MarkOnAnAnselLetter", "\xE2\xA2", L"\u01FE"},                       // Ǿ
    AnselCase{"SpacingLetters", "\xA1\xB1\xB5\xC5", L"\u0141\u0142\u00E6\u00BF"},
    AnselCase{"MarkAtTheEndStays", "e\xE2", L"e\u0301"},
    AnselCase{"UndefinedBytes", "\x80\xAF\xFF", L"\uFFFD\uFFFD\uFFFD"}), CByName());

struct LocaleCase {
    const char* locale;
    const char* codePage;
};

class LegacyCodePageTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LegacyCodePageTest, FollowsTheLanguage)
{
    EXPECT_EQ(LegacyCodePageOfLocale(GetParam().locale), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(Locales, LegacyCodePageTest, testing::Values(
    LocaleCase{"ru_RU.UTF-8", "WINDOWS-1251"}, LocaleCase{"uk_UA", "WINDOWS-1251"},
    LocaleCase{"pl_PL.ISO-8859-2", "WINDOWS-1250"}, LocaleCase{"el_GR", "WINDOWS-1253"},
    LocaleCase{"vi", "WINDOWS-1258"}, LocaleCase{"de_DE@euro", "WINDOWS-1252"},
    LocaleCase{"C", "WINDOWS-1252"}, LocaleCase{"", "WINDOWS-1252"}),
    [](const testing::TestParamInfo<LocaleCase>& row) { return TestName(row.param.locale); });

TEST(LegacyDecoderTest, DecodesThroughTheCodePage)
{
    std::wstring out;
    CLegacyDecoder("WINDOWS-1251").Decode("\xC8\xE2\xE0\xED", out);
    EXPECT_EQ(out, L"\u0418\u0432\u0430\u043D");
    CLegacyDecoder("WINDOWS-1252").Decode("\xE9\x80\x81 ", out);
    EXPECT_EQ(out, L"\u00E9\u20AC\uFFFD ");
    CLegacyDecoder("NO-SUCH-CODE-PAGE").Decode("\xE9", out);
    EXPECT_EQ(out, L"\u00E9");
}

// A character cut between two blocks, in either byte order.
TEST(Utf16Test, CompletesCharactersAcrossBlocks)
{
    const std::string little("A\0\x3D\xD8\x00\xDE\x18\x04", 8); // A, U+1F600, И
    for (std::size_t cut = 0; cut <= little.size(); ++cut) {
        CUtf16ToUtf8 converter(false);
        std::string out;
        converter.Convert(little.substr(0, cut), out);
        converter.Convert(little.substr(cut), out);
        converter.Finish(out);
        EXPECT_EQ(Utf8ToWide(out), L"A\U0001F600\u0418") << "cut at " << cut;
    }
    CUtf16ToUtf8 big(true);
    std::string out;
    big.Convert(std::string("\x04\x18\xDC\x00\xD8\x3D\x00", 7), out);
    big.Finish(out);
    EXPECT_EQ(Utf8ToWide(out), L"\u0418\uFFFD\uFFFD\uFFFD") << "lone low, lone high, odd byte";
}

} // namespace
