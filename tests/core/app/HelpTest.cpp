#include "core/app/Help.h"

#include "TestSupport.h"

namespace {

TEST(HelpTest, TheViewerGetsTheFileAndTheAnchor)
{
    CRecordingLauncher launcher;
    ShowHelpTopic(L"descend");
    RunHelpViewer(L"Other.htm#", L"x");
    EXPECT_EQ(launcher.m_astrLines, (std::vector<std::wstring>{L"Stemmark.htm#descend", L"Other.htm#x"}));
}

} // namespace
