#include "core/platform/Log.h"

#include "TestSupport.h"

#include <cstdlib>

namespace {

class LogTest : public testing::Test {
protected:
    void SetUp() override
    {
        theFileFolder = Utf8ToWide(m_folder.Path().string()) + L"/";
        ResetLogSeparator();
    }
    void TearDown() override { theFileFolder.clear(); }

    std::string Log() const { return ReadFileBytes(m_folder.Path() / "Stemmark.log"); }

    CTempFolder m_folder;
};

TEST_F(LogTest, ANewLogGetsTheSeparatorBeforeItsSecondEntry)
{
    WriteLog(L"first\r\n");
    WriteLog(L"second\r\n");
    WriteLog(L"third\r\n");
    EXPECT_EQ(Log(), "first\r\n--------\r\nsecond\r\nthird\r\n");
}

TEST_F(LogTest, AnOldLogGetsTheSeparatorBeforeTheRunsFirstEntry)
{
    WriteFileBytes(m_folder.Path() / "Stemmark.log", "old\r\n");
    WriteLog(L"one\r\n");
    WriteLog(L"two\r\n");
    EXPECT_EQ(Log(), "old\r\n--------\r\none\r\ntwo\r\n");
}

TEST_F(LogTest, AnEntryAddsNoLineEndOfItsOwn)
{
    WriteLog(L"a");
    WriteLog(L"b");
    EXPECT_EQ(Log(), "a--------\r\nb");
}

// Entries of any length are written whole, whatever their letters.
TEST_F(LogTest, LongEntriesAreWrittenWhole)
{
    const std::wstring strAscii(250, L'x');
    const std::wstring strCyrillic(100000, L'Ж');
    WriteLog(strAscii);
    ResetLogSeparator();
    WriteLog(strCyrillic);
    EXPECT_EQ(Log(), std::string(250, 'x') + "--------\r\n" + WideToUtf8(strCyrillic));
}

TEST_F(LogTest, AnUnwritableLogIsPassedOverQuietly)
{
    WriteFileBytes(m_folder.Path() / "not-a-folder", "x");
    theFileFolder = Utf8ToWide((m_folder.Path() / "not-a-folder").string()) + L"/";
    WriteLog(L"lost\r\n");
    EXPECT_EQ(ReadFileBytes(m_folder.Path() / "not-a-folder"), "x");
}

TEST_F(LogTest, WithoutAFileTheLogGoesToTheStateFolder)
{
    theFileFolder.clear();
    CTempFolder state;
    ::setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
    EXPECT_EQ(GetLogPath(), state.Path() / "Stemmark" / "Stemmark.log");
    WriteLog(L"no file\r\n");
    EXPECT_EQ(ReadFileBytes(GetLogPath()), "no file\r\n");
}

} // namespace
