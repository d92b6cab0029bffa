#include "core/app/Help.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CRecordingLauncher : public CHelpLauncher {
public:
    CRecordingLauncher() { m_pPrevious = SetHelpLauncher(this); }
    ~CRecordingLauncher() override { SetHelpLauncher(m_pPrevious); }
    void Launch(const std::wstring& strCommandLine) override { m_astrLines.push_back(strCommandLine); }

    std::vector<std::wstring> m_astrLines;
    CHelpLauncher* m_pPrevious = nullptr;
};

TEST(HelpTest, TheViewerGetsTheFileAndTheAnchor)
{
    CRecordingLauncher launcher;
    ShowHelpTopic(L"descend");
    RunHelpViewer(L"Other.htm#", L"x");
    EXPECT_EQ(launcher.m_astrLines, (std::vector<std::wstring>{L"Stemmark.htm#descend", L"Other.htm#x"}));
}

} // namespace
