#include "cli/HtmlText.h"

#include "TestSupport.h"

namespace {

TEST(HtmlTextTest, ReadsAsTheViewerShowsIt)
{
    const std::pair<const wchar_t*, const wchar_t*> pages[] = {
        {L"<html><head></head><body><b>Ann</b><br><br>x</body></html>", L"Ann\n\nx\n"},
        {L"<center>A</center><BR/>B", L"A\nB\n"}, // any case, self-closed
        {L"a &amp; b &lt;c&gt; &quot;d&quot; &#233;&#xE9;", L"a & b <c> \"d\" éé\n"},
        {L"fish & chips; &bogus; &#xZZ;", L"fish & chips; &bogus; &#xZZ;\n"}, // no entities
        {L"1 < 2 and 3 > 2", L"1 < 2 and 3 > 2\n"},                          // no tag
        {L"line\r\nwrapped", L"line wrapped\n"},                               // line ends are blanks
        {L"A<hr size=1><br>B", L"A\n----------\n\nB\n"},                       // the rule of family notes
        {L"<p>one</p><p>two</p>", L"one\ntwo\n"},                               // paragraphs of a note
        {L"", L""},
    };
    for (const auto& [pszHtml, pszText] : pages)
        EXPECT_EQ(HtmlToText(pszHtml), pszText) << WideToUtf8(pszHtml);
}

} // namespace
