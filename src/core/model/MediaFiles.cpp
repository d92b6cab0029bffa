#include "core/model/MediaFiles.h"

#include "core/model/Document.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <deque>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool StartsWithNoCase(std::wstring_view text, std::wstring_view start)
{
    if (text.size() < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (LowerCaseOf(text[i]) != start[i])
            return false;
    }
    return true;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// GEDCOM 7 and its packages write a FILE as an address, with %20 for a blank.
std::string PercentDecoded(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int nHigh = bytes[i] == '%' && i + 2 < bytes.size() ? HexValue(bytes[i + 1]) : -1;
        const int nLow = nHigh >= 0 ? HexValue(bytes[i + 2]) : -1;
        if (nLow >= 0) {
            out.push_back(static_cast<char>(nHigh * 16 + nLow));
            i += 2;
        } else {
            out.push_back(bytes[i]);
        }
    }
    return out;
}

// A path cut into its folders and name: backslashes are separators, a drive
// letter or a network share is dropped, and "." and ".." are settled.
struct CPathParts {
    std::vector<std::string> m_parts;
    bool m_bAbsolute = false; ///< written from the root of this system
    bool m_bForeign = false; ///< written with a drive letter or a share
    bool m_bClimbsOut = false; ///< a ".." leads above where the path starts
};

CPathParts SplitPath(std::string path)
{
    CPathParts parts;
    std::replace(path.begin(), path.end(), '\\', '/');
    std::string_view rest = path;
    // file:///C:/x leaves "/C:/x".
    const std::size_t nDrive = rest.starts_with('/') ? 1 : 0;
    if (rest.size() >= nDrive + 2 && rest[nDrive + 1] == ':' && std::isalpha(static_cast<unsigned char>(rest[nDrive]))) {
        rest.remove_prefix(nDrive + 2);
        parts.m_bForeign = true;
    } else if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t nServerEnd = rest.find('/');
        rest.remove_prefix(nServerEnd == std::string_view::npos ? rest.size() : nServerEnd);
        parts.m_bForeign = true;
    } else {
        parts.m_bAbsolute = rest.starts_with('/');
    }
    while (!rest.empty()) {
        const std::size_t nSlash = rest.find('/');
        const std::string_view part = rest.substr(0, nSlash);
        rest.remove_prefix(nSlash == std::string_view::npos ? rest.size() : nSlash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part != "..") {
            parts.m_parts.emplace_back(part);
        } else if (parts.m_parts.empty()) {
            parts.m_bClimbsOut = true;
        } else {
            parts.m_parts.pop_back();
        }
    }
    return parts;
}

std::string Joined(const std::vector<std::string>& parts, std::size_t nFrom)
{
    std::string strPath;
    for (std::size_t i = nFrom; i < parts.size(); ++i)
        strPath.append(i == nFrom ? "" : "/").append(parts[i]);
    return strPath;
}

std::string LowerCaseUtf8(std::string_view bytes)
{
    std::wstring text = Utf8ToWide(bytes);
    MakeLowerCase(text);
    return WideToUtf8(text);
}

CMediaPlace Place(CMediaFound found, std::string_view path = {})
{
    return {found, Utf8ToWide(path)};
}

// What a path written as a file's leads to; nothing when there is no such file.
std::optional<CMediaPlace> Probe(const std::string& strPath, const std::string& strTree)
{
    std::error_code error;
    const fs::file_status status = fs::status(strPath, error);
    if (error || status.type() == fs::file_type::not_found)
        return std::nullopt;
    if (status.type() != fs::file_type::regular)
        return Place(CMediaFound::NotAFile, strPath);
    // A link may lead anywhere: the file itself must lie in the tree.
    const std::string strReal = fs::weakly_canonical(strPath, error).native();
    const bool bInside = !error && !strTree.empty() && strReal.starts_with(strTree);
    return Place(bInside ? CMediaFound::File : CMediaFound::Outside, strReal.empty() ? strPath : strReal);
}

class CMediaFinder {
public:
    explicit CMediaFinder(const CDocument& doc) : m_doc(doc) {}

