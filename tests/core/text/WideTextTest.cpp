#include "core/text/WideText.h"

#include "TestSupport.h"

namespace {

// Valid sequences of every length come back in the round trip below.
TEST(WideTextTest, DecodeUtf8AcceptsOnlyShortestFormsOfScalarValues)
{
    // Overlong slash, a surrogate, beyond U+10FFFF, cut in the middle, windows-1252 text.
    for (const char* pszBytes : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xD0", "\xE9t\xE9"}) {
        std::wstring text;
        EXPECT_FALSE(DecodeUtf8(pszBytes, text)) << testing::PrintToString(std::string(pszBytes));
    }
}

// Bad units either way become replacement characters.
TEST(WideTextTest, RoundTripsEveryKindOfLetter)
{
    const std::wstring text = L"Ann\u00E9e \u0416 \u20AC \U0001F333 end";
    std::wstring back;
    ASSERT_TRUE(DecodeUtf8(WideToUtf8(text), back));
    EXPECT_EQ(back, text);
    EXPECT_EQ(Utf8ToWide("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(WideToUtf8(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}), "a\xEF\xBF\xBD" "b");
}

TEST(WideTextTest, FormatZeroPaddedPadsAsPrintfDoes)
{
    EXPECT_EQ(FormatZeroPadded(5, 2), L"05");
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
