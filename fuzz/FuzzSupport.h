#pragma once

#include "core/model/GedcomReader.h"

#include <cstdint>
#include <string>
#include <string_view>

/// The fuzzer's bytes, taken from the front; past the end every byte is 0.
class CFuzzInput {
public:
    CFuzzInput(const std::uint8_t* pData, std::size_t nSize)
        : m_bytes(reinterpret_cast<const char*>(pData), nSize)
    {
    }

    bool AtEnd() const { return m_nPos >= m_bytes.size(); }
    unsigned char Byte() { return AtEnd() ? 0 : static_cast<unsigned char>(m_bytes[m_nPos++]); }
    /// The next byte as a number below `nCount`, counted from '0' so that a
    /// seed can write small numbers as digits.
    int Digit(int nCount) { return static_cast<unsigned char>(Byte() - '0') % nCount; }
    /// The next byte itself when it is one of `letters`, else the letter it picks.
    char Letter(std::string_view letters)
    {
        const unsigned char c = Byte();
        return letters.find(static_cast<char>(c)) != std::string_view::npos ? static_cast<char>(c)
                                                                            : letters[c % letters.size()];
    }

private:
    std::string_view m_bytes;
    std::size_t m_nPos = 0;
};

/// A quick path that does not give what the plain one gives: prints the
/// input's part and both answers, then aborts, so that libFuzzer keeps the
/// input and the replay fails.
[[noreturn]] void FailDifference(const char* pszWhat, std::string_view input, std::string_view got,
                                 std::string_view expected);
