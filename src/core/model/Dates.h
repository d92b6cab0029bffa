#pragma once

#include <string>
#include <string_view>

class CDocument;
class CPerson;

/// How a stored GEDCOM date becomes text.
enum class DateTextMode {
    Display = 0,      ///< in the order and with the separator of the date style
    Dotted = 1,       ///< day.month.year whatever the setting
    DottedFilled = 2, ///< as Dotted, and DEC 1923 reads as 01.12.1923
    Raw = 3,          ///< the value unchanged
};

/// How dates read, as the display options ask.
struct CDateStyle {
    int m_nFormat = 0; ///< 0: dd.mm.yyyy, 1: mm/dd/yyyy
};

/// The program's text of a GEDCOM DATE value: 12 DEC 1923 becomes 12.12.1923,
/// range and approximation keywords are put in the user's language, and any
/// other shape is passed through as written.
std::wstring FormatGedcomDate(std::wstring_view text, DateTextMode mode, const CDateStyle& style);

/// FormatGedcomDate into `strResult`, whose storage is reused.
void FormatGedcomDateTo(std::wstring& strResult, std::wstring_view text, DateTextMode mode, const CDateStyle& style);

/// The Display and the DottedFilled text of one date at once, as a list with
/// dates and ages needs both: the keywords are looked for only once.
void FormatListDateTo(std::wstring& strDisplay, std::wstring& strFilled, std::wstring_view text,
                      const CDateStyle& style);

/// A two-digit year above it is 19xx, else 20xx.
constexpr int TwoDigitYearPivot = 20;

/// The text of a CDateKey made without one.
inline constexpr wchar_t theEmptyDateText[] = L"01.01.1000";

/// The normal form DD.MM.YYYY of a typed or formatted date, the empty text for
/// an empty one, or "*" when it cannot be read. Day and month get no range test.
std::wstring NormalizeDateText(std::wstring_view text, int nPivot);

/// A text whose character order is the date order: year first, in the
/// separator of the text (DD.MM.YYYY, MM/DD/YYYY, MM.YYYY, YYYY). Any other
/// text is returned unchanged.
std::wstring MakeSortableDate(std::wstring_view text);

/// YYYYMMDD of a date text; -1 for the empty text, 0 for one without a leading number.
int ComputeDateKey(std::wstring_view text);

/// The order of a GEDCOM DATE value among others: YYYYMMDD of its first date,
/// 00 for a month or a day it lacks, a dual year counted as its later year,
/// qualifiers and a calendar skipped; -1 when no year can be read.
int ComputeGedcomDateKey(std::wstring_view text);

/// The later year of the dual year a date text ends with ("1693/94" gives
/// 1694, "1699/00" 1700, "1708/9" 1709); 0 when it ends with none.
int LaterDualYear(std::wstring_view text);

/// A date in normal form with its YYYYMMDD key, for comparing and filtering.
class CDateKey {
public:
    CDateKey();
    CDateKey(std::wstring_view text);
    CDateKey& operator=(std::wstring_view text);

    const std::wstring& GetText() const { return m_strText; }
    int GetKey() const { return m_nKey; }
    /// The numbers of the text's places; 0 where the text has no digits there.
    int GetDay() const;
    int GetMonth() const;
    int GetYear() const;

private:
    std::wstring m_strText;
    int m_nKey;
};

/// The completed years of a person to today or to the death date, with the
/// first letter of "Died" after them when the person died, and "*" when the
/// death has no usable date; the mark alone when the birth has no year.
std::wstring FormatAge(const CDocument& doc, const CPerson& person);

/// FormatAge into `strAge`, whose storage is reused, from the DottedFilled
/// texts of the birth date and of the death date.
void FormatAgeTo(std::wstring& strAge, std::wstring_view birthFilled, bool bDied,
                 std::wstring_view deathFilled);