    CMediaPlace Find(std::wstring_view written) const
    {
        const std::wstring_view value = TrimBlanks(written);
        if (value.empty())
            return Place(CMediaFound::Missing);
        if (StartsWithNoCase(value, L"http://") || StartsWithNoCase(value, L"https://"))
            return {CMediaFound::WebLink, std::wstring(value)};
        std::string strPath = WideToUtf8(value);
        const bool bUrl = StartsWithNoCase(value, L"file:");
        if (bUrl) {
            strPath = PercentDecoded(std::string_view(strPath).substr(5));
            // file://localhost/x and file:///x name /x.
            if (strPath.starts_with("//localhost/"))
                strPath.erase(0, 11);
            else if (strPath.starts_with("///"))
                strPath.erase(0, 2);
        }
        // As written first, then as an address; either may climb out.
        const CPathParts asWritten = SplitPath(strPath);
        const CPathParts decoded = SplitPath(PercentDecoded(strPath));
        if (asWritten.m_bClimbsOut || decoded.m_bClimbsOut)
            return Place(CMediaFound::ClimbsOut);
        if (const std::optional<CMediaPlace> found = FindParts(asWritten))
            return *found;
        if (decoded.m_parts != asWritten.m_parts) {
            if (const std::optional<CMediaPlace> found = FindParts(decoded))
                return *found;
        }
        const std::string& strName = decoded.m_parts.empty() ? std::string() : decoded.m_parts.back();
        if (const std::optional<CMediaPlace> found = FindByName(strName))
            return *found;
        return Place(CMediaFound::Missing);
    }

private:
    std::optional<CMediaPlace> FindParts(const CPathParts& parts) const
    {
        if (parts.m_parts.empty())
            return std::nullopt;
        if (m_doc.GetArchive())
            return FindEntry(parts);
        if (parts.m_bAbsolute) {
            if (std::optional<CMediaPlace> found = Probe("/" + Joined(parts.m_parts, 0), Tree()))
                return found;
        }
        // The path from the folder, then ever shorter ends of it: a file
        // written as C:\Users\Ann\Tree\Photos\a.jpg is often found as Photos/a.jpg.
        const std::string strFolder = WideToUtf8(m_doc.GetFolder());
        if (strFolder.empty())
            return std::nullopt;
        for (std::size_t i = 0; i < parts.m_parts.size(); ++i) {
            if (std::optional<CMediaPlace> found = Probe(strFolder + Joined(parts.m_parts, i), Tree()))
                return found;
        }
        return std::nullopt;
    }

    std::optional<CMediaPlace> FindEntry(const CPathParts& parts) const
    {
        const std::vector<std::string>& names = m_doc.GetArchive()->EntryNames();
        for (std::size_t i = 0; i < parts.m_parts.size(); ++i) {
            const std::string strName = Joined(parts.m_parts, i);
            if (std::find(names.begin(), names.end(), strName) != names.end())
                return Place(CMediaFound::Entry, strName);
        }
        return std::nullopt;
    }

    std::optional<CMediaPlace> FindByName(const std::string& strName) const
    {
        if (strName.empty())
            return std::nullopt;
        if (const CMediaArchive* pArchive = m_doc.GetArchive())
            return FindEntryByName(pArchive->EntryNames(), strName);
        if (m_doc.GetFolder().empty())
            return std::nullopt;
        const std::string strPath = m_doc.FolderFiles().Find(strName);
        if (strPath.empty())
            return std::nullopt;
        return Probe(strPath, Tree());
    }

    static std::optional<CMediaPlace> FindEntryByName(const std::vector<std::string>& names, const std::string& strName)
    {
        const auto nameOf = [](const std::string& strEntry) {
            const std::size_t nSlash = strEntry.rfind('/');
            return std::string_view(strEntry).substr(nSlash == std::string::npos ? 0 : nSlash + 1);
        };
        for (const std::string& strEntry : names) {
            if (nameOf(strEntry) == strName)
                return Place(CMediaFound::Entry, strEntry);
        }
        const std::string strLower = LowerCaseUtf8(strName);
        for (const std::string& strEntry : names) {
            if (LowerCaseUtf8(nameOf(strEntry)) == strLower)
                return Place(CMediaFound::Entry, strEntry);
        }
        return std::nullopt;
    }

