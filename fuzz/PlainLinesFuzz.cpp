// libFuzzer target: the input as a file, cut into lines by CGedcomFile. The
// file finds, in the pass that looks for a line's end, whether the line is
// plain: ASCII with no slash, no opening parenthesis and no two blanks in a
// row. Every line it gives, and that mark, must be what the file's bytes say.
//
// The input is the file's text, except that a byte above ASCII stands for
// "é" (so that the text is UTF-8 and never starts with a byte-order mark),
// and that an input starting with '#' or '=' and digits asks for that many
// bytes of 'a' at the first '|' (at the start without one): lines of 4 KB
// after '#', the last one cut short, and a single line after '=', so that a
// small seed makes lines that cross the reader's block of a megabyte, or are
// longer than one.
#include "core/model/GedcomFile.h"
#include "core/options/Language.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Past two blocks of the reader: a line may span three.
constexpr std::size_t kMostFiller = (std::size_t(2) << 20) + 65536;
constexpr std::size_t kFillerLine = 4096;

void AppendFiller(std::string& text, std::size_t nFiller, bool bOneLine)
{
    const std::size_t nEnd = text.size() + nFiller;
    while (text.size() < nEnd) {
        const std::size_t nLine = bOneLine ? nEnd - text.size() : std::min(kFillerLine - 1, nEnd - text.size());
        text.append(nLine, 'a');
        if (text.size() < nEnd)
            text += '\n';
    }
}

std::string MakeText(std::string_view input)
{
    std::size_t nFiller = 0;
    const bool bOneLine = input.starts_with('=');
    if (bOneLine || input.starts_with('#')) {
        input.remove_prefix(1);
        for (int i = 0; i < 7 && !input.empty() && input[0] >= '0' && input[0] <= '9'; ++i) {
            nFiller = nFiller * 10 + static_cast<std::size_t>(input[0] - '0');
            input.remove_prefix(1);
        }
        nFiller = std::min(nFiller, kMostFiller);
    }
    std::string text;
    text.reserve(input.size() * 2 + nFiller);
    const std::size_t nBar = input.find('|');
    const std::size_t nFillerAt = nBar == std::string_view::npos ? 0 : nBar;
    for (std::size_t i = 0; i <= input.size(); ++i) {
        if (i == nFillerAt)
            AppendFiller(text, nFiller, bOneLine);
        if (i == input.size())
            break;
        if (i == nBar)
            continue;
        if (static_cast<unsigned char>(input[i]) >= 0x80)
            text += "\xC3\xA9";
        else
            text += input[i];
    }
    return text;
}

// The lines run to a megabyte and more, so they are searched with memchr
// alone; the only bytes above ASCII are those of "é".
bool IsPlain(std::string_view line)
{
    return line.find('/') == std::string_view::npos && line.find('(') == std::string_view::npos &&
           line.find('\xC3') == std::string_view::npos && line.find("  ") == std::string_view::npos;
}

// The next CR or LF at or after `nFrom`, or the end; each of the two is
// searched for again only once passed, so that a text without one is not
// searched once per line.
class CLineEnds {
public:
    explicit CLineEnds(std::string_view text)
        : m_text(text), m_nNextCr(std::min(text.find('\r'), text.size())),
          m_nNextLf(std::min(text.find('\n'), text.size()))
    {
    }
    std::size_t From(std::size_t nFrom)
    {
        for (const char c : {'\r', '\n'}) {
            std::size_t& nNext = c == '\r' ? m_nNextCr : m_nNextLf;
            if (nNext < nFrom)
                nNext = std::min(m_text.find(c, nFrom), m_text.size());
        }
        return std::min(m_nNextCr, m_nNextLf);
    }

private:
    std::string_view m_text;
    std::size_t m_nNextCr;
    std::size_t m_nNextLf;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetLanguage(L"En");
    return 0;
}

// Every CR and every LF ends a line; the empty lines between are passed over.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string text = MakeText(std::string_view(reinterpret_cast<const char*>(pData), nSize));
    CGedcomFile file;
    file.OpenBytes(text);
    std::string_view line;
    bool bPlain = false;
    CLineEnds ends(text);
    for (std::size_t nStart = 0; nStart < text.size();) {
        const std::size_t nEnd = ends.From(nStart);
        const std::string_view expected = std::string_view(text).substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (expected.empty())
            continue;
        if (!file.ReadTextLine(line, bPlain))
            FailDifference("ReadTextLine at the end", text, "", expected);
        if (line != expected)
            FailDifference("ReadTextLine's line", text, line, expected);
        if (bPlain != IsPlain(expected))
            FailDifference("ReadTextLine's plain mark", expected, bPlain ? "plain" : "marked",
                           bPlain ? "marked" : "plain");
    }
    if (file.ReadTextLine(line, bPlain))
        FailDifference("ReadTextLine after the last line", text, line, "");
    return 0;
}
