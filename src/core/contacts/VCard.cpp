#include "core/contacts/VCard.h"

#include "core/platform/Collator.h"
#include "core/text/LegacyCodePage.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiUpper(static_cast<unsigned char>(x)) == AsciiUpper(static_cast<unsigned char>(y));
           });
}

bool ContainsNoCase(std::string_view text, std::string_view word)
{
    for (std::size_t pos = 0; pos + word.size() <= text.size(); ++pos) {
        if (EqualsNoCase(text.substr(pos, word.size()), word))
            return true;
    }
    return false;
}

std::string_view TrimAscii(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A parameter value may be quoted (4.0), and a quoted one may hold ':' and ';'.
std::size_t FindUnquoted(std::string_view text, char c, std::size_t from = 0)
{
    bool bQuoted = false;
    for (std::size_t pos = from; pos < text.size(); ++pos) {
        if (text[pos] == '"')
            bQuoted = !bQuoted;
        else if (text[pos] == c && !bQuoted)
            return pos;
    }
    return std::string_view::npos;
}

/// A logical line cut into its parts; the group (item1.) is dropped.
struct CProperty {
    std::string_view m_name;
    std::string_view m_params; ///< ";"-separated, without the leading ";"
    std::string_view m_value;
};

bool SplitProperty(std::string_view line, CProperty& property)
{
    const std::size_t colon = FindUnquoted(line, ':');
    if (colon == std::string_view::npos)
        return false;
    const std::string_view head = line.substr(0, colon);
    const std::size_t semicolon = std::min(head.find(';'), head.size());
    property.m_name = TrimAscii(head.substr(0, semicolon));
    const std::size_t dot = property.m_name.rfind('.');
    if (dot != std::string_view::npos)
        property.m_name.remove_prefix(dot + 1);
    property.m_params = semicolon < head.size() ? head.substr(semicolon + 1) : std::string_view();
    property.m_value = line.substr(colon + 1);
    return true;
}

/// What the parameters say about decoding a value.
struct CValueForm {
    bool m_bQuotedPrintable = false;
    bool m_bUnknownEncoding = false;
    bool m_bText = false; ///< VALUE=text: a BDAY that is no date
    std::string m_strCharset;
};

CValueForm ReadValueForm(std::string_view params)
{
    CValueForm form;
    while (!params.empty()) {
        const std::size_t end = std::min(FindUnquoted(params, ';'), params.size());
        const std::string_view param = TrimAscii(params.substr(0, end));
        params.remove_prefix(std::min(end + 1, params.size()));
        const std::size_t equals = param.find('=');
        const std::string_view key = equals == std::string_view::npos ? std::string_view() : param.substr(0, equals);
        std::string_view value = equals == std::string_view::npos ? param : param.substr(equals + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (EqualsNoCase(key, "ENCODING") || key.empty()) {
            // 2.1 writes a bare QUOTED-PRINTABLE; other bare words are types.
            if (EqualsNoCase(value, "QUOTED-PRINTABLE"))
                form.m_bQuotedPrintable = true;
            else if (!key.empty() && !EqualsNoCase(value, "7BIT") && !EqualsNoCase(value, "8BIT"))
                form.m_bUnknownEncoding = true;
        } else if (EqualsNoCase(key, "CHARSET")) {
            form.m_strCharset = value;
        } else if (EqualsNoCase(key, "VALUE")) {
            form.m_bText = EqualsNoCase(value, "text");
        }
    }
    return form;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = static_cast<char>(AsciiUpper(static_cast<unsigned char>(c)));
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// A "=" left at the very end is the soft break of a value the line end cut.
bool DecodeQuotedPrintable(std::string_view text, std::string& bytes)
{
    bytes.clear();
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '=') {
            bytes += text[pos];
            continue;
        }
        if (pos + 1 == text.size())
            break;
        const int high = HexDigit(text[pos + 1]);
        const int low = pos + 2 < text.size() ? HexDigit(text[pos + 2]) : -1;
        if (high < 0 || low < 0)
            return false;
        bytes += static_cast<char>(high * 16 + low);
        pos += 2;
    }
    return true;
}

/// Decodes the charsets a card names, each decoder made once per reading:
/// iconv loads its tables from disk.
class CCharsetDecoders {
public:
    bool Decode(std::string_view bytes, const std::string& strCharset, bool bVersion21, std::wstring& out)
    {
        if (strCharset.empty()) {
            // 2.1 predates UTF-8 as the default, so its old files use the
            // user's code page, as GEDCOM files without a marker do.
            if (DecodeUtf8(bytes, out))
                return true;
            if (!bVersion21)
                return false;
            UserLegacyDecoder().Decode(bytes, out);
            return true;
        }
        if (EqualsNoCase(strCharset, "UTF-8") || EqualsNoCase(strCharset, "UTF8"))
            return DecodeUtf8(bytes, out);
        std::string strName(strCharset);
        std::transform(strName.begin(), strName.end(), strName.begin(),
                       [](char c) { return static_cast<char>(AsciiUpper(static_cast<unsigned char>(c))); });
        auto& pDecoder = m_decoders[strName];
        if (!pDecoder)
            pDecoder = std::make_unique<CLegacyDecoder>(strName);
        pDecoder->Decode(bytes, out);
        return out.find(L'\xFFFD') == std::wstring::npos;
    }

private:
    std::map<std::string, std::unique_ptr<CLegacyDecoder>> m_decoders;
};

// Backslash escapes of 3.0 and 4.0 (2.1 knows only "\;"); an unescaped comma
// separates the values of a list, which a name shows as blanks.
std::wstring Unescape(std::wstring_view text, bool bVersion21)
{
    std::wstring strResult;
    strResult.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const wchar_t c = text[pos];
        if (c == L',' && !bVersion21) {
            strResult += L' ';
        } else if (c != L'\\' || pos + 1 == text.size()) {
            strResult += c;
        } else {
            const wchar_t next = text[++pos];
            if (next == L'n' || next == L'N')
                strResult += L'\n';
            else if (next == L'\\' || next == L';' || next == L',')
                strResult += next;
            else
                strResult.append({c, next});
        }
    }
    return std::wstring(TrimWhite(strResult));
}

