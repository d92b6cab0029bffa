#include "core/app/OpeningMessage.h"

#include "TestSupport.h"

namespace {

// The program's own boxes are checked on the window; what it must not add to
// is the box a level above 9 has shown already.
TEST(OpeningMessageTest, AReadingStoppedByItsLevelGetsNoFurtherBox)
{
    SetLanguage(L"En");
    const CTempFolder folder;
    const std::filesystem::path path = folder.Path() / "deep.ged";
    ASSERT_TRUE(WriteFileBytes(path, "0 @I1@ INDI\n10 X\n"));
    const CReadResult read = ReadGedcomFile(path.wstring());
    ASSERT_FALSE(read.m_bRead);
    EXPECT_TRUE(GetOpeningMessage(path.wstring(), *read.m_pDocument, read.m_bRead).empty());
}

} // namespace
