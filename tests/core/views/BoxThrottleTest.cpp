#include "core/views/BoxThrottle.h"

#include "core/options/StringIds.h"
#include "TestSupport.h"

namespace {

class BoxThrottleTest : public CViewBuilderTest {};

// Two builds of one view: each shows the first box of a message again, but an
// id told in the first stays told.
TEST_F(BoxThrottleTest, EachBuildShowsAMessageOnceAndAViewTellsAnIdOnce)
{
    const struct {
        std::vector<std::wstring> m_astrIds;
        std::size_t m_nBoxes;
        std::vector<std::wstring> m_astrNotShown;
    } builds[] = {
        {{L"@X1@", L"@X2@", L"@X1@"},
         1,
         {L"Error: Negative person index: @X2@",
          L"Error: Negative person index: 1 more not shown, listed above"}},
        {{L"@X2@", L"@X3@"}, 1, {}},
    };
    CBoxThrottle throttle;
    for (std::size_t i = 0; i < std::size(builds); ++i) {
        SCOPED_TRACE(i);
        throttle.Begin();
        for (const std::wstring& strId : builds[i].m_astrIds)
            throttle.Report(IDS_ERROR_NEGATIVE_PERSON_INDEX, CMessageIcon::Stop, strId);
        const CTreeMessages messages = throttle.End();
        EXPECT_EQ(messages.m_boxes.size(), builds[i].m_nBoxes);
        EXPECT_EQ(messages.m_astrNotShown, builds[i].m_astrNotShown);
    }
}

} // namespace
