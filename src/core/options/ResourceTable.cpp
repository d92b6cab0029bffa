#include "core/options/ResourceTable.h"

#include "core/text/WideText.h"

#include <optional>

namespace {

// Splits a resource line into words; a quoted word keeps its blanks and has
// its escapes resolved. Returns false, with a reason, on a broken quote.
struct CLineWords {
    std::vector<std::wstring> m_astrWords;
    std::vector<bool> m_abQuoted;
};

bool SplitWords(std::wstring_view line, CLineWords& words, std::wstring& strReason)
{
    std::size_t pos = 0;
    while ((pos = SkipBlanks(line, pos)) < line.size()) {
        std::wstring word;
        if (line[pos] != L'"') {
            while (pos < line.size() && line[pos] != L' ' && line[pos] != L'\t')
                word.push_back(line[pos++]);
            words.m_astrWords.push_back(word);
            words.m_abQuoted.push_back(false);
            continue;
        }
        for (++pos;; ++pos) {
            if (pos >= line.size()) {
                strReason = L"unterminated quote";
                return false;
            }
            if (line[pos] == L'"')
                break;
            if (line[pos] != L'\\') {
                word.push_back(line[pos]);
                continue;
            }
            if (++pos >= line.size()) {
                strReason = L"unterminated quote";
                return false;
            }
            switch (line[pos]) {
            case L'n': word.push_back(L'\n'); break;
            case L't': word.push_back(L'\t'); break;
            case L'"': word.push_back(L'"'); break;
            case L'\\': word.push_back(L'\\'); break;
            default:
                strReason = std::wstring(L"unknown escape \\") + line[pos];
                return false;
            }
        }
        ++pos;
        if (pos < line.size() && line[pos] != L' ' && line[pos] != L'\t') {
            strReason = L"text after the closing quote";
            return false;
        }
        words.m_astrWords.push_back(word);
        words.m_abQuoted.push_back(true);
    }
    return true;
}

std::optional<int> ParseId(const std::wstring& strWord)
{
    if (strWord.empty() || strWord.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const wchar_t c : strWord) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

// The shapes of the lines, checked word by word: i = id, q = quoted text.
bool HasShape(const CLineWords& words, std::wstring_view shape)
{
    if (words.m_astrWords.size() != shape.size() + 1)
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool quoted = words.m_abQuoted[i + 1];
        if (shape[i] == L'q' ? !quoted : quoted || !ParseId(words.m_astrWords[i + 1]))
            return false;
    }
    return true;
}

} // namespace

void CResourceTable::Parse(std::string_view text, const std::wstring& strFile,
                           std::vector<CResourceError>& errors)
{
    CMenuResource* pOpenMenu = nullptr; // the menu whose items are being read
    CMenuResource discarded;            // items of a duplicate menu land here
    int nLine = 0;
    auto report = [&](std::wstring strReason) {
        errors.push_back({strFile, nLine, std::move(strReason)});
    };
    // Editors on Windows often begin a UTF-8 file with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    while (!text.empty()) {
        ++nLine;
        const std::size_t end = text.find('\n');
        std::string_view bytes = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!bytes.empty() && bytes.back() == '\r')
            bytes.remove_suffix(1);

        std::wstring line;
        if (!DecodeUtf8(bytes, line)) {
            report(L"not UTF-8");
            continue;
        }
        const std::size_t first = SkipBlanks(line);
        if (first == line.size() || line[first] == L'#')
            continue;

        CLineWords words;
        std::wstring strReason;
        if (!SplitWords(line, words, strReason)) {
            report(strReason);
            continue;
        }
        const std::wstring& keyword = words.m_astrWords[0];
        const std::vector<std::wstring>& w = words.m_astrWords;

        if (keyword == L"item" || keyword == L"separator" || keyword == L"end") {
            if (!pOpenMenu) {
                report(keyword + L" outside a menu");
            } else if (keyword == L"end" && HasShape(words, L"")) {
                pOpenMenu = nullptr;
            } else if (keyword == L"separator" && HasShape(words, L"")) {
                pOpenMenu->m_items.push_back({0, L"", true});
            } else if (keyword == L"item" && HasShape(words, L"iq")) {
                pOpenMenu->m_items.push_back({*ParseId(w[1]), w[2], false});
            } else {
                report(L"malformed " + keyword);
            }
            continue;
        }
        if (pOpenMenu) {
            report(L"menu without end");
            pOpenMenu = nullptr;
        }
        if (keyword == L"string" && HasShape(words, L"iq")) {
            if (!m_strings.emplace(*ParseId(w[1]), w[2]).second)
                report(L"duplicate string id " + w[1]);
        } else if (keyword == L"menu" && HasShape(words, L"iq")) {
            auto [it, added] = m_menus.emplace(*ParseId(w[1]), CMenuResource{w[2], {}});
            if (!added)
                report(L"duplicate menu id " + w[1]);
            discarded.m_items.clear();
            pOpenMenu = added ? &it->second : &discarded;
        } else if (keyword == L"menubar" && HasShape(words, L"iii")) {
            const CMenuBarRecord record{*ParseId(w[2]), *ParseId(w[3])};
            if (!m_menuBars.emplace(*ParseId(w[1]), record).second)
                report(L"duplicate menubar id " + w[1]);
        } else if (keyword == L"string" || keyword == L"menu" || keyword == L"menubar") {
            report(L"malformed " + keyword + L" (bad id or text)");
        } else {
            report(L"unknown keyword " + keyword);
        }
    }
    if (pOpenMenu)
        report(L"menu without end");
}

const std::wstring* CResourceTable::FindString(int nId) const
{
    const auto it = m_strings.find(nId);
    return it == m_strings.end() ? nullptr : &it->second;
}

const CMenuResource* CResourceTable::FindMenu(int nId) const
{
    const auto it = m_menus.find(nId);
    return it == m_menus.end() ? nullptr : &it->second;
}

const CMenuBarRecord* CResourceTable::FindMenuBar(int nId) const
{
    const auto it = m_menuBars.find(nId);
    return it == m_menuBars.end() ? nullptr : &it->second;
}