    // The folder's real path with a '/' after it, found once.
    const std::string& Tree() const
    {
        if (!m_strTree) {
            std::error_code error;
            const fs::path folder = fs::canonical(WideToUtf8(m_doc.GetFolder()), error);
            m_strTree = error || m_doc.GetFolder().empty() ? std::string() : (folder / "").native();
        }
        return *m_strTree;
    }

    const CDocument& m_doc;
    mutable std::optional<std::string> m_strTree;
};

} // namespace

const char* MediaFoundWord(CMediaFound found)
{
    switch (found) {
    case CMediaFound::File: return "file";
    case CMediaFound::Outside: return "outside";
    case CMediaFound::Entry: return "entry";
    case CMediaFound::WebLink: return "web";
    case CMediaFound::Missing: return "missing";
    case CMediaFound::ClimbsOut: return "climbs-out";
    case CMediaFound::NotAFile: return "not-a-file";
    }
    return "missing";
}

CMediaPlace FindMediaFile(const CDocument& doc, std::wstring_view written)
{
    return CMediaFinder(doc).Find(written);
}

bool IsOpenableMediaFile(const std::string& strPath)
{
    static constexpr std::array<std::string_view, 36> theKinds = {
        "jpg", "jpeg", "png", "gif", "bmp", "tif", "tiff", "webp", "heic", "pcx", "svg", "ico",
        "pdf", "txt", "rtf", "doc", "docx", "odt", "htm", "html", "xps", "djvu",
        "mp3", "wav", "ogg", "oga", "flac", "m4a", "wma",
        "mp4", "m4v", "mov", "avi", "mkv", "webm", "mpg"};
    const std::string strKind = LowerCaseUtf8(fs::path(strPath).extension().native());
    if (strKind.size() < 2 || std::find(theKinds.begin(), theKinds.end(), strKind.substr(1)) == theKinds.end())
        return false;
    std::error_code error;
    const fs::file_status status = fs::status(strPath, error);
    const fs::perms exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return !error && status.type() == fs::file_type::regular && (status.permissions() & exec) == fs::perms::none;
}

CFolderFiles::CFolderFiles(const std::string& strFolder)
{
    // Breadth first, each folder's entries in name order, so that the file
    // nearest the folder wins and the same file wins every time.
    std::deque<std::pair<fs::path, int>> folders{{fs::path(strFolder), 0}};
    int nEntries = 0;
    while (!folders.empty() && nEntries < kMaxEntries) {
        const auto [folder, nDepth] = folders.front();
        folders.pop_front();
        std::error_code error;
        std::vector<fs::directory_entry> entries;
        for (fs::directory_iterator it(folder, error), end; !error && it != end && nEntries < kMaxEntries;
             it.increment(error), ++nEntries)
            entries.push_back(*it);
        std::sort(entries.begin(), entries.end());
        for (const fs::directory_entry& entry : entries) {
            const std::string strName = entry.path().filename().native();
            if (strName.starts_with('.'))
                continue;
            std::error_code typeError;
            if (entry.is_symlink(typeError) && entry.is_directory(typeError))
                continue;
            if (entry.is_directory(typeError)) {
                if (nDepth < kMaxDepth)
                    folders.emplace_back(entry.path(), nDepth + 1);
                continue;
            }
            m_byName.try_emplace(strName, entry.path().native());
            m_byLowerName.try_emplace(LowerCaseUtf8(strName), entry.path().native());
        }
    }
}

std::string CFolderFiles::Find(const std::string& strName) const
{
    if (const auto it = m_byName.find(strName); it != m_byName.end())
        return it->second;
    const auto it = m_byLowerName.find(LowerCaseUtf8(strName));
    return it == m_byLowerName.end() ? std::string() : it->second;
}