/// A component of a structured value, cut at an unescaped ";" before decoding.
std::string_view Component(std::string_view value, int nIndex)
{
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= value.size(); ++pos) {
        if (pos + 1 < value.size() && value[pos] == '\\') {
            ++pos;
            continue;
        }
        if (pos == value.size() || value[pos] == ';') {
            if (nIndex-- == 0)
                return value.substr(start, pos - start);
            start = pos + 1;
        }
    }
    return {};
}

bool IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

bool ReadDigits(std::wstring_view text, std::size_t nCount, int& nValue)
{
    if (text.size() < nCount)
        return false;
    nValue = 0;
    for (std::size_t i = 0; i < nCount; ++i) {
        if (!IsAsciiDigit(text[i]))
            return false;
        nValue = nValue * 10 + (text[i] - L'0');
    }
    return true;
}

bool IsRealDate(const CCalendarDate& date)
{
    constexpr int anDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.m_nMonth < 0 || date.m_nMonth > 12 || date.m_nDay < 0)
        return false;
    if (date.m_nDay > (date.m_nMonth == 0 ? 31 : anDays[date.m_nMonth - 1]))
        return false;
    return !(date.m_nMonth == 2 && date.m_nDay == 29 && date.m_nYear != 0 && !IsLeapYear(date.m_nYear));
}

// The forms a card may give, whole or with parts left out (left at 0):
// 19500305, 1950-03-05, 1950-03, 1950, --0305, --03-05, --03, ---05, each
// maybe with a time after "T". A time alone gives no date at all.
std::optional<CCalendarDate> ParseBirthday(std::wstring_view text)
{
    text = text.substr(0, text.find(L'T'));
    CCalendarDate date;
    if (text.starts_with(L"---")) {
        text.remove_prefix(3);
        if (text.size() != 2 || !ReadDigits(text, 2, date.m_nDay) || date.m_nDay == 0)
            return std::nullopt;
        return IsRealDate(date) ? std::optional(date) : std::nullopt;
    }
    if (text.starts_with(L"--")) {
        text.remove_prefix(2);
    } else if (ReadDigits(text, 4, date.m_nYear)) {
        text.remove_prefix(4);
        // 195003 would read as a year and a month or as a century's day.
        if (text.empty() || (!text.starts_with(L'-') && text.size() != 4))
            return text.empty() ? std::optional(date) : std::nullopt;
    } else {
        return text.empty() ? std::optional(date) : std::nullopt;
    }
    if (text.starts_with(L'-'))
        text.remove_prefix(1);
    if (!ReadDigits(text, 2, date.m_nMonth))
        return std::nullopt;
    text.remove_prefix(2);
    if (text.starts_with(L'-'))
        text.remove_prefix(1);
    if (!text.empty() && (text.size() != 2 || !ReadDigits(text, 2, date.m_nDay)))
        return std::nullopt;
    if (date.m_nMonth == 0 || (date.m_nDay == 0 && !text.empty()))
        return std::nullopt;
    return IsRealDate(date) ? std::optional(date) : std::nullopt;
}

