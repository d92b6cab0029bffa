#include "core/model/Names.h"

#include "core/model/Person.h"
#include "core/model/Document.h"
#include "core/text/WideText.h"

#include <cstddef>
#include <string_view>

namespace {

// Positions as the scanner reads them: -1 when a character is not found.
using CPos = std::ptrdiff_t;
constexpr CPos kNone = -1;

// The stored name fields of a person as wide text, read once for a name into
// strings kept for it: a list reads the names of a million persons. One set
// of parts is alive at a time on a thread; every name is made whole before
// the next.
std::wstring* NameScratch()
{
    thread_local std::wstring astrScratch[3];
    return astrScratch;
}

struct CNameParts {
    CNameParts(const CDocument& doc, const CPerson& person)
    {
        m_strName.clear();
        doc.AppendTo(person.m_strName, m_strName);
        m_strGiven.clear();
        doc.AppendTo(person.m_strGiven, m_strGiven);
        m_strSurname.clear();
        doc.AppendTo(person.m_strSurname, m_strSurname);
    }
    CNameParts(const CNameParts&) = delete;
    CNameParts& operator=(const CNameParts&) = delete;

    std::wstring& m_strName = NameScratch()[0];
    std::wstring& m_strGiven = NameScratch()[1];
    std::wstring& m_strSurname = NameScratch()[2];
};

CPos Find(std::wstring_view text, wchar_t c, CPos from = 0)
{
    if (from >= static_cast<CPos>(text.size()))
        return kNone;
    const std::size_t pos = text.find(c, static_cast<std::size_t>(from));
    return pos == text.npos ? kNone : static_cast<CPos>(pos);
}

std::wstring_view Piece(std::wstring_view text, CPos from, CPos to)
{
    return text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from + 1));
}

// Sets `end` to the last position of the parenthesised part opening at
// `open`: its ")", else the character before the next blank, for a nickname
// written without its ")". False when there is neither.
bool ParenthesisEnd(std::wstring_view name, CPos open, CPos& end)
{
    CPos close = Find(name, L')', open + 1);
    if (close != kNone) {
        end = close;
        return true;
    }
    close = Find(name, L' ', open + 1);
    if (close == kNone)
        return false;
    end = close - 1;
    return true;
}

std::wstring_view FirstNameOf(const CNameParts& person)
{
    if (!person.m_strGiven.empty())
        return person.m_strGiven;
    const std::wstring_view name = person.m_strName;
    const CPos slash = Find(name, L'/');
    if (slash == 0)
        return {};
    CPos blank = Find(name, L' ');
    if (blank == kNone) {
        if (slash == kNone)
            return name;
        blank = slash;
    }
    CPos end = blank - 1;
    const CPos open = Find(name, L'(');
    if ((open == blank + 1 || open == blank) && (slash == kNone || open < slash) &&
        !ParenthesisEnd(name, open, end))
        return theFirstNameFormatError;
    if (slash > 0 && end >= slash)
        return theFirstNameFormatError;
    return TrimLeftBlanks(name.substr(0, static_cast<std::size_t>(end + 1)));
}

// Only the second word before the surname, with a parenthesised part right
// after it, is the middle name.
std::wstring_view MiddleNameOf(const CNameParts& person)
{
    const std::wstring_view name = person.m_strName;
    const CPos slash = Find(name, L'/');
    if (slash == 0)
        return {};
    const CPos blank = Find(name, L' ');
    if (blank == kNone || blank > slash)
        return {};
    CPos firstEnd = blank - 1;
    const CPos open = Find(name, L'(');
    if ((open == blank + 1 || open == blank) && !ParenthesisEnd(name, open, firstEnd))
        return theFirstNameFormatError;
    const CPos start = firstEnd + 2;
    const CPos nextBlank = Find(name, L' ', start);
    if (nextBlank == kNone || nextBlank >= slash)
        return {};
    CPos end = nextBlank;
    const CPos open2 = Find(name, L'(', nextBlank + 1);
    if (open2 == nextBlank + 1 && open2 < slash && !ParenthesisEnd(name, open2, end))
        return theMiddleNameFormatError;
    if (end >= slash)
        return theMiddleNameFormatError;
    return TrimBlanks(Piece(name, start, end));
}

std::wstring_view DropLast(std::wstring_view text)
{
    return text.empty() ? text : text.substr(0, text.size() - 1);
}

// The surname between the slashes; with MaidNam1, Married (Maiden) becomes
// Maiden (Married), composed in `strStorage`.
std::wstring_view LastNameOf(const CNameParts& person, const CNameStyle& style, std::wstring& strStorage)
{
    if (!person.m_strSurname.empty())
        return person.m_strSurname;
    const std::wstring_view name = person.m_strName;
    const std::size_t slash = name.find(L'/');
    if (slash == name.npos)
        return {};
    std::wstring_view last = TrimRightBlanks(name.substr(slash + 1));
    last = last.starts_with(L'/') ? std::wstring_view() : TrimRightBlanks(DropLast(last));
    const std::size_t open = last.find(L'(');
    if (!style.m_bMaidenFirst || open == last.npos)
        return last;
    const std::wstring_view inner = TrimRightBlanks(DropLast(last.substr(open + 1)));
    const std::wstring_view outer = TrimRightBlanks(last.substr(0, open == 0 ? 0 : open - 1));
    strStorage.assign(inner);
    strStorage += L" (";
    strStorage += outer;
    strStorage += L')';
    return strStorage;
}

