#include "core/model/MediaFiles.h"

#include "core/model/Document.h"
#include "core/text/WideText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

struct CFindCase {
    std::string m_strWritten; ///< "~" stands for the temporary folder
    const char* m_pszFound;
    std::string m_strPath; ///< below the temporary folder; empty for none
};

// A family file's folder "tree" with its pictures, and files beside it that
// it must not reach.
TEST(MediaFilesTest, FindsFilesWrittenHereAndElsewhereAndRefusesTheRest)
{
    CTempFolder temp;
    const fs::path tree = temp.Path() / "tree";
    for (const char* pszFile : {"photos/a.jpg", "Photos2/B.JPG", "with blank.jpg", "deep/1/2/3/4/deep.jpg",
                                "sub/x/only-by-name.jpg", ".hidden/h.jpg", "folder.jpg/inside.txt"})
        Touch(tree / pszFile);
    Touch(temp.Path() / "outside/o.jpg");
    fs::create_symlink("../outside/o.jpg", tree / "link.jpg");
    ASSERT_EQ(::mkfifo((tree / "pipe.jpg").c_str(), 0600), 0);
    CDocument doc;
    doc.SetFolder(Utf8ToWide((tree / "").native()));

    const std::string strTemp = fs::canonical(temp.Path()).native();
    const CFindCase cases[] = {
        {"photos/a.jpg", "file", "tree/photos/a.jpg"},
        {"photos\\a.jpg", "file", "tree/photos/a.jpg"},
        {"./photos//a.jpg", "file", "tree/photos/a.jpg"},
        {"C:\\Users\\Ann\\Tree\\photos\\a.jpg", "file", "tree/photos/a.jpg"},
        {"\\\\server\\share\\photos\\a.jpg", "file", "tree/photos/a.jpg"},
        {"file:///C:/Users/Ann/photos/a.jpg", "file", "tree/photos/a.jpg"},
        {"D:/old/a.jpg", "file", "tree/photos/a.jpg"},
        {"b.jpg", "file", "tree/Photos2/B.JPG"},
        {"E:\\pics\\only-by-name.jpg", "file", "tree/sub/x/only-by-name.jpg"},
        {"with%20blank.jpg", "file", "tree/with blank.jpg"},
        {"file://~/tree/with%20blank.jpg", "file", "tree/with blank.jpg"},
        {"~/tree/photos/a.jpg", "file", "tree/photos/a.jpg"},
        {"photos/../photos/a.jpg", "file", "tree/photos/a.jpg"},
        {"Z:/nowhere/deep.jpg", "missing", ""}, // deeper than the search goes
        {"h.jpg", "missing", ""}, // hidden folders are not searched
        {"photos/none.jpg", "missing", ""},
        {"  ", "missing", ""},
        {"~/outside/o.jpg", "outside", "outside/o.jpg"},
        {"link.jpg", "outside", "outside/o.jpg"},
        {"../outside/o.jpg", "climbs-out", ""},
        {"photos/../../outside/o.jpg", "climbs-out", ""},
        {"%2e%2e/outside/o.jpg", "climbs-out", ""},
        {"C:\\..\\outside\\o.jpg", "climbs-out", ""},
        {"pipe.jpg", "not-a-file", ""},
        {"/dev/null", "not-a-file", ""},
        {"folder.jpg", "not-a-file", ""},
        {"https://example.org/a.jpg", "web", ""},
        {"HTTP://example.org/a.jpg", "web", ""},
    };
    for (const CFindCase& test : cases) {
        std::string strWritten = test.m_strWritten;
        if (const std::size_t nTilde = strWritten.find('~'); nTilde != std::string::npos)
            strWritten.replace(nTilde, 1, strTemp);
        const CMediaPlace place = FindMediaFile(doc, Utf8ToWide(strWritten));
        EXPECT_STREQ(MediaFoundWord(place.m_found), test.m_pszFound) << strWritten;
        if (!test.m_strPath.empty()) {
            EXPECT_EQ(WideToUtf8(place.m_strPath), strTemp + "/" + test.m_strPath) << strWritten;
        }
    }
}

// A page's click hands the desktop pictures and documents, never a program.
TEST(MediaFilesTest, OpensOnlyMediaThatCannotRun)
{
    CTempFolder temp;
    for (const char* pszFile : {"a.JPG", "b.pdf", "run.jpg", "c.desktop", "d.sh", "noext"})
        Touch(temp.Path() / pszFile);
    fs::permissions(temp.Path() / "run.jpg", fs::perms::owner_exec, fs::perm_options::add);
    fs::create_directories(temp.Path() / "dir.png");
    const std::pair<const char*, bool> cases[] = {{"a.JPG", true},      {"b.pdf", true},  {"run.jpg", false},
                                                  {"c.desktop", false}, {"d.sh", false},  {"noext", false},
                                                  {"dir.png", false},   {"gone.png", false}};
    for (const auto& [pszFile, bOpenable] : cases)
        EXPECT_EQ(IsOpenableMediaFile((temp.Path() / pszFile).native()), bOpenable) << pszFile;
}

class CTestArchive : public CMediaArchive {
public:
    const std::vector<std::string>& EntryNames() const override { return m_names; }
    bool ReadEntry(std::string_view, std::uint64_t, std::string&, std::wstring&) const override { return false; }

    std::vector<std::string> m_names{"gedcom.ged", "media/a.jpg", "media/photos/wedding day.jpg", "Media/X.PNG"};
};

// In a package every path names an entry, and never a file on the disk.
TEST(MediaFilesTest, FindsEntriesOfThePackage)
{
    CTempFolder temp;
    Touch(temp.Path() / "media/none.jpg");
    CDocument doc;
    doc.SetFolder(Utf8ToWide((temp.Path() / "").native()));
    doc.SetArchive(std::make_unique<CTestArchive>());
    const CFindCase cases[] = {
        {"media/photos/wedding%20day.jpg", "entry", "media/photos/wedding day.jpg"},
        {"media/photos/wedding day.jpg", "entry", "media/photos/wedding day.jpg"},
        {"media\\a.jpg", "entry", "media/a.jpg"},
        {"C:\\stuff\\media\\a.jpg", "entry", "media/a.jpg"},
        {"x.png", "entry", "Media/X.PNG"},
        {"/media/a.jpg", "entry", "media/a.jpg"},
        {"../a.jpg", "climbs-out", ""},
        {"/etc/passwd", "missing", ""},
        {"media/none.jpg", "missing", ""},
        {"https://example.org/a.jpg", "web", ""},
    };
    for (const CFindCase& test : cases) {
        const CMediaPlace place = FindMediaFile(doc, Utf8ToWide(test.m_strWritten));
        EXPECT_STREQ(MediaFoundWord(place.m_found), test.m_pszFound) << test.m_strWritten;
        if (!test.m_strPath.empty()) {
            EXPECT_EQ(WideToUtf8(place.m_strPath), test.m_strPath) << test.m_strWritten;
        }
    }
}

} // namespace