/// The properties of one card that the contact is made of, kept until END so
/// that VERSION may come anywhere in the card.
struct CRawCard {
    bool m_bVersion21 = false;
    bool m_bHasName = false;
    std::string m_strNameParams;
    std::string m_strName;
    bool m_bHasFullName = false;
    std::string m_strFullNameParams;
    std::string m_strFullName; ///< FN: the name as it is to be shown
    bool m_bHasBirthday = false;
    std::string m_strBirthdayParams;
    std::string m_strBirthday;
};

/// Cuts a vCard text into logical lines, unfolding as it goes.
class CVCardReader {
public:
    explicit CVCardReader(std::string_view bytes) : m_bytes(bytes)
    {
        if (m_bytes.starts_with("\xEF\xBB\xBF"))
            m_bytes.remove_prefix(3);
    }

    CContactsFailure Read(std::vector<CContact>& contacts);

private:
    bool NextPhysicalLine(std::string_view& line);
    bool NextLogicalLine(std::string& line);
    bool ReadCard(std::vector<CContact>& contacts);
    void KeepCard(const CRawCard& card, bool bBroken, std::vector<CContact>& contacts);
    CContactsFailure MakeContact(const CRawCard& card, CContact& contact);
    bool DecodeText(std::string_view raw, const CValueForm& form, bool bVersion21, std::wstring& out);

    std::string_view m_bytes;
    std::size_t m_nPos = 0;
    std::string m_strLine;
    CCharsetDecoders m_decoders;
};

bool CVCardReader::NextPhysicalLine(std::string_view& line)
{
    if (m_nPos >= m_bytes.size())
        return false;
    const std::size_t end = std::min(m_bytes.find_first_of("\r\n", m_nPos), m_bytes.size());
    line = m_bytes.substr(m_nPos, end - m_nPos);
    m_nPos = end;
    if (m_nPos < m_bytes.size() && m_bytes[m_nPos] == '\r')
        ++m_nPos;
    if (m_nPos < m_bytes.size() && m_bytes[m_nPos] == '\n')
        ++m_nPos;
    return true;
}

// A line that starts with a blank or a tab continues the one before; in a
// quoted-printable value a "=" at the end does (the soft line break of 2.1).
bool CVCardReader::NextLogicalLine(std::string& line)
{
    std::string_view physical;
    if (!NextPhysicalLine(physical))
        return false;
    line.assign(physical);
    const std::size_t colon = FindUnquoted(physical, ':');
    const bool bQuotedPrintable =
        colon != std::string_view::npos && ContainsNoCase(physical.substr(0, colon), "QUOTED-PRINTABLE");
    for (;;) {
        const std::size_t nSaved = m_nPos;
        if (!NextPhysicalLine(physical))
            return true;
        if (bQuotedPrintable && !line.empty() && line.back() == '=') {
            line.pop_back();
            line += physical;
        } else if (!physical.empty() && (physical[0] == ' ' || physical[0] == '\t')) {
            line += physical.substr(1);
        } else {
            m_nPos = nSaved;
            return true;
        }
    }
}

CContactsFailure CVCardReader::Read(std::vector<CContact>& contacts)
{
    while (NextLogicalLine(m_strLine)) {
        if (TrimAscii(m_strLine).empty())
            continue;
        CProperty property;
        if (!SplitProperty(m_strLine, property) || !EqualsNoCase(property.m_name, "BEGIN") ||
            !EqualsNoCase(TrimAscii(property.m_value), "VCARD"))
            return CContactsFailure::Items;
        while (ReadCard(contacts)) {
        }
    }
    return CContactsFailure::None;
}

