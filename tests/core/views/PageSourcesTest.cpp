#include "core/views/PageSources.h"

#include "TestSupport.h"

namespace {

// Addresses in notes and sources become links; markup the file wrote stays.
TEST(PageSourcesTest, MarksBareAddressesOnly)
{
    const struct {
        const wchar_t* text;
        const wchar_t* marked;
    } cases[] = {
        {L"see http://a.org/x.", L"see <a href=\"http://a.org/x\">http://a.org/x</a>."},
        {L"(https://a.b/c?d=1&e=\"2\")",
         L"(<a href=\"https://a.b/c?d=1&amp;e=\">https://a.b/c?d=1&amp;e=</a>\"2\")"},
        {L"<a href=\"http://a.org\">http://a.org</a> http://b.org",
         L"<a href=\"http://a.org\">http://a.org</a> <a href=\"http://b.org\">http://b.org</a>"},
        {L"<img src=\"http://x/y.png\">", L"<img src=\"http://x/y.png\">"},
        {L"<b>x</b>https://a.b<br>", L"<b>x</b><a href=\"https://a.b\">https://a.b</a><br>"},
        {L"http:// and https://", L"http:// and https://"},
        {L"HTTP://A.ORG ftp://a.org", L"HTTP://A.ORG ftp://a.org"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MarkLinks(c.text), c.marked) << WideToUtf8(c.text);
}

TEST(PageSourcesTest, LinkHrefsCannotLeaveTheirQuotes)
{
    EXPECT_EQ(LinkMarkup(L"https://a/\"><script>"),
              L"<a href=\"https://a/%22%3E%3Cscript%3E\">https://a/&quot;&gt;&lt;script&gt;</a>");
}

} // namespace
