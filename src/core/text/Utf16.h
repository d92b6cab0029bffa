#pragma once

#include <string>
#include <string_view>

/// Turns UTF-16 bytes into UTF-8, block by block: a character cut between two
/// blocks is completed by the next one. Unpaired surrogates and a last odd byte
/// become U+FFFD.
class CUtf16ToUtf8 {
public:
    explicit CUtf16ToUtf8(bool bBigEndian) : m_bBigEndian(bBigEndian) {}

    /// Appends the UTF-8 of `bytes` to `out`.
    void Convert(std::string_view bytes, std::string& out);
    /// Appends what is left of a cut character at the end of the text.
    void Finish(std::string& out);

private:
    void PutUnit(char16_t unit, std::string& out);

    bool m_bBigEndian;
    int m_nOddByte = -1; ///< the first byte of a unit cut by the block end
    char16_t m_highSurrogate = 0; ///< waiting for its low half
};