// One card, from after its BEGIN. A line that is no property, or any END or
// BEGIN but its own END, breaks the card; it is read on to its END, and a
// BEGIN:VCARD before that ends it and starts the next card (true).
bool CVCardReader::ReadCard(std::vector<CContact>& contacts)
{
    CRawCard card;
    bool bBroken = false;
    while (NextLogicalLine(m_strLine)) {
        if (TrimAscii(m_strLine).empty())
            continue;
        CProperty property;
        if (!SplitProperty(m_strLine, property)) {
            bBroken = true;
            continue;
        }
        const bool bBegin = EqualsNoCase(property.m_name, "BEGIN");
        const bool bCardWord = EqualsNoCase(TrimAscii(property.m_value), "VCARD");
        if (bBegin && bCardWord) {
            KeepCard(card, true, contacts);
            return true;
        }
        if (bBegin || EqualsNoCase(property.m_name, "END")) {
            if (bBegin || !bCardWord) {
                bBroken = true;
                continue;
            }
            KeepCard(card, bBroken, contacts);
            return false;
        }
        if (EqualsNoCase(property.m_name, "VERSION")) {
            card.m_bVersion21 = TrimAscii(property.m_value) == "2.1";
        } else if (EqualsNoCase(property.m_name, "N") && !card.m_bHasName) {
            card.m_bHasName = true;
            card.m_strNameParams = property.m_params;
            card.m_strName = property.m_value;
        } else if (EqualsNoCase(property.m_name, "FN") && !card.m_bHasFullName) {
            card.m_bHasFullName = true;
            card.m_strFullNameParams = property.m_params;
            card.m_strFullName = property.m_value;
        } else if (EqualsNoCase(property.m_name, "BDAY") && !card.m_bHasBirthday) {
            card.m_bHasBirthday = true;
            card.m_strBirthdayParams = property.m_params;
            card.m_strBirthday = property.m_value;
        }
    }
    KeepCard(card, true, contacts);
    return false;
}

void CVCardReader::KeepCard(const CRawCard& card, bool bBroken, std::vector<CContact>& contacts)
{
    CContact& contact = contacts.emplace_back();
    const CContactsFailure failure = MakeContact(card, contact);
    contact.m_unreadable = bBroken ? CContactsFailure::Item : failure;
}

bool CVCardReader::DecodeText(std::string_view raw, const CValueForm& form, bool bVersion21, std::wstring& out)
{
    if (form.m_bUnknownEncoding)
        return false;
    std::string strBytes;
    if (form.m_bQuotedPrintable && !DecodeQuotedPrintable(raw, strBytes))
        return false;
    std::wstring strText;
    if (!m_decoders.Decode(form.m_bQuotedPrintable ? strBytes : raw, form.m_strCharset, bVersion21, strText))
        return false;
    out = Unescape(strText, bVersion21);
    return true;
}

// The names are asked for in the order first, middle, last, so the first of
// them that cannot be decoded is the one reported; what can be read is kept,
// to name the card in the report.
CContactsFailure CVCardReader::MakeContact(const CRawCard& card, CContact& contact)
{
    CContactsFailure failure = CContactsFailure::None;
    if (card.m_bHasName) {
        const CValueForm form = ReadValueForm(card.m_strNameParams);
        const struct {
            int m_nComponent;
            std::wstring CContact::*m_pName;
            CContactsFailure m_failure;
        } parts[] = {{1, &CContact::m_strFirstName, CContactsFailure::FirstName},
                     {2, &CContact::m_strMiddleName, CContactsFailure::MiddleName},
                     {0, &CContact::m_strLastName, CContactsFailure::LastName}};
        for (const auto& part : parts) {
            if (!DecodeText(Component(card.m_strName, part.m_nComponent), form, card.m_bVersion21,
                            contact.*part.m_pName) &&
                failure == CContactsFailure::None)
                failure = part.m_failure;
        }
    }
    // Many cards name a person by FN alone; it is matched as the whole name.
    const bool bNoName =
        contact.m_strFirstName.empty() && contact.m_strMiddleName.empty() && contact.m_strLastName.empty();
    if (bNoName && card.m_bHasFullName &&
        !DecodeText(card.m_strFullName, ReadValueForm(card.m_strFullNameParams), card.m_bVersion21,
                    contact.m_strFirstName) &&
        failure == CContactsFailure::None)
        failure = CContactsFailure::FirstName;
    if (card.m_bHasBirthday) {
        const CValueForm form = ReadValueForm(card.m_strBirthdayParams);
        std::wstring strText;
        const bool bDecoded = DecodeText(card.m_strBirthday, form, card.m_bVersion21, strText);
        if (bDecoded && form.m_bText) {
            contact.m_strBirthdayText = strText;
        } else if (bDecoded && !strText.empty()) {
            const std::optional<CCalendarDate> date = ParseBirthday(strText);
            contact.m_bBirthdayUnreadable = !date;
            contact.m_birthday = date.value_or(CCalendarDate());
            if (!date)
                contact.m_strBirthdayText = strText;
        }
        contact.m_bBirthdayUnreadable = contact.m_bBirthdayUnreadable || !bDecoded;
    }
    return failure;
}

