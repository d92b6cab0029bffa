#include "core/model/EventInfo.h"
#include "core/model/Note.h"

#include "core/options/Language.h"

#include <gtest/gtest.h>

namespace {

void ReloadLabels()
{
    CEventInfo::theLabelsLoaded = false;
    CNote::theLabelLoaded = false;
    CEventInfo::LoadEventLabels();
    CNote::LoadNoteLabel();
}

// The labels of the pages are checked on the pages; here only that they
// keep their language until they are loaded again.
TEST(LabelsTest, FollowTheLanguageOnlyWhenReloaded)
{
    SetLanguage(L"En");
    ReloadLabels();
    SetLanguage(L"Ru");
    CDeathEvent death; // a new event does not reload labels that are loaded
    EXPECT_EQ(CEventInfo::theLabels.m_strWill, L"Will");
    ReloadLabels();
    EXPECT_EQ(CEventInfo::theLabels.m_strWill, L"Завещание");
    EXPECT_EQ(CNote::theLabel, L"Примечания");
    SetLanguage(L"En");
    ReloadLabels();
}

} // namespace
