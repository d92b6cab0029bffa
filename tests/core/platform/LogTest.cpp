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

// Entries are written whole, whatever their length and letters, and with no
// line end of their own.
TEST_F(LogTest, ANewLogGetsTheSeparatorBeforeItsSecondEntryOnly)
{
    const std::wstring strLong(100000, L'Ж');
    WriteLog(std::wstring(250, L'x'));
    WriteLog(strLong + L"\r\n");
    WriteLog(L"third");
    EXPECT_EQ(Log(), std::string(250, 'x') + "--------\r\n" + WideToUtf8(strLong) + "\r\nthird");
}

TEST_F(LogTest, AnOldLogGetsTheSeparatorBeforeTheRunsFirstEntry)
{
    WriteFileBytes(m_folder.Path() / "Stemmark.log", "old\r\n");
    WriteLog(L"one\r\n");
    WriteLog(L"two\r\n");
    EXPECT_EQ(Log(), "old\r\n--------\r\none\r\ntwo\r\n");
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
