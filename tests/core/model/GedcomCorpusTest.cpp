#include "TestSupport.h"

#include <regex>

namespace {

// Record lines counted straight from the bytes: UTF-16 files hold ASCII in
// every other byte, so dropping NULs reads their record lines too.
int CountRecordLines(std::string bytes, const char* pszKind)
{
    std::erase(bytes, '\0');
    const std::regex record(std::string(R"((^|[\r\n])[ \t]*0[ \t]+(@[^@\r\n]*@[ \t]+)?)") + pszKind + R"([ \t]*(?=[\r\n]|$))");
    return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), record), std::sregex_iterator()));
}

using GedcomCorpusTest = CGedcomTest;

TEST_F(GedcomCorpusTest, EveryRealFileGivesAllItsPersonsAndFamilies)
{
    const std::filesystem::path folder(STEMMARK_CORPUS);
    if (!std::filesystem::is_directory(folder))
        GTEST_SKIP() << "no corpus at " << folder;
    int nFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".ged" && extension != ".GED")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = ReadFileBytes(entry.path());
        ++nFiles;
        const CReadResult read = ReadGedcomFile(entry.path().wstring());
        EXPECT_TRUE(read.m_bRead);
        EXPECT_TRUE(read.m_messages.empty());
        EXPECT_EQ(read.m_pDocument->GetLastPersonIndex() + 1, CountRecordLines(bytes, "INDI"));
        EXPECT_EQ(read.m_pDocument->GetLastFamilyIndex() + 1, CountRecordLines(bytes, "FAM"));
    }
    EXPECT_GT(nFiles, 0);
}

} // namespace
