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

TEST(LabelsTest, FollowTheLanguageOnlyWhenReloaded)
{
    SetLanguage(L"En");
    ReloadLabels();
    CBirthEvent birth;
    CNote note(L"text");
    EXPECT_EQ(CEventInfo::theLabels.m_strBornFemale, L"Born");
    EXPECT_EQ(CEventInfo::theLabels.m_strFuneral, L"Funeral");
    EXPECT_EQ(CNote::theLabel, L"Notes");

    SetLanguage(L"Ru");
    CDeathEvent death; // a new event does not reload labels that are loaded
    EXPECT_EQ(CEventInfo::theLabels.m_strDiedMale, L"Died");

    ReloadLabels();
    EXPECT_EQ(CEventInfo::theLabels.m_strBornMale, L"Родился");
    EXPECT_EQ(CEventInfo::theLabels.m_strBornFemale, L"Родилась");
    EXPECT_EQ(CEventInfo::theLabels.m_strDiedFemale, L"Умерла");
    EXPECT_EQ(CEventInfo::theLabels.m_strWill, L"Завещание");
    EXPECT_EQ(CNote::theLabel, L"Примечания");

    SetLanguage(L"En");
    ReloadLabels();
}

} // namespace