bool IsVCardFile(const std::filesystem::path& path)
{
    return EqualsNoCase(path.extension().string(), ".vcf");
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

CContactsFailure ReadFolder(const std::filesystem::path& folder, std::vector<CContact>& contacts)
{
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsVCardFile(it->path()) && !it->is_directory(error))
            files.push_back(it->path());
    }
    if (error)
        return CContactsFailure::Access;
    std::sort(files.begin(), files.end());
    std::string strBytes;
    for (const std::filesystem::path& file : files) {
        if (!ReadWholeFile(file, strBytes))
            return CContactsFailure::Access;
        const CContactsFailure failure = ReadVCardText(strBytes, contacts);
        if (failure != CContactsFailure::None)
            return failure;
    }
    return CContactsFailure::None;
}

void SortByFirstName(std::vector<CContact>& contacts)
{
    std::vector<std::pair<std::string, std::size_t>> keys(contacts.size());
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        GetCollator().AppendSortKey(contacts[i].m_strFirstName, keys[i].first);
        keys[i].second = i;
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    std::vector<CContact> sorted;
    sorted.reserve(contacts.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(contacts[key.second]));
    contacts = std::move(sorted);
}

} // namespace

std::wstring ContactsFailureText(CContactsFailure failure)
{
    switch (failure) {
    case CContactsFailure::None:
        return {};
    case CContactsFailure::Logon:
        return L"Failed to logon to Outlook";
    case CContactsFailure::Access:
        return L"Unable to access Contacts";
    case CContactsFailure::Items:
        return L"Unable to get Contacts' items";
    case CContactsFailure::Item:
        return L"Unable to get Contact item";
    case CContactsFailure::FirstName:
        return L"Unable to get Contact's first name";
    case CContactsFailure::MiddleName:
        return L"Unable to get Contact's middle name";
    case CContactsFailure::LastName:
        return L"Unable to get Contact's last name";
    case CContactsFailure::BirthDate:
        return L"Unable to get Contact's birth date";
    }
    return {};
}

CContactsFailure ReadVCardText(std::string_view bytes, std::vector<CContact>& contacts)
{
    return CVCardReader(bytes).Read(contacts);
}

CContactsFailure ReadAddressBook(const std::wstring& strPath, std::vector<CContact>& contacts)
{
    contacts.clear();
    const std::filesystem::path path(WideToUtf8(strPath));
    std::error_code error;
    CContactsFailure failure = CContactsFailure::Access;
    if (std::filesystem::is_directory(path, error)) {
        failure = ReadFolder(path, contacts);
    } else {
        std::string strBytes;
        if (!strPath.empty() && ReadWholeFile(path, strBytes))
            failure = ReadVCardText(strBytes, contacts);
    }
    if (failure != CContactsFailure::None) {
        contacts.clear();
        return failure;
    }
    SortByFirstName(contacts);
    return CContactsFailure::None;
}

std::wstring AddressBookOf(const std::wstring& strChosenFile)
{
    const std::filesystem::path path(WideToUtf8(strChosenFile));
    std::string strBytes;
    std::vector<CContact> cards;
    if (!ReadWholeFile(path, strBytes) || ReadVCardText(strBytes, cards) != CContactsFailure::None ||
        cards.size() != 1)
        return strChosenFile;
    std::error_code error;
    int nCardFiles = 0;
    const std::filesystem::path folder = path.parent_path();
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        nCardFiles += IsVCardFile(it->path()) ? 1 : 0;
    return nCardFiles > 1 ? Utf8ToWide(folder.string()) : strChosenFile;
}

std::wstring AddressBookChoiceStart(const std::wstring& strBook)
{
    const std::filesystem::path folder(WideToUtf8(strBook));
    std::error_code error;
    if (strBook.empty() || !std::filesystem::is_directory(folder, error))
        return strBook;
    std::filesystem::path first;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsVCardFile(it->path()) && (first.empty() || it->path() < first))
            first = it->path();
    }
    return first.empty() ? strBook : Utf8ToWide(first.string());
}
