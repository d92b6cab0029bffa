#include "core/platform/Log.h"

#include "TestSupport.h"

#include <cstdlib>

namespace {

class LogTest : public testing::Test {
protected:
    void SetUp() override { ResetLogSeparator(); }

    std::string Log() const { return ReadFileBytes(m_folder.Path() / "Stemmark.log"); }
    void WriteLog(const std::wstring& strText) const { ::WriteLog(m_strFolder, strText); }

    CTempFolder m_folder;
    const std::wstring m_strFolder = Utf8ToWide(m_folder.Path().string()) + L"/";
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
    ::WriteLog(Utf8ToWide((m_folder.Path() / "not-a-folder").string()) + L"/", L"lost\r\n");
    EXPECT_EQ(ReadFileBytes(m_folder.Path() / "not-a-folder"), "x");
}

TEST_F(LogTest, WithoutAFileTheLogGoesToTheStateFolder)
{
    CTempFolder state;
    ::setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
    EXPECT_EQ(GetLogPath(), state.Path() / "Stemmark" / "Stemmark.log");
    ::WriteLog(L"no file\r\n");
    EXPECT_EQ(ReadFileBytes(GetLogPath()), "no file\r\n");
}

// Two files open at once write two logs, each with its own separator.
TEST_F(LogTest, EachFilesFolderHasItsOwnLog)
{
    CTempFolder other;
    const std::wstring strOther = Utf8ToWide(other.Path().string()) + L"/";
    WriteFileBytes(other.Path() / "Stemmark.log", "old\r\n");
    WriteFileBytes(m_folder.Path() / "Stemmark.log", "mine\r\n");
    ::WriteLog(strOther, L"theirs\r\n");
    WriteLog(L"ours\r\n");
    EXPECT_EQ(ReadFileBytes(other.Path() / "Stemmark.log"), "old\r\n--------\r\ntheirs\r\n");
    EXPECT_EQ(Log(), "mine\r\n--------\r\nours\r\n");
}

} // namespace
