#include "core/model/Names.h"

#include "core/model/Person.h"
#include "core/options/Settings.h"
#include "core/text/WideText.h"

#include <cstddef>
#include <string_view>

bool theNoShortening = false;

namespace {

// Positions as the scanner reads them: -1 when a character is not found.
using CPos = std::ptrdiff_t;
constexpr CPos kNone = -1;

// The stored name fields of a person as wide text, read once for a name into
// strings kept for it: a list reads the names of a million persons. One set
// of parts is alive at a time; every name is made whole before the next.
thread_local std::wstring theNameScratch[3];

struct CNameParts {
    explicit CNameParts(const CPerson& person)
    {
        m_strName.clear();
        person.m_strName.AppendTo(m_strName);
        m_strGiven.clear();
        person.m_strGiven.AppendTo(m_strGiven);
        m_strSurname.clear();
        person.m_strSurname.AppendTo(m_strSurname);
    }
    CNameParts(const CNameParts&) = delete;
    CNameParts& operator=(const CNameParts&) = delete;

    std::wstring& m_strName = theNameScratch[0];
    std::wstring& m_strGiven = theNameScratch[1];
    std::wstring& m_strSurname = theNameScratch[2];
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
std::wstring_view LastNameOf(const CNameParts& person, std::wstring& strStorage)
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
    if (!Settings.MaidNam1 || open == last.npos)
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
void AppendGivenNames(std::wstring& strText, const CNameParts& person)
{
    const std::wstring_view first = FirstNameOf(person);
    if (!first.empty() && !theNoShortening && Settings.Sh1Nam)
        AppendInitial(strText, first);
    else
        strText += first;
    if (Settings.AsInNameTag || !Settings.ShowMidNam)
        return;
    const std::wstring_view middle = MiddleNameOf(person);
    if (middle.empty())
        return;
    // Two initials are written together, as J.H.
    if (!first.empty() && (theNoShortening || !Settings.Sh1Nam || !Settings.ShMidNam))
        strText += L' ';
    if (!theNoShortening && Settings.ShMidNam)
        AppendInitial(strText, middle);
    else
        strText += middle;
}

void AppendNick(std::wstring& strText, const CPerson& person)
{
    if (!Settings.InclNick || person.m_strNick.empty())
        return;
    if (!strText.empty())
        strText += L' ';
    strText += L'[';
    person.m_strNick.AppendTo(strText);
    strText += L']';
}

std::size_t NameCapacity(const CNameParts& parts)
{
    return parts.m_strName.size() + parts.m_strGiven.size() + parts.m_strSurname.size() + 8;
}

/// Gives a variable a value for the life of the object and then its old one
/// back, on every way out of the scope.
template <class T>
class CTemporaryValue {
public:
    CTemporaryValue(T& variable, T value) : m_variable(variable), m_saved(variable) { m_variable = value; }
    ~CTemporaryValue() { m_variable = m_saved; }
    CTemporaryValue(const CTemporaryValue&) = delete;
    CTemporaryValue& operator=(const CTemporaryValue&) = delete;

private:
    T& m_variable;
    T m_saved;
};

} // namespace

std::wstring CPerson::GetFirstName() const
{
    return std::wstring(FirstNameOf(CNameParts(*this)));
}

std::wstring CPerson::GetMiddleName() const
{
    return std::wstring(MiddleNameOf(CNameParts(*this)));
}

std::wstring CPerson::GetLastName() const
{
    std::wstring strStorage;
    return std::wstring(LastNameOf(CNameParts(*this), strStorage));
}

std::wstring CPerson::GetNameAsInTag() const
{
    std::wstring strName = m_strName;
    strName.resize(TrimRightBlanks(strName).size());
    for (wchar_t& c : strName) {
        if (c == L'/')
            c = L' ';
    }
    strName.resize(TrimRightBlanks(strName).size());
    ReplaceAll(strName, L"  ", L" ");
    return strName;
}

std::wstring CPerson::GetTagNameWithNick() const
{
    std::wstring strName = GetNameAsInTag();
    AppendNick(strName, *this);
    return strName;
}

std::wstring CPerson::GetDisplayName(std::size_t nRoom) const
{
    const CNameParts parts(*this);
    std::wstring strStorage;
    const std::wstring_view last = LastNameOf(parts, strStorage);
    std::wstring strName;
    strName.reserve(NameCapacity(parts) + nRoom);
    // The blank depends on the first part only, so a surname alone keeps a
    // blank after it.
    if (Settings._1Name1) {
        AppendGivenNames(strName, parts);
        if (!strName.empty())
            strName += L' ';
        strName += last;
    } else {
        strName += last;
        if (!strName.empty())
            strName += L' ';
        AppendGivenNames(strName, parts);
    }
    AppendNick(strName, *this);
    return strName;
}

std::wstring CPerson::GetFullName() const
{
    if (Settings.AsInNameTag)
        return GetTagNameWithNick();
    const CTemporaryValue<bool> noShortening(theNoShortening, true);
    return GetDisplayName();
}

std::wstring CPerson::GetFullNameFirstFirst() const
{
    const CTemporaryValue<bool> firstFirst(Settings._1Name1, true);
    return GetFullName();
}

std::wstring CPerson::GetShortName() const
{
    const CNameParts parts(*this);
    std::wstring strStorage;
    const std::wstring_view first = FirstNameOf(parts);
    const std::wstring_view last = LastNameOf(parts, strStorage);
    const std::wstring_view a = Settings._1Name1 ? first : last;
    const std::wstring_view b = Settings._1Name1 ? last : first;
    std::wstring strName;
    strName.reserve(NameCapacity(parts));
    strName += a;
    // Here the blank depends on the second part, so a first name alone, last
    // name first, gets a blank before it.
    if (!b.empty()) {
        strName += L' ';
        strName += b;
    }
    AppendNick(strName, *this);
    return strName;
}
