#include "cli/HtmlText.h"

#include "TestSupport.h"

namespace {

struct HtmlCase {
    const char* m_pszName;
    const wchar_t* html;
    const wchar_t* text;
};
class HtmlTextTest : public testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlTextTest, ReadsAsTheViewerShowsIt)
{
    EXPECT_EQ(HtmlToText(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Pages, HtmlTextTest, testing::Values(
    HtmlCase{"Page", L"<html><head></head><body><b>Ann</b><br><br>x</body></html>", L"Ann\n\nx\n"},
    HtmlCase{"AnyCaseSelfClosed", L"<center>A</center><BR/>B", L"A\nB\n"},
    HtmlCase{"Fonts", L"<font color=blue><i>Place: </i></font>Leeds", L"Place: Leeds\n"},
    HtmlCase{"Entities", L"a &amp; b &lt;c&gt; &quot;d&quot; &#233;&#xE9;", L"a & b <c> \"d\" éé\n"},
    HtmlCase{"NotEntities", L"fish & chips; &bogus; &#xZZ;", L"fish & chips; &bogus; &#xZZ;\n"},
    HtmlCase{"NoTag", L"1 < 2 and 3 > 2", L"1 < 2 and 3 > 2\n"},
    HtmlCase{"SourceLineEndsAreBlanks", L"line\r\nwrapped", L"line wrapped\n"},
    HtmlCase{"FamilyNotesRule", L"A<hr size=1><br>B", L"A\n----------\n\nB\n"},
    HtmlCase{"ParagraphsOfANote", L"<p>one</p><p>two</p>", L"one\ntwo\n"},
    HtmlCase{"Empty", L"", L""}), CByName());

} // namespace
