#include "core/model/Dates.h"

#include "core/model/EventInfo.h"
#include "core/model/Document.h"
#include "core/model/Person.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/platform/Clock.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <cstdint>

namespace {

constexpr std::array<std::wstring_view, 12> theMonthNames = {L"JAN", L"FEB", L"MAR", L"APR", L"MAY", L"JUN",
                                                             L"JUL", L"AUG", L"SEP", L"OCT", L"NOV", L"DEC"};
constexpr std::array<std::wstring_view, 12> theMonthNumbers = {L"01", L"02", L"03", L"04", L"05", L"06",
                                                               L"07", L"08", L"09", L"10", L"11", L"12"};

// The two-digit number of a month name compared exactly; empty when none matches.
// A list asks for two dates of every person, so the letters are compared inline.
std::wstring_view MonthNumber(std::wstring_view name)
{
    if (name.size() != 3)
        return {};
    for (std::size_t i = 0; i < theMonthNames.size(); ++i) {
        const std::wstring_view month = theMonthNames[i];
        if (name[0] == month[0] && name[1] == month[1] && name[2] == month[2])
            return theMonthNumbers[i];
    }
    return {};
}

// The English keywords are also the GEDCOM ones; they come from the program's
// own table, which never changes, so they are read once.
const std::array<std::wstring, IDS_QUAL_TO - IDS_QUAL_AFT + 1>& Keywords()
{
    static const auto theKeywords = [] {
        std::array<std::wstring, IDS_QUAL_TO - IDS_QUAL_AFT + 1> keywords;
        for (int nId = IDS_QUAL_AFT; nId <= IDS_QUAL_TO; ++nId)
            keywords[static_cast<std::size_t>(nId - IDS_QUAL_AFT)] = LoadBaseString(nId);
        return keywords;
    }();
    return theKeywords;
}

// A character as a bit: A to Z each their own, every other character one more.
std::uint32_t LetterBit(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? 1U << (c - L'A') : 1U << 26;
}

// The letters keywords written with a blank before them start with; a word
// that starts with none of them starts no such keyword.
std::uint32_t KeywordLetters()
{
    static const std::uint32_t theLetters = [] {
        std::uint32_t letters = 0;
        for (const std::wstring& strKeyword : Keywords()) {
            if (strKeyword.size() > 1 && strKeyword.front() == L' ')
                letters |= LetterBit(strKeyword[1]);
        }
        return letters;
    }();
    return theLetters;
}

// The letters that follow a blank in `text`, as LetterBit gives them.
std::uint32_t LettersAfterBlanks(std::wstring_view text)
{
    std::uint32_t letters = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L' ')
            letters |= LetterBit(text[i + 1]);
    }
    return letters;
}

// Whether a keyword stands in the text, the start of the text counting as the
// blank before it. Only the places after a blank are tried, so a date without
// keywords costs a look at each of its few blanks.
bool HasKeyword(std::wstring_view text)
{
    const std::uint32_t keywordLetters = KeywordLetters();
    const auto startsKeyword = [text](std::size_t start) {
        const std::wstring_view rest = text.substr(start);
        for (const std::wstring& strKeyword : Keywords()) {
            const std::wstring_view keyword = strKeyword;
            if (keyword.empty())
                continue;
            if (keyword.front() == L' ' ? keyword.size() > 1 && rest.size() >= keyword.size() - 1 &&
                                              rest[0] == keyword[1] && rest.starts_with(keyword.substr(1))
                                        : start == 0 && text.find(keyword) != text.npos)
                return true;
        }
        return false;
    };
    for (std::size_t start = 0;;) {
        const bool bMayStart =
            start == 0 || (start < text.size() && (LetterBit(text[start]) & keywordLetters) != 0);
        if (bMayStart && startsKeyword(start))
            return true;
        const std::size_t blank = text.find(L' ', start);
        if (blank == text.npos)
            return false;
        start = blank + 1;
    }
}

