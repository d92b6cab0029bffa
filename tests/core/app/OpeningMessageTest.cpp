#include "core/app/OpeningMessage.h"

#include "core/options/StringIds.h"
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

// What a file that reads gives to browse: no GEDCOM line at all, no person
// (families alone included), or persons.
TEST(OpeningMessageTest, TellsAtOnceWhatAReadFileLacks)
{
    SetLanguage(L"En");
    const std::wstring strEmpty = LoadLangString(IDS_INPUT_FILE_EMPTY);
    const std::wstring strNotGedcom = L"Not a GEDCOM file: /f.ged";
    const struct {
        const char* bytes;
        const std::wstring& text;
    } cases[] = {
        {"", strEmpty},
        {"\x89PNG\r\n\x1a\n", strNotGedcom},
        {"Dear Anna,\nthe 1 NAME is here.\n", strNotGedcom},
        {"0 TRLR\n", strEmpty},
        {"0 HEAD\n1 CHAR UTF-8\n", strEmpty},
        {"0 HEAD\n0 @F1@ FAM\n1 HUSB @I1@\n", strEmpty},
    };
    for (const auto& c : cases) {
        const CReadResult read = ReadGedcom(c.bytes);
        const CMessages expected = {{c.text, L"Message", CMessageIcon::Exclamation}};
        EXPECT_EQ(GetOpeningMessage(L"/f.ged", *read.m_pDocument, read.m_bRead), expected) << c.bytes;
    }
    const CReadResult read = ReadGedcom("0 @I1@ INDI\n1 NAME A /B/\n");
    EXPECT_TRUE(GetOpeningMessage(L"/f.ged", *read.m_pDocument, read.m_bRead).empty());
}

} // namespace
