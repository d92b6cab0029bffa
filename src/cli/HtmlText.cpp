#include "cli/HtmlText.h"

#include "core/text/WideText.h"

#include <array>
#include <utility>

namespace {

// The tag's name in lower case, without its attributes; "/p" for an end tag.
std::wstring TagName(std::wstring_view tag)
{
    std::wstring strName;
    for (const wchar_t c : tag) {
        if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'>' || (c == L'/' && !strName.empty()))
            break;
        strName += LowerCaseOf(c);
    }
    return strName;
}

void EndLine(std::wstring& text)
{
    if (!text.empty() && text.back() != L'\n')
        text += L'\n';
}

void AppendTag(std::wstring_view tag, std::wstring& text)
{
    const std::wstring strName = TagName(tag);
    if (strName == L"br") {
        text += L'\n';
    } else if (strName == L"/td") {
        text += L'\t'; // the cells of a row, a tab apart
    } else if (strName == L"hr") {
        EndLine(text);
        text += L"----------\n";
    } else if (strName == L"p" || strName == L"/p" || strName == L"div" || strName == L"/div" || strName == L"li" ||
               strName == L"tr") {
        EndLine(text);
    }
}

// As a browser reads it, "a < b" has no tag.
bool StartsTag(std::wstring_view rest)
{
    if (rest.empty())
        return false;
    const wchar_t c = LowerCaseOf(rest[0]);
    return (c >= L'a' && c <= L'z') || c == L'/' || c == L'!';
}

// The character of an entity's name ("amp", "#233", "#xE9"), or 0.
wchar_t DecodeEntity(std::wstring_view name)
{
    static constexpr std::array<std::pair<std::wstring_view, wchar_t>, 6> kNamed{{
        {L"amp", L'&'}, {L"lt", L'<'}, {L"gt", L'>'}, {L"quot", L'"'}, {L"apos", L'\''}, {L"nbsp", L' '}}};
    for (const auto& [entity, c] : kNamed) {
        if (name == entity)
            return c;
    }
    if (name.size() < 2 || name[0] != L'#')
        return 0;
    const bool bHex = name[1] == L'x' || name[1] == L'X';
    unsigned long nCode = 0;
    for (std::size_t i = bHex ? 2 : 1; i < name.size(); ++i) {
        const wchar_t c = LowerCaseOf(name[i]);
        const int nDigit = IsAsciiDigit(c) ? c - L'0' : bHex && c >= L'a' && c <= L'f' ? c - L'a' + 10 : -1;
        if (nDigit < 0 || nCode > 0x10FFFF)
            return 0;
        nCode = nCode * (bHex ? 16 : 10) + static_cast<unsigned long>(nDigit);
    }
    return nCode > 0 && nCode <= 0x10FFFF ? static_cast<wchar_t>(nCode) : 0;
}

} // namespace

std::wstring HtmlToText(std::wstring_view html)
{
    std::wstring text;
    text.reserve(html.size());
    for (std::size_t i = 0; i < html.size(); ++i) {
        const wchar_t c = html[i];
        if (c == L'<' && StartsTag(html.substr(i + 1))) {
            const std::size_t end = html.find(L'>', i);
            if (end == std::wstring_view::npos) {
                text += html.substr(i);
                break;
            }
            AppendTag(html.substr(i + 1, end - i - 1), text);
            i = end;
        } else if (c == L'&') {
            const std::size_t end = html.find(L';', i);
            const wchar_t decoded =
                end != std::wstring_view::npos && end - i <= 10 ? DecodeEntity(html.substr(i + 1, end - i - 1)) : 0;
            if (decoded == 0) {
                text += c;
                continue;
            }
            text += decoded;
            i = end;
        } else if (c == L'\r' || c == L'\n') {
            if (!(c == L'\n' && i > 0 && html[i - 1] == L'\r'))
                text += L' ';
        } else {
            text += c;
        }
    }
    EndLine(text);
    return text;
}