// Puts the range and approximation keywords in the current language; false when
// the text has none. The rest of a qualified date is left as written.
bool TranslateQualifiers(std::wstring_view text, std::wstring& strResult)
{
    if (!HasKeyword(text))
        return false;
    // Half the dates of some files have a keyword: the work text keeps its storage.
    thread_local std::wstring strWork;
    strWork.assign(1, L' ');
    strWork += text;
    // A keyword written with a blank before it stands only where its first
    // letter follows a blank: one look at the text spares most searches.
    std::uint32_t letters = LettersAfterBlanks(strWork);
    std::size_t count = 0;
    for (int nId = IDS_QUAL_AFT; nId <= IDS_QUAL_TO; ++nId) {
        const std::wstring& strKeyword = Keywords()[static_cast<std::size_t>(nId - IDS_QUAL_AFT)];
        const bool bBlankFirst = strKeyword.size() > 1 && strKeyword.front() == L' ';
        if ((bBlankFirst && (letters & LetterBit(strKeyword[1])) == 0) ||
            strWork.find(strKeyword) == strWork.npos)
            continue;
        // In English a keyword stands for itself.
        const std::wstring_view translation = LangStringView(nId);
        if (translation == strKeyword) {
            ++count;
            continue;
        }
        count += ReplaceAll(strWork, strKeyword, translation);
        letters = LettersAfterBlanks(strWork);
    }
    if (count == 0)
        return false;
    strResult.assign(strWork, 1);
    return true;
}

// The two-digit number of the month a word begins with, in any case; empty when none.
std::wstring_view MonthOfWord(std::wstring_view word)
{
    std::array<wchar_t, 3> monthName{};
    const std::wstring_view token = word.substr(0, 3);
    for (std::size_t i = 0; i < token.size(); ++i)
        monthName[i] = AsciiUpper(token[i]);
    return MonthNumber(std::wstring_view(monthName.data(), token.size()));
}

