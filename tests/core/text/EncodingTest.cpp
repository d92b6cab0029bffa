#include "core/text/Ansel.h"
#include "core/text/LegacyCodePage.h"
#include "core/text/Utf16.h"

#include "TestSupport.h"

namespace {

TEST(AnselTest, PutsTheMarkOnTheLetterAfterIt)
{
    const std::pair<const char*, const wchar_t*> cases[] = {
        {"Ren\xE2" "e M\xE8uller", L"Ren\u00E9 M\u00FCller"}, // é, ü
        {"\xE8\xE2u", L"\u01D8"},                             // two marks on one letter: ǘ
        {"\xE2q", L"q\u0301"},                                // no composed letter: the mark follows
        {"\xE2\xA2", L"\u01FE"},                              // a mark on an ANSEL letter: Ǿ
        {"\xA1\xB1\xB5\xC5", L"\u0141\u0142\u00E6\u00BF"},    // spacing letters
        {"e\xE2", L"e\u0301"},                                // a mark at the end stays
        {"\x80\xAF\xFF", L"\uFFFD\uFFFD\uFFFD"},              // undefined bytes
    };
    for (const auto& [pszBytes, pszText] : cases) {
        std::wstring out;
        DecodeAnsel(pszBytes, out);
        EXPECT_EQ(out, pszText) << WideToUtf8(pszText);
    }
}

TEST(LegacyCodePageTest, FollowsTheLanguageAndDecodesThroughIt)
{
    const std::pair<const char*, const char*> locales[] = {
        {"ru_RU.UTF-8", "WINDOWS-1251"}, {"vi", "WINDOWS-1258"}, // the first and the last of its table
        {"de_DE@euro", "WINDOWS-1252"}, {"", "WINDOWS-1252"}};
    for (const auto& [pszLocale, pszCodePage] : locales)
        EXPECT_EQ(LegacyCodePageOfLocale(pszLocale), pszCodePage) << pszLocale;

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
