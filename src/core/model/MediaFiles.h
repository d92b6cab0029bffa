#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class CDocument;

/// Where a FILE value leads.
enum class CMediaFound {
    File, ///< a file in the folder of the GEDCOM file or below it
    Outside, ///< a file elsewhere on the disk: listed and opened on request, never read into a page
    Entry, ///< an entry of the package the file came in
    WebLink, ///< an http or https address: a link, never fetched
    Missing,
    ClimbsOut, ///< refused: its ".." leads out of the folder it starts in
    NotAFile, ///< refused: a device, a fifo, a socket or a folder
};

/// The found's name in plain words for scripts: "file", "outside", "entry",
/// "web", "missing", "climbs-out", "not-a-file".
const char* MediaFoundWord(CMediaFound found);

struct CMediaPlace {
    CMediaFound m_found = CMediaFound::Missing;
    std::wstring m_strPath; ///< the file's whole path, the entry's name or the address; empty otherwise
};

/// The file a FILE value names. A path is taken from the folder of the GEDCOM
/// file, or as written when it is absolute; one written on another system is
/// tried by its parts (backslashes as separators, the drive letter dropped,
/// ever shorter ends of it), and last its name is looked for in the folder
/// and below. In a package, every path names an entry and never the disk.
CMediaPlace FindMediaFile(const CDocument& doc, std::wstring_view written);

/// Whether a file found for a page may be handed to the desktop's own
/// program for it: a picture, a sound, a film or a document by its name, and
/// nothing the desktop would run.
bool IsOpenableMediaFile(const std::string& strPath);

/// The files below a folder, by name, for finding a file whose path was
/// written on another machine: at most `kMaxDepth` folders down, hidden
/// folders and links to folders left out, and at most `kMaxEntries` entries
/// looked at, so that a GEDCOM file kept in a home folder costs little.
class CFolderFiles {
public:
    static constexpr int kMaxDepth = 4;
    static constexpr int kMaxEntries = 20000;

    explicit CFolderFiles(const std::string& strFolder);
    /// The path of the first file so named, nearest the folder first; then
    /// the same with case ignored; empty when there is none.
    std::string Find(const std::string& strName) const;

private:
    std::unordered_map<std::string, std::string> m_byName;
    std::unordered_map<std::string, std::string> m_byLowerName;
};