bool AllDigits(std::wstring_view text)
{
    return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

// A dual year ending a text, as English files write the days before 25 March
// up to 1752: "1693/94", "1708/9", "1699/00". The digits after the slash end
// the next year, or are a later year whole; any other slash ("12/05/1900",
// "1693/945") makes none.
struct CDualYear {
    std::size_t m_nStart = 0; ///< where its first digit stands
    int m_nLater = 0;         ///< 0: the text ends with no dual year
};

CDualYear FindDualYear(std::wstring_view text)
{
    const std::size_t slash = text.rfind(L'/');
    if (slash == text.npos || slash < 4)
        return {};
    const std::wstring_view year = text.substr(slash - 4, 4);
    const std::wstring_view later = text.substr(slash + 1);
    const bool bAlone = slash == 4 || !IsAsciiDigit(text[slash - 5]);
    if (!bAlone || later.empty() || later.size() > 4 || later.size() == 3 || !AllDigits(year) || !AllDigits(later))
        return {};
    const int nYear = static_cast<int>(LeadingNumber(year));
    // Some files write the later year whole, or a year and a later one it may
    // be instead: "1637/1638", "1056/1060".
    if (later.size() == 4) {
        const int nLater = static_cast<int>(LeadingNumber(later));
        return nLater > nYear ? CDualYear{slash - 4, nLater} : CDualYear{};
    }
    const int nNext = nYear + 1;
    if (nNext % (later.size() == 1 ? 10 : 100) != LeadingNumber(later))
        return {};
    return {slash - 4, nNext};
}

struct CDatePieces {
    std::wstring_view m_day;
    bool m_bPadDay = false;
    std::wstring_view m_month;
    std::wstring_view m_year; ///< as written, a dual year whole
    int m_nYear = 0;          ///< the later one of a dual year
};

// Day, month and year of a text that starts with a digit (or was given a day).
CDatePieces CutDate(std::wstring_view work)
{
    CDatePieces pieces;
    const std::size_t blank = work.find(L' ');
    pieces.m_month = MonthOfWord(work.substr(blank == work.npos ? 0 : blank + 1));
    if (blank != work.npos && blank >= 1) {
        pieces.m_day = work.substr(0, blank);
        pieces.m_bPadDay = pieces.m_day.size() == 1;
    }
    const CDualYear dual = FindDualYear(work);
    if (dual.m_nLater != 0) {
        pieces.m_year = work.substr(dual.m_nStart);
        pieces.m_nYear = dual.m_nLater;
        return pieces;
    }
    pieces.m_year = work.size() > 4 ? work.substr(work.size() - 4) : work;
    pieces.m_nYear = static_cast<int>(std::clamp<long long>(LeadingNumber(pieces.m_year), INT_MIN, INT_MAX));
    if (pieces.m_nYear == 0)
        pieces.m_year = {};
    return pieces;
}

// Room for a text of a date form with its dual year written as the later year.
using CLaterYearBuffer = std::array<wchar_t, 16>;

// `text` with the dual year it ends with written as its later year, so that
// the forms that read one year read it too: "12.02.1693/94" reads as
// "12.02.1694". Any other text is `text` itself.
std::wstring_view WithLaterYear(std::wstring_view text, CLaterYearBuffer& buffer)
{
    const CDualYear dual = FindDualYear(text);
    if (dual.m_nLater == 0 || dual.m_nStart + 5 > buffer.size())
        return text;
    std::copy_n(text.begin(), dual.m_nStart, buffer.begin());
    std::size_t length = dual.m_nStart;
    for (int nPower = dual.m_nLater >= 10000 ? 10000 : 1000; nPower > 0; nPower /= 10)
        buffer[length++] = static_cast<wchar_t>(L'0' + dual.m_nLater / nPower % 10);
    return std::wstring_view(buffer.data(), length);
}

void JoinDate(std::wstring& strResult, const CDatePieces& pieces, int nFormat)
{
    const auto appendDay = [&](wchar_t separator) {
        if (pieces.m_day.empty())
            return;
        if (pieces.m_bPadDay)
            strResult += L'0';
        strResult += pieces.m_day;
        strResult += separator;
    };
    const auto appendMonth = [&](wchar_t separator) {
        if (pieces.m_month.empty())
            return;
        strResult += pieces.m_month;
        strResult += separator;
    };
    if (nFormat == 0) {
        appendDay(L'.');
        appendMonth(L'.');
    } else if (nFormat == 1) {
        appendMonth(L'/');
        appendDay(L'/');
    } else {
        return;
    }
    strResult += pieces.m_year;
}

// Takes a part of a typed date up to its next "."; "01" when there is none.
std::wstring_view TakeDatePart(std::wstring_view& rest)
{
    const std::size_t dot = rest.find(L'.');
    if (dot == rest.npos)
        return L"01";
    const std::wstring_view part = rest.substr(0, dot);
    rest.remove_prefix(dot + 1);
    return part;
}

// The normal form is never longer than ten characters, so it is composed in a
// buffer: the person list normalises two dates of every person.
struct CNormalDate {
    std::array<wchar_t, 10> m_buffer{};
    std::size_t m_nLength = 0;

    bool Append(std::wstring_view piece)
    {
        if (piece.size() > m_buffer.size() - m_nLength)
            return false;
        for (const wchar_t c : piece)
            m_buffer[m_nLength++] = c;
        return true;
    }
    bool AppendPadded(std::wstring_view part) { return (part.size() != 1 || Append(L"0")) && Append(part); }
};

// NormalizeDateText into `normal`; returns the normal text, "*" or the empty text.
std::wstring_view NormalizeTo(CNormalDate& normal, std::wstring_view written, int nPivot)
{
    if (written.empty())
        return {};
    CLaterYearBuffer laterBuffer;
    const std::wstring_view text = WithLaterYear(written, laterBuffer);
    std::size_t dots = 0;
    for (const wchar_t c : text) {
        if (c == L'.')
            ++dots;
        else if (!IsAsciiDigit(c))
            return L"*";
    }
    std::wstring_view rest = text;
    const std::wstring_view day = dots == 1 ? std::wstring_view(L"01") : TakeDatePart(rest);
    const std::wstring_view month = TakeDatePart(rest);
    const std::wstring_view year = rest.substr(0, rest.find(L'.'));
    const std::wstring_view century = year.size() != 1 && year.size() != 2 ? L""
                                      : LeadingNumber(year) > nPivot      ? L"19"
                                                                          : L"20";
    const bool bFits = normal.AppendPadded(day) && normal.Append(L".") && normal.AppendPadded(month) &&
                       normal.Append(L".") && normal.Append(century) && normal.AppendPadded(year);
    if (!bFits || normal.m_nLength != normal.m_buffer.size())
        return L"*";
    return std::wstring_view(normal.m_buffer.data(), normal.m_nLength);
}

// MakeSortableDate without allocating: a view of `written` itself, or of `buffer`.
std::wstring_view SortableView(std::wstring_view written, std::array<wchar_t, 10>& buffer)
{
    CLaterYearBuffer laterBuffer;
    const std::wstring_view text = WithLaterYear(written, laterBuffer);
    const wchar_t separator = text.find(L'/') != text.npos ? L'/' : L'.';
    std::wstring_view year, first, second;
    switch (text.size()) {
    case 4:
        year = text, first = L"01", second = L"01";
        break;
    case 7:
        year = text.substr(3), first = text.substr(0, 2), second = L"01";
        break;
    case 10:
        year = text.substr(6, 4);
        first = separator == L'/' ? text.substr(0, 2) : text.substr(3, 2);
        second = separator == L'/' ? text.substr(3, 2) : text.substr(0, 2);
        break;
    default:
        return written;
    }
    std::size_t length = 0;
    for (const std::wstring_view piece : {year, std::wstring_view(&separator, 1), first,
                                          std::wstring_view(&separator, 1), second}) {
        for (const wchar_t c : piece)
            buffer[length++] = c;
    }
    return std::wstring_view(buffer.data(), length);
}

// The leading number of a text read as if its "." and "/" were not there.
long long LeadingNumberWithoutSeparators(std::wstring_view text)
{
    std::size_t pos = 0;
    const auto skipSeparators = [&] {
        while (pos < text.size() && (text[pos] == L'.' || text[pos] == L'/'))
            ++pos;
    };
    for (skipSeparators(); pos < text.size() && (text[pos] == L' ' || text[pos] == L'\t'); skipSeparators())
        ++pos;
    bool bNegative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        bNegative = text[pos] == L'-';
        ++pos;
        skipSeparators();
    }
    constexpr long long kCap = 1LL << 40;
    long long value = 0;
    for (; pos < text.size() && IsAsciiDigit(text[pos]); skipSeparators()) {
        value = std::min(value * 10 + (text[pos] - L'0'), kCap);
        ++pos;
    }
    return bNegative ? -value : value;
}

