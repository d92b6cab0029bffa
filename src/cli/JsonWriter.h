#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Writes one JSON document as UTF-8, compact, with the commas put in by
/// itself. Keys and values are given in the order they are to appear; the
/// caller keeps the nesting right.
class CJsonWriter {
public:
    CJsonWriter& BeginObject();
    CJsonWriter& EndObject();
    CJsonWriter& BeginArray();
    CJsonWriter& EndArray();
    CJsonWriter& Key(std::string_view key);
    CJsonWriter& String(std::wstring_view text);
    CJsonWriter& Int(long long nValue);
    CJsonWriter& Double(double dValue);
    CJsonWriter& Bool(bool bValue);
    CJsonWriter& Null();

    /// The document so far.
    const std::string& Text() const { return m_strText; }
    /// Appends the document so far to `strOut` and drops it here, so that a
    /// long document can be written out as it grows; the nesting stays.
    void MoveText(std::string& strOut);

private:
    void BeginValue();
    CJsonWriter& Open(char c);
    CJsonWriter& Close(char c);

    std::string m_strText;
    std::vector<bool> m_abFirst; ///< per open object or array: nothing written in it yet
    bool m_bAfterKey = false;
};