void AppendInitial(std::wstring& strText, std::wstring_view name)
{
    strText += FirstLetter(name);
    strText += L'.';
}

// The first name and, as the options say, the middle name, shortened or not.
void AppendGivenNames(std::wstring& strText, const CNameParts& person, const CNameStyle& style)
{
    const bool bNoShortening = style.m_bNoShortening;
    const std::wstring_view first = FirstNameOf(person);
    if (!first.empty() && !bNoShortening && style.m_bFirstInitial)
        AppendInitial(strText, first);
    else
        strText += first;
    if (style.m_bAsInNameTag || !style.m_bShowMiddle)
        return;
    const std::wstring_view middle = MiddleNameOf(person);
    if (middle.empty())
        return;
    // Two initials are written together, as J.H.
    if (!first.empty() && (bNoShortening || !style.m_bFirstInitial || !style.m_bMiddleInitial))
        strText += L' ';
    if (!bNoShortening && style.m_bMiddleInitial)
        AppendInitial(strText, middle);
    else
        strText += middle;
}

void AppendNick(std::wstring& strText, const CDocument& doc, const CPerson& person, const CNameStyle& style)
{
    if (!style.m_bNick || person.m_strNick.empty())
        return;
    if (!strText.empty())
        strText += L' ';
    strText += L'[';
    doc.AppendTo(person.m_strNick, strText);
    strText += L']';
}

std::size_t NameCapacity(const CNameParts& parts)
{
    return parts.m_strName.size() + parts.m_strGiven.size() + parts.m_strSurname.size() + 8;
}

} // namespace

std::wstring CPerson::GetFirstName(const CDocument& doc) const
{
    return std::wstring(FirstNameOf(CNameParts(doc, *this)));
}

std::wstring CPerson::GetMiddleName(const CDocument& doc) const
{
    return std::wstring(MiddleNameOf(CNameParts(doc, *this)));
}

std::wstring CPerson::GetLastName(const CDocument& doc, const CNameStyle& style) const
{
    std::wstring strStorage;
    return std::wstring(LastNameOf(CNameParts(doc, *this), style, strStorage));
}

std::wstring CPerson::GetNameAsInTag(const CDocument& doc) const
{
    std::wstring strName = doc.Str(m_strName);
    strName.resize(TrimRightBlanks(strName).size());
    for (wchar_t& c : strName) {
        if (c == L'/')
            c = L' ';
    }
    strName.resize(TrimRightBlanks(strName).size());
    ReplaceAll(strName, L"  ", L" ");
    return strName;
}

std::wstring CPerson::GetTagNameWithNick(const CDocument& doc, const CNameStyle& style) const
{
    std::wstring strName = GetNameAsInTag(doc);
    AppendNick(strName, doc, *this, style);
    return strName;
}

std::wstring CPerson::GetDisplayName(const CDocument& doc, const CNameStyle& style, std::size_t nRoom) const
{
    const CNameParts parts(doc, *this);
    std::wstring strStorage;
    const std::wstring_view last = LastNameOf(parts, style, strStorage);
    std::wstring strName;
    strName.reserve(NameCapacity(parts) + nRoom);
    // The blank depends on the first part only, so a surname alone keeps a
    // blank after it.
    if (style.m_bFirstFirst) {
        AppendGivenNames(strName, parts, style);
        if (!strName.empty())
            strName += L' ';
        strName += last;
    } else {
        strName += last;
        if (!strName.empty())
            strName += L' ';
        AppendGivenNames(strName, parts, style);
    }
    AppendNick(strName, doc, *this, style);
    return strName;
}

std::wstring CPerson::GetFullName(const CDocument& doc, const CNameStyle& style) const
{
    if (style.m_bAsInNameTag)
        return GetTagNameWithNick(doc, style);
    CNameStyle full = style;
    full.m_bNoShortening = true;
    return GetDisplayName(doc, full);
}

std::wstring CPerson::GetFullNameFirstFirst(const CDocument& doc, const CNameStyle& style) const
{
    CNameStyle firstFirst = style;
    firstFirst.m_bFirstFirst = true;
    return GetFullName(doc, firstFirst);
}

std::wstring CPerson::GetShortName(const CDocument& doc, const CNameStyle& style) const
{
    const CNameParts parts(doc, *this);
    std::wstring strStorage;
    const std::wstring_view first = FirstNameOf(parts);
    const std::wstring_view last = LastNameOf(parts, style, strStorage);
    const std::wstring_view a = style.m_bFirstFirst ? first : last;
    const std::wstring_view b = style.m_bFirstFirst ? last : first;
    std::wstring strName;
    strName.reserve(NameCapacity(parts));
    strName += a;
    // Here the blank depends on the second part, so a first name alone, last
    // name first, gets a blank before it.
    if (!b.empty()) {
        strName += L' ';
        strName += b;
    }
    AppendNick(strName, doc, *this, style);
    return strName;
}