int DigitsAt(std::wstring_view text, std::size_t pos, std::size_t count)
{
    return pos < text.size() ? static_cast<int>(LeadingNumber(text.substr(pos, count))) : 0;
}

// Days since the epoch. A day or month outside its range carries into the next
// months or years, as C's mktime does, so that 31.02.1900 is 3 March 1900 and
// 45.13.1923 is 14 February 1925.
long long DayNumber(const CCalendarDate& date)
{
    using namespace std::chrono;
    const year_month yearMonth = year{date.m_nYear} / January + months{date.m_nMonth - 1};
    return (sys_days{yearMonth / 1} + days{date.m_nDay - 1}).time_since_epoch().count();
}

// Whole years from `from` to `to`, counted on the calendar so that an
// anniversary completes its year (dividing days by 365.25 falls a day short on
// most birthdays); negative, toward zero, when `to` comes first.
long long CompletedYears(const CCalendarDate& from, const CCalendarDate& to)
{
    using namespace std::chrono;
    const year_month_day start{sys_days{days{DayNumber(from)}}};
    const year_month_day end{sys_days{days{DayNumber(to)}}};
    if (sys_days{end} < sys_days{start})
        return -CompletedYears(to, from);
    long long years = static_cast<int>(end.year()) - static_cast<int>(start.year());
    if (end.month() < start.month() || (end.month() == start.month() && end.day() < start.day()))
        --years;
    return years;
}

