#include "text/Dates.h"

#include "model/EventInfo.h"
#include "model/Person.h"
#include "options/Language.h"
#include "options/Settings.h"
#include "options/StringIds.h"
#include "platform/Clock.h"
#include "text/WideText.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>

namespace {

constexpr std::array<std::wstring_view, 12> theMonthNames = {L"JAN", L"FEB", L"MAR", L"APR", L"MAY", L"JUN",
                                                             L"JUL", L"AUG", L"SEP", L"OCT", L"NOV", L"DEC"};
constexpr std::array<std::wstring_view, 12> theMonthNumbers = {L"01", L"02", L"03", L"04", L"05", L"06",
                                                               L"07", L"08", L"09", L"10", L"11", L"12"};

// The two-digit number of a month name compared exactly; empty when none matches.
std::wstring_view MonthNumber(std::wstring_view name)
{
    for (std::size_t i = 0; i < theMonthNames.size(); ++i) {
        if (name == theMonthNames[i])
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

// Whether a keyword stands in the text with a blank before it; the start of the
// text counts as a blank.
bool HasKeyword(std::wstring_view text)
{
    for (const std::wstring& strKeyword : Keywords()) {
        const std::wstring_view keyword = strKeyword;
        if (!keyword.empty() && (text.starts_with(keyword.substr(1)) || text.find(keyword) != text.npos))
            return true;
    }
    return false;
}

// Puts the range and approximation keywords in the current language; false when
// the text has none. The rest of a qualified date is left as written.
bool TranslateQualifiers(std::wstring_view text, std::wstring& strResult)
{
    if (!HasKeyword(text))
        return false;
    std::wstring strWork = L" ";
    strWork += text;
    std::size_t count = 0;
    for (int nId = IDS_QUAL_AFT; nId <= IDS_QUAL_TO; ++nId)
        count += ReplaceAll(strWork, Keywords()[static_cast<std::size_t>(nId - IDS_QUAL_AFT)], LoadLangString(nId));
    if (count == 0)
        return false;
    strResult = strWork.substr(1);
    return true;
}

struct CDatePieces {
    std::wstring_view m_day;
    bool m_bPadDay = false;
    std::wstring_view m_month;
    std::wstring_view m_year;
};

// Day, month and year of a text that starts with a digit (or was given a day).
CDatePieces CutDate(std::wstring_view work)
{
    CDatePieces pieces;
    const std::size_t blank = work.find(L' ');
    std::array<wchar_t, 3> monthName{};
    const std::wstring_view token = work.substr(blank == work.npos ? 0 : blank + 1, 3);
    for (std::size_t i = 0; i < token.size(); ++i)
        monthName[i] = AsciiUpper(token[i]);
    pieces.m_month = MonthNumber(std::wstring_view(monthName.data(), token.size()));
    if (blank != work.npos && blank >= 1) {
        pieces.m_day = work.substr(0, blank);
        pieces.m_bPadDay = pieces.m_day.size() == 1;
    }
    pieces.m_year = work.size() > 4 ? work.substr(work.size() - 4) : work;
    if (LeadingNumber(pieces.m_year) == 0)
        pieces.m_year = {};
    return pieces;
}

std::wstring JoinDate(const CDatePieces& pieces, int nFormat)
{
    std::wstring strResult;
    strResult.reserve(10);
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
        return {};
    }
    strResult += pieces.m_year;
    return strResult;
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

void AppendPadded(std::wstring& strText, std::wstring_view part)
{
    if (part.size() == 1)
        strText += L'0';
    strText += part;
}

// MakeSortableDate without allocating: a view of `text` itself, or of `buffer`.
std::wstring_view SortableView(std::wstring_view text, std::array<wchar_t, 10>& buffer)
{
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
        return text;
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
long long DayNumber(int nYear, int nMonth, int nDay)
{
    using namespace std::chrono;
    const year_month yearMonth = year{nYear} / January + months{nMonth - 1};
    return (sys_days{yearMonth / 1} + days{nDay - 1}).time_since_epoch().count();
}

} // namespace

std::wstring FormatGedcomDate(std::wstring_view text, DateTextMode mode)
{
    if (mode == DateTextMode::Raw)
        return std::wstring(text);
    std::wstring strQualified;
    if (TranslateQualifiers(text, strQualified))
        return strQualified;
    std::wstring strFilled;
    std::wstring_view work = text;
    if (work.empty() || !IsAsciiDigit(work[0])) {
        if (mode != DateTextMode::DottedFilled || MonthNumber(work.substr(0, 3)).empty())
            return std::wstring(text);
        strFilled = L"01 ";
        strFilled += work;
        work = strFilled;
    }
    return JoinDate(CutDate(work), mode == DateTextMode::Display ? Settings.DateFormat : 0);
}

std::wstring CEventInfo::GetDateText(DateTextMode mode) const
{
    if (mode == DateTextMode::Raw || m_strDate.empty())
        return m_strDate;
    return FormatGedcomDate(m_strDate, mode);
}

std::wstring CPerson::GetBirthDateText(DateTextMode mode) const
{
    return m_birth->GetDateText(mode);
}

std::wstring CPerson::GetDeathDateText(DateTextMode mode) const
{
    return m_death->GetDateText(mode);
}

std::wstring NormalizeDateText(std::wstring_view text, int nPivot)
{
    if (text.empty())
        return {};
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

    std::wstring strResult;
    strResult.reserve(10);
    AppendPadded(strResult, day);
    strResult += L'.';
    AppendPadded(strResult, month);
    strResult += L'.';
    if (year.size() == 1 || year.size() == 2)
        strResult += LeadingNumber(year) > nPivot ? L"19" : L"20";
    AppendPadded(strResult, year);
    return strResult.size() == 10 ? strResult : L"*";
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

std::wstring FormatAge(const CPerson& person)
{
    const std::wstring strBirth = person.GetBirthDateText(DateTextMode::DottedFilled);
    if (strBirth.empty())
        return {};
    const bool bDied = person.m_death->m_bPresent;
    std::wstring strMark;
    if (bDied) {
        CEventInfo::LoadEventLabels();
        strMark = L' ';
        strMark += std::wstring_view(CEventInfo::theLabels.m_strDiedMale).substr(0, 1);
    }
    const CDateKey birth(strBirth);
    if (birth.GetYear() == 0)
        return strMark;

    CCalendarDate end = Today();
    bool bNoDeathDate = false;
    if (bDied) {
        const CDateKey death(person.GetDeathDateText(DateTextMode::DottedFilled));
        if (death.GetYear() > 0)
            end = {death.GetYear(), death.GetMonth(), death.GetDay()};
        else
            bNoDeathDate = true;
    }
    const long long days = DayNumber(end.m_nYear, end.m_nMonth, end.m_nDay) -
                           DayNumber(birth.GetYear(), birth.GetMonth(), birth.GetDay());
    const auto years = static_cast<long long>(static_cast<double>(days) * (1.0 / 365.25));
    std::wstring strAge = std::to_wstring(years);
    strAge += strMark;
    if (bNoDeathDate)
        strAge += L'*';
    return strAge;
}
