#include "core/text/WideText.h"

#include "TestSupport.h"

namespace {

struct CUtf8Case {
    const char* m_pszBytes;
    bool m_bValid;
    const char* m_pszName;
};

class DecodeUtf8Test : public testing::TestWithParam<CUtf8Case> {};

TEST_P(DecodeUtf8Test, AcceptsOnlyShortestFormsOfScalarValues)
{
    std::wstring text;
    EXPECT_EQ(DecodeUtf8(GetParam().m_pszBytes, text), GetParam().m_bValid) << GetParam().m_pszName;
}

INSTANTIATE_TEST_SUITE_P(Sequences, DecodeUtf8Test, testing::Values(
    CUtf8Case{"plain", true, "ASCII"},
    CUtf8Case{"\xD0\x96\xC3\xA9", true, "Cyrillic and accented letters"},
    CUtf8Case{"\xF0\x9F\x8C\xB3", true, "a letter beyond the BMP"},
    CUtf8Case{"\xC0\xAF", false, "overlong slash"},
    CUtf8Case{"\xED\xA0\x80", false, "a surrogate"},
    CUtf8Case{"\xF4\x90\x80\x80", false, "beyond U+10FFFF"},
    CUtf8Case{"\xD0", false, "cut in the middle"},
    CUtf8Case{"\xE9t\xE9", false, "windows-1252 text"}), CByName());

TEST(WideTextTest, RoundTripsEveryKindOfLetter)
{
    const std::wstring text = L"Ann\u00E9e \u0416 \U0001F333 end";
    std::wstring back;
    ASSERT_TRUE(DecodeUtf8(WideToUtf8(text), back));
    EXPECT_EQ(back, text);
    EXPECT_EQ(text.size(), 13u) << "one unit a character, beyond the BMP too";
}

TEST(WideTextTest, BadUnitsBecomeReplacementCharacters)
{
    EXPECT_EQ(Utf8ToWide("a\xFF" "b"), L"a\uFFFDb");
    const std::wstring withSurrogate{L'a', static_cast<wchar_t>(0xD800), L'b'};
    EXPECT_EQ(WideToUtf8(withSurrogate), "a\xEF\xBF\xBD" "b");
}

TEST(WideTextTest, FormatZeroPaddedPadsAsPrintfDoes)
{
    EXPECT_EQ(FormatZeroPadded(5, 2), L"05");
    EXPECT_EQ(FormatZeroPadded(1950, 4), L"1950");
    EXPECT_EQ(FormatZeroPadded(12345, 4), L"12345") << "never cut";
    EXPECT_EQ(FormatZeroPadded(-5, 3), L"-05") << "the sign counts in the width";
}

TEST(WideTextTest, LeadingNumberReadsAsWcstolWithoutOverflow)
{
    std::size_t digits = 0;
    EXPECT_EQ(LeadingNumber(L"  -42abc", &digits), -42);
    EXPECT_EQ(digits, 2u);
    EXPECT_EQ(LeadingNumber(L"x1", &digits), 0);
    EXPECT_EQ(digits, 0u);
    EXPECT_EQ(LeadingNumber(L"99999999999999999999999"), std::numeric_limits<long long>::max());
}

TEST(WideTextTest, LowerCaseOfKnowsEachBlock)
{
    // Pairs of (character, lower case); the blocks alternate their order.
    const std::wstring_view pairs = L"AaZz\u00C0\u00E0\u00DE\u00FE\u00D7\u00D7\u00DF\u00DF"
                                    L"\u0100\u0101\u0101\u0101\u0130i\u0139\u013A\u014A\u014B"
                                    L"\u0178\u00FF\u017D\u017E\u0386\u03AC\u03A9\u03C9"
                                    L"\u0401\u0451\u042F\u044F\u044F\u044F\u0462\u0463\u04C1\u04C2";
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2)
        EXPECT_EQ(static_cast<int>(LowerCaseOf(pairs[i])), static_cast<int>(pairs[i + 1])) << i / 2;
}

} // namespace