// The places of a date in normal form, as CDateKey reads them; year 0 when it has none.
CCalendarDate NormalDateOf(std::wstring_view normal)
{
    return {DigitsAt(normal, 6, std::wstring_view::npos), DigitsAt(normal, 3, 2), DigitsAt(normal, 0, 2)};
}

// A date without keywords in `mode`: day, month and year joined when it starts
// with a number (or, filled, with a month), else as written.
void JoinPlainDate(std::wstring& strResult, std::wstring_view text, DateTextMode mode, const CDateStyle& style)
{
    // A slash that makes no dual year leaves a shape the program cannot read
    // ("12/05/1900"); cut into day, month and year it would lose digits.
    if (text.find(L'/') != text.npos && FindDualYear(text).m_nLater == 0) {
        strResult = text;
        return;
    }
    std::wstring strFilled;
    std::wstring_view work = text;
    if (work.empty() || !IsAsciiDigit(work[0])) {
        if (mode != DateTextMode::DottedFilled || MonthNumber(work.substr(0, 3)).empty()) {
            strResult = text;
            return;
        }
        strFilled = L"01 ";
        strFilled += work;
        work = strFilled;
    }
    JoinDate(strResult, CutDate(work), mode == DateTextMode::Display ? style.m_nFormat : 0);
}

// The first date of a GEDCOM date value: from the first word a date may
// begin with (a number or a month) up to the next word that is neither, so
// that qualifiers, a calendar and the second date of a range are left out.
std::wstring_view FirstDate(std::wstring_view text)
{
    std::size_t start = text.npos;
    std::size_t end = 0;
    for (std::size_t pos = 0, blank = 0; pos < text.size(); pos = blank + 1) {
        blank = std::min(text.find(L' ', pos), text.size());
        const std::wstring_view word = text.substr(pos, blank - pos);
        if (word.empty())
            continue;
        if (!IsAsciiDigit(word[0]) && MonthOfWord(word).empty()) {
            if (start != text.npos)
                break;
            continue;
        }
        start = std::min(start, pos);
        end = blank;
    }
    return start == text.npos ? std::wstring_view() : text.substr(start, end - start);
}

} // namespace

void FormatGedcomDateTo(std::wstring& strResult, std::wstring_view text, DateTextMode mode, const CDateStyle& style)
{
    strResult.clear();
    if (mode == DateTextMode::Raw) {
        strResult = text;
        return;
    }
    if (!TranslateQualifiers(text, strResult))
        JoinPlainDate(strResult, text, mode, style);
}

void FormatListDateTo(std::wstring& strDisplay, std::wstring& strFilled, std::wstring_view text,
                      const CDateStyle& style)
{
    strDisplay.clear();
    strFilled.clear();
    if (TranslateQualifiers(text, strDisplay)) {
        strFilled = strDisplay;
        return;
    }
    JoinPlainDate(strDisplay, text, DateTextMode::Display, style);
    JoinPlainDate(strFilled, text, DateTextMode::DottedFilled, style);
}

std::wstring FormatGedcomDate(std::wstring_view text, DateTextMode mode, const CDateStyle& style)
{
    std::wstring strResult;
    FormatGedcomDateTo(strResult, text, mode, style);
    return strResult;
}

std::wstring CEventInfo::GetDateText(const CDocument& doc, DateTextMode mode, const CDateStyle& style) const
{
    std::wstring strText;
    FormatDate(doc, mode, style, strText);
    return strText;
}

void CEventInfo::FormatDate(const CDocument& doc, DateTextMode mode, const CDateStyle& style, std::wstring& strText) const
{
    strText.clear();
    if (mode == DateTextMode::Raw || m_strDate.empty()) {
        doc.AppendTo(m_strDate, strText);
        return;
    }
    // Lists ask for a date per person: the stored text is read into one scratch string.
    thread_local std::wstring strStored;
    strStored.clear();
    doc.AppendTo(m_strDate, strStored);
    FormatGedcomDateTo(strText, strStored, mode, style);
}

std::wstring CPerson::GetBirthDateText(const CDocument& doc, DateTextMode mode, const CDateStyle& style) const
{
    return doc.Event(m_birth).GetDateText(doc, mode, style);
}

