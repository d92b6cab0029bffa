#include "cli/JsonWriter.h"

#include "core/text/WideText.h"

#include <charconv>

namespace {

void AppendEscaped(std::wstring_view text, std::string& out)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const wchar_t c : text) {
        switch (c) {
        case L'"': out += "\\\""; break;
        case L'\\': out += "\\\\"; break;
        case L'\n': out += "\\n"; break;
        case L'\r': out += "\\r"; break;
        case L'\t': out += "\\t"; break;
        case L'\b': out += "\\b"; break;
        case L'\f': out += "\\f"; break;
        default:
            if (c >= 0 && c < 0x20) {
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
            } else {
                AppendUtf8(static_cast<char32_t>(c), out);
            }
        }
    }
    out += '"';
}

} // namespace

void CJsonWriter::BeginValue()
{
    if (m_bAfterKey) {
        m_bAfterKey = false;
        return;
    }
    if (!m_abFirst.empty()) {
        if (!m_abFirst.back())
            m_strText += ',';
        m_abFirst.back() = false;
    }
}

CJsonWriter& CJsonWriter::Open(char c)
{
    BeginValue();
    m_strText += c;
    m_abFirst.push_back(true);
    return *this;
}

CJsonWriter& CJsonWriter::Close(char c)
{
    m_strText += c;
    m_abFirst.pop_back();
    return *this;
}

void CJsonWriter::MoveText(std::string& strOut)
{
    strOut += m_strText;
    m_strText.clear();
}

CJsonWriter& CJsonWriter::BeginObject()
{
    return Open('{');
}

CJsonWriter& CJsonWriter::EndObject()
{
    return Close('}');
}

CJsonWriter& CJsonWriter::BeginArray()
{
    return Open('[');
}

CJsonWriter& CJsonWriter::EndArray()
{
    return Close(']');
}

CJsonWriter& CJsonWriter::Key(std::string_view key)
{
    BeginValue();
    AppendEscaped(Utf8ToWide(key), m_strText);
    m_strText += ':';
    m_bAfterKey = true;
    return *this;
}

CJsonWriter& CJsonWriter::String(std::wstring_view text)
{
    BeginValue();
    AppendEscaped(text, m_strText);
    return *this;
}

CJsonWriter& CJsonWriter::Int(long long nValue)
{
    BeginValue();
    m_strText += std::to_string(nValue);
    return *this;
}

// Shortest text that reads back the same, whatever the locale.
CJsonWriter& CJsonWriter::Double(double dValue)
{
    BeginValue();
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, dValue);
    m_strText.append(buffer, result.ptr);
    return *this;
}

CJsonWriter& CJsonWriter::Bool(bool bValue)
{
    BeginValue();
    m_strText += bValue ? "true" : "false";
    return *this;
}

CJsonWriter& CJsonWriter::Null()
{
    BeginValue();
    m_strText += "null";
    return *this;
}
