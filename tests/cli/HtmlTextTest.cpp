#include "cli/HtmlText.h"

#include <gtest/gtest.h>

namespace {

struct HtmlCase {
    const wchar_t* html;
    const wchar_t* text;
};
class HtmlTextTest : public testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlTextTest, ReadsAsTheViewerShowsIt)
{
    EXPECT_EQ(HtmlToText(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Pages, HtmlTextTest, testing::Values(
    HtmlCase{L"<html><head></head><body><b>Ann</b><br><br>x</body></html>", L"Ann\n\nx\n"},  // a page
    HtmlCase{L"<center>A</center><BR/>B", L"A\nB\n"},                        // any case, self-closed
    HtmlCase{L"<font color=blue><i>Place: </i></font>Leeds", L"Place: Leeds\n"},
    HtmlCase{L"a &amp; b &lt;c&gt; &quot;d&quot; &#233;&#xE9;", L"a & b <c> \"d\" éé\n"},   // entities
    HtmlCase{L"fish & chips; &bogus; &#xZZ;", L"fish & chips; &bogus; &#xZZ;\n"},           // not entities
    HtmlCase{L"1 < 2 and 3 > 2", L"1 < 2 and 3 > 2\n"},                      // no tag
    HtmlCase{L"line\r\nwrapped", L"line wrapped\n"},                           // source line ends are blanks
    HtmlCase{L"A<hr size=1><br>B", L"A\n----------\n\nB\n"},                   // the family notes' rule
    HtmlCase{L"<p>one</p><p>two</p>", L"one\ntwo\n"},                          // paragraphs of a note
    HtmlCase{L"", L""}));

} // namespace