std::wstring CPerson::GetDeathDateText(const CDocument& doc, DateTextMode mode, const CDateStyle& style) const
{
    return doc.Event(m_death).GetDateText(doc, mode, style);
}

std::wstring NormalizeDateText(std::wstring_view text, int nPivot)
{
    CNormalDate normal;
    return std::wstring(NormalizeTo(normal, text, nPivot));
}

std::wstring MakeSortableDate(std::wstring_view text)
{
    std::array<wchar_t, 10> buffer{};
    return std::wstring(SortableView(text, buffer));
}

int ComputeDateKey(std::wstring_view text)
{
    if (text.empty())
        return -1;
    std::array<wchar_t, 10> buffer{};
    const long long value = LeadingNumberWithoutSeparators(SortableView(text, buffer));
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int ComputeGedcomDateKey(std::wstring_view text)
{
    const std::wstring_view first = FirstDate(text);
    const CDatePieces pieces = CutDate(first);
    if (first.empty() || pieces.m_nYear <= 0)
        return -1;
    // A day is cut only from a date that starts with one; DEC 1923 has none.
    const std::wstring_view month = pieces.m_month.empty() ? MonthOfWord(first) : pieces.m_month;
    const long long day = IsAsciiDigit(first[0]) && !month.empty() ? LeadingNumber(pieces.m_day) : 0;
    const long long key = pieces.m_nYear * 10000LL + LeadingNumber(month) * 100 + std::clamp(day, 0LL, 99LL);
    return static_cast<int>(std::min<long long>(key, INT_MAX));
}

int LaterDualYear(std::wstring_view text)
{
    return FindDualYear(text).m_nLater;
}

CDateKey::CDateKey() : m_strText(theEmptyDateText), m_nKey(ComputeDateKey(m_strText)) {}

CDateKey::CDateKey(std::wstring_view text)
    : m_strText(NormalizeDateText(text, TwoDigitYearPivot)), m_nKey(ComputeDateKey(m_strText))
{
}

CDateKey& CDateKey::operator=(std::wstring_view text)
{
    m_strText = NormalizeDateText(text, TwoDigitYearPivot);
    m_nKey = ComputeDateKey(m_strText);
    return *this;
}

int CDateKey::GetDay() const
{
    return DigitsAt(m_strText, 0, 2);
}

int CDateKey::GetMonth() const
{
    return DigitsAt(m_strText, 3, 2);
}

int CDateKey::GetYear() const
{
    return DigitsAt(m_strText, 6, std::wstring_view::npos);
}

void FormatAgeTo(std::wstring& strAge, std::wstring_view birthFilled, bool bDied,
                 std::wstring_view deathFilled)
{
    strAge.clear();
    if (birthFilled.empty())
        return;
    CNormalDate normalBirth;
    const CCalendarDate birth = NormalDateOf(NormalizeTo(normalBirth, birthFilled, TwoDigitYearPivot));
    bool bNoDeathDate = false;
    if (birth.m_nYear != 0) {
        CCalendarDate end = Today();
        if (bDied) {
            CNormalDate normalDeath;
            const CCalendarDate death =
                NormalDateOf(NormalizeTo(normalDeath, deathFilled, TwoDigitYearPivot));
            if (death.m_nYear > 0)
                end = death;
            else
                bNoDeathDate = true;
        }
        AppendDecimal(strAge, CompletedYears(birth, end));
    }
    if (bDied) {
        CEventInfo::LoadEventLabels();
        strAge += L' ';
        strAge += std::wstring_view(CEventInfo::theLabels.m_strDiedMale).substr(0, 1);
    }
    if (bNoDeathDate)
        strAge += L'*';
}

std::wstring FormatAge(const CDocument& doc, const CPerson& person)
{
    const CDateStyle dotted;
    std::wstring strAge;
    FormatAgeTo(strAge, person.GetBirthDateText(doc, DateTextMode::DottedFilled, dotted),
                doc.Event(person.m_death).m_bPresent, person.GetDeathDateText(doc, DateTextMode::DottedFilled, dotted));
    return strAge;
}
