#include "FuzzSupport.h"

#include "core/model/GedcomFile.h"
#include "FileBytes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// Enough of an input to see the fault in; the whole of it is in the file
// that libFuzzer keeps.
constexpr std::size_t kShown = 2000;

std::string Printable(std::string_view bytes)
{
    std::string strText;
    for (const char c : bytes.substr(0, kShown)) {
        const auto n = static_cast<unsigned char>(c);
        if (c == '\\') {
            strText += "\\\\";
        } else if (n >= 0x20 && n < 0x7F) {
            strText += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", n);
            strText += escape;
        }
    }
    return bytes.size() > kShown ? strText + "... (" + std::to_string(bytes.size()) + " bytes)" : strText;
}

// Removed when the process ends normally; a fault leaves it for a look.
class CInputFolder {
public:
    CInputFolder()
        : m_path(std::filesystem::temp_directory_path() / ("stemmark-fuzz-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_path);
    }
    ~CInputFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    CInputFolder(const CInputFolder&) = delete;
    CInputFolder& operator=(const CInputFolder&) = delete;

    std::filesystem::path File() const { return m_path / "input.ged"; }

private:
    std::filesystem::path m_path;
};

} // namespace

void FailDifference(const char* pszWhat, std::string_view input, std::string_view got, std::string_view expected)
{
    std::fprintf(stderr, "%s differs\n  input:    \"%s\"\n  got:      \"%s\"\n  expected: \"%s\"\n", pszWhat,
                 Printable(input).c_str(), Printable(got).c_str(), Printable(expected).c_str());
    std::abort();
}

std::wstring WriteInputFile(std::string_view bytes)
{
    static const CInputFolder theFolder;
    const std::filesystem::path path = theFolder.File();
    if (!WriteFileBytes(path, std::string(bytes))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
    return path.wstring();
}

CReadResult ReadGedcomBytes(std::string_view bytes, bool bLineByLine)
{
    const std::wstring strPath = WriteInputFile(bytes);
    return bLineByLine ? ReadGedcomFileLineByLine(strPath) : ReadGedcomFile(strPath);
}

bool OpenGedcomBytes(CGedcomFile& file, std::string_view bytes)
{
    return file.Open(WriteInputFile(bytes));
}
