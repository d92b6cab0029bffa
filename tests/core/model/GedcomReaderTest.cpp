#include "core/options/StringIds.h"
#include "core/platform/Log.h"
#include "core/platform/WaitCursor.h"
#include "TestSupport.h"

#include <unistd.h>

namespace {

using GedcomReaderTest = CGedcomTest;

// Continuation: what one level-1 note becomes.
TEST_F(GedcomReaderTest, ContinuationLinesJoinTheNote)
{
    const struct {
        const char* lines;
        const wchar_t* note;
    } cases[] = {
        {"1 NOTE First\n2 CONT second\n2 CONC half\n2 CONC line", L"First<br>secondhalfline"},
        {"1 NOTE Some text\nand  more", L"Some text and more"}, // a line without level joins with a blank
        {"1 NOTE One\n2 CONT\n2 CONT Three", L"One<br><br>Three"},
        {"1 NOTE a\n  2 CONC b\n\n\t2 CONC c", L"abc"}, // indents and blank lines
        {"1 NOTE a\n3 CONC b\n2 CONC c", L"abc"},       // a level jump and back
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        const CPerson& person = ReadPerson(c.lines);
        ASSERT_EQ(person.m_notes.GetCount(), 1);
        EXPECT_EQ(NoteText(person.m_notes, 0), c.note);
    }
}

// Which event a sub-tag reaches.
TEST_F(GedcomReaderTest, SubTagsFillOnlyTheOpenEvent)
{
    const struct {
        const char* lines;
        const wchar_t* date;
        const wchar_t* place;
    } cases[] = {
        {"1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Town", L"1 JAN 1900", L"Town."},
        {"1 BIRT\n2 DATE 1900\n2 SOUR @S1@\n3 PAGE 5\n2 PLAC Town", L"1900", L""}, // a step back
        {"1 BIRT\n2 SOUR @S1@\n3 DATE 1999", L"", L""},          // a citation's date is its own
        {"1 BIRT\n2 SOUR @S1@\n3 DATA\n4 DATE 31 DEC 1900\n3 PLAC P", L"", L""},
        {"1 BIRT\n2 SOUR x\n3 DATE 1\n2 DATE 2", L"", L""}, // a step back, as above
        {"1 BIRT\n2 NOTE n\n3 DATE 1999", L"1999", L""},        // any other level counts
        {"1 BIRT\n2 DATE 1900\n1 RESI\n2 PLAC Town", L"1900", L""},               // another level-1 tag
        {"1 BIRT\n2 DATE 1\n1 BIRT\n2 PLAC T", L"1", L"T."},                      // the same birth again
        {"1 BIRT\n2 PLAC Mos\n3 CONC cow", L"", L"Mos.cow."},                     // a continued place
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        const CPerson& person = ReadPerson(c.lines);
        const CEventInfo& birth = Doc().Event(person.m_birth);
        EXPECT_TRUE(birth.m_bPresent);
        EXPECT_EQ(Str(birth.m_strDate), c.date);
        EXPECT_EQ(Str(birth.m_strPlace), c.place);
    }
}

// Values as the file wrote them: slashes outside a name, the blanks where a
// CONC joins (the CHR note is taken from the torture-test file of the
// corpus), a divorce denied.
TEST_F(GedcomReaderTest, ValuesReadAsTheFileWroteThem)
{
    const struct {
        const char* lines;
        const wchar_t* dumped;
    } cases[] = {
        {"0 @I1@ INDI\n1 NAME John/Smith/", L"name John /Smith/"},
        {"0 @I1@ INDI\n1 BIRT\n2 DATE ABT 1708/9\n2 PLAC Orleanais/Centre",
         L"date ABT 1708/9 age  cause  place Orleanais/Centre."},
        {"0 @I1@ INDI\n1 CHR\n2 NOTE Christening event note (the religious event (not LDS) of baptizing and/or "
         "naming a \r\n3 CONC child).",
         L"note Christening event note (the religious event (not LDS) of baptizing and/or naming a child)."},
        {"0 @I1@ INDI\n1 NOTE path name\n2 CONC  to the file", L"note path name to the file"},
        {"0 @I1@ INDI\n1 NOTE a  \n2 CONC   b\n2 CONC c", L"note a    bc"},
        {"0 @I1@ INDI\n1 NOTE x \n2 CONT  y", L"note x<br>y"},
        {"0 @I1@ INDI\n1 OCCU Far \n2 CONC mer", L"value Far mer"},
        {"0 @F1@ FAM\n1 DIV N\n2 DATE 1900", L"divorced 0\n"},
        {"0 @F1@ FAM\n1 DIV Y", L"divorced 1\n div kind 6 value Y"},
        {"0 @F1@ FAM\n1 DIV", L"divorced 1\n div kind 6 value  type"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        ASSERT_TRUE(Read(c.lines));
        const std::wstring strDump = DumpDocument(Doc());
        EXPECT_NE(strDump.find(c.dumped), std::wstring::npos) << WideToUtf8(strDump);
    }
}

// The document as DumpDocument writes it, each line without its trailing
// blanks, against tests/data/expected/reader/<name>.txt.
void ExpectDump(const CDocument& doc, const char* pszName)
{
    std::string strDump = WideToUtf8(DumpDocument(doc));
    for (std::size_t i; (i = strDump.find(" \n")) != std::string::npos;)
        strDump.erase(i, 1);
    EXPECT_EQ(strDump, ReadFileBytes(std::filesystem::path(STEMMARK_TEST_DATA) / "expected" / "reader" /
                                     (std::string(pszName) + ".txt")));
}

// The 26 tags and repeated lines: the last NAME and FAMC stay, a CONC joins an
// OCCU's value, a note under SEX is dropped.
TEST_F(GedcomReaderTest, StoresThePersonTags)
{
    const CPerson& person = ReadPerson(
        "1 NAME John/Smith/\n2 GIVN John\n2 SURN Smith\n2 NICK Jack\n1 NAME John /Smyth/\n"
        "1 FAMC @F9@\n1 FAMC @F0@\n1 FAMS @F1@\n1 FAMS @F2@\n1 DEAT Y\n2 CAUS Fever\n2 AGE 40\n"
        "1 CHR\n1 BURI\n1 WILL\n1 OCCU Farmer\n2 DATE 1920\n1 OCCU Far\n2 CONC mer\n1 RELI Quaker\n"
        "1 EVEN Moved\n2 TYPE Emigration\n1 SEX M\n2 NOTE Alias\n1 BIRT\n2 NOTE Baptised\n1 NOTE Own");
    ExpectDump(Doc(), "PersonTags");
    EXPECT_EQ(person.m_notes.GetCount(), 1) << "the dump's last note is the person's, not the religion's";
}

// A place's empty parts go; a NAME under a family is no family tag.
TEST_F(GedcomReaderTest, StoresTheFamilyTags)
{
    ASSERT_TRUE(Read("0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n1 MARR\n2 DATE 1900\n"
                     "2 PLAC Town,,Shire,\n1 DIV\n1 EVEN\n2 TYPE Census\n1 NOTE N\n1 NAME Ignored\n"));
    ExpectDump(Doc(), "FamilyTags");
    EXPECT_EQ(Family(0).m_notes.GetCount(), 1) << "the dump's note is the family's, not the event's";
}

// Events that the file does not mention are not made, to save memory.
TEST_F(GedcomReaderTest, MakesOnlyTheEventsTheFileMentions)
{
    ASSERT_TRUE(Read("0 @I1@ INDI\n1 BIRT\n0 @I2@ INDI\n1 DEAT\n0 @I3@ INDI\n"));
    EXPECT_EQ(&Doc().Event(Person(1).m_birth), &Doc().Event(Person(2).m_birth)) << "both read the shared empty birth";
    EXPECT_NE(&Doc().Event(Person(0).m_birth), &Doc().Event(Person(1).m_birth));
}

TEST_F(GedcomReaderTest, PersonsAndFamiliesComeOnlyFromTheirRecords)
{
    ASSERT_TRUE(Read("1 NAME Before\n0 HEAD\n1 NAME Head\n0 @S1@ SOUR\n1 NAME Source\n0 @N1@ NOTE x\n"
                     "1 CONC y\n0 @I1@ INDI extra\n1 NAME Other\n0 @INDI@ SOUR\n0 INDI\n1 NAME NoId\n"
                     "0 @I2@ INDI\n1 NAME Second\n0 FAM\n0 TRLR\n0 @I3@ INDI\n"));
    ASSERT_EQ(Doc().GetLastPersonIndex(), 1);
    EXPECT_EQ(Str(Person(0).m_strId), L"");
    EXPECT_EQ(Str(Person(0).m_strName), L"NoId");
    EXPECT_EQ(Str(Person(1).m_strName), L"Second");
    EXPECT_EQ(Doc().GetLastFamilyIndex(), 0);
    EXPECT_EQ(Doc().FindFamilyById(L""), 0);
}

// Citations under a name, an event, a person and a family, inline and
// pointing, in the forms of GEDCOM 5.5 and 7; source and repository records.
TEST_F(GedcomReaderTest, ReadsSourcesAndCitations)
{
    ASSERT_TRUE(Read(ReadFileBytes(std::filesystem::path(STEMMARK_TEST_DATA) / "citations.ged")));
    ExpectDump(Doc(), "Citations");
    EXPECT_TRUE(m_messages.empty()) << "a deep line in a source record stops nothing";
}

TEST_F(GedcomReaderTest, EmptyFilesAndLoneTrailersReadAsNothing)
{
    for (const char* pszText : {"", "0 TRLR\n0 @I1@ INDI\n", "\r\n\r\n", "0 HEAD"}) {
        EXPECT_TRUE(Read(pszText));
        EXPECT_EQ(Doc().GetLastPersonIndex(), -1);
        EXPECT_EQ(Doc().GetLastFamilyIndex(), -1);
        EXPECT_TRUE(m_messages.empty());
    }
}

TEST_F(GedcomReaderTest, ALevelAboveNineStopsAPersonButNotAnotherRecord)
{
    ASSERT_TRUE(Read("0 @S1@ SOUR\n10 DEEP\n0 @I1@ INDI\n1 NAME A\n"));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_FALSE(Read("0 @I1@ INDI\n1 NAME A\n1 NOTE x\n2 CONC y\n10 DEEP\n0 @I2@ INDI\n"));
    const CMessages expected = {{LoadLangString(IDS_LEVEL_TOO_BIG), L"Direction", CMessageIcon::Exclamation}};
    EXPECT_EQ(m_messages, expected);
    ASSERT_EQ(Doc().GetLastPersonIndex(), 0) << "what was read stays";
    EXPECT_EQ(NoteText(Person(0).m_notes, 0), L"xy");
}

// What cannot be opened gives an empty document, and the log of its folder
// names the file and, on the next line, the system's reason; no box.
TEST_F(GedcomReaderTest, AFileThatCannotBeOpenedLogsTheReason)
{
    for (const char* pszReason : {"No such file or directory", "Is a directory", "Permission denied"}) {
        SCOPED_TRACE(pszReason);
        const CTempFolder folder;
        const std::filesystem::path path = folder.Path() / "file.ged";
        if (std::string_view(pszReason) == "Is a directory") {
            std::filesystem::create_directory(path);
        } else if (std::string_view(pszReason) == "Permission denied") {
            if (::geteuid() == 0)
                continue; // root reads every file
            WriteFileBytes(path, "0 @I1@ INDI\n");
            std::filesystem::permissions(path, std::filesystem::perms::none);
        }
        const CReadResult read = ReadGedcomFile(path.wstring());
        EXPECT_FALSE(read.m_bRead);
        EXPECT_TRUE(read.m_messages.empty()) << "the program says it, not the reader";
        EXPECT_EQ(read.m_pDocument->GetLastPersonIndex(), -1);
        EXPECT_EQ(read.m_pDocument->GetFolder(), folder.Path().wstring() + L"/");
        EXPECT_EQ(read.m_pDocument->GetReadFailureText(), Utf8ToWide(pszReason));
        EXPECT_EQ(ReadFileBytes(folder.Path() / "Stemmark.log"), "Can't open source file " + path.string() +
                  ".\r\nFor the reason see below.\r\n" + pszReason + "\r\n");
    }
    EXPECT_TRUE(Read("0 @I1@ INDI\n"));
    EXPECT_EQ(Doc().GetReadFailureText(), L"");
}

TEST_F(GedcomReaderTest, TheWaitCursorIsShownForEveryFileRead)
{
    struct CCounter : CWaitCursorSink {
        int m_nShown = 0, m_nHidden = 0;
        void Show() override { ++m_nShown; }
        void Hide() override { ++m_nHidden; }
    } counter;
    CWaitCursorSink* pPrevious = SetWaitCursorSink(&counter);
    const std::string sample = std::string(STEMMARK_RESOURCES) + "/sample/Stemmark-sample.ged";
    ReadGedcomFile(Utf8ToWide(sample));
    ReadGedcomFile(L"/nonexistent/missing.ged");
    SetWaitCursorSink(pPrevious);
    EXPECT_EQ(counter.m_nShown, 2);
    EXPECT_EQ(counter.m_nHidden, 2);
}

// The cases the design leaves to the reader.
TEST_F(GedcomReaderTest, AContinuationRightUnderARecordLineIsIgnored)
{
    ASSERT_TRUE(Read("0 @I1@ INDI\n1 NAME A\n2 GIVN G\n0 @I2@ INDI\n1 CONC x\n1 CONT y\nloose\n1 NAME B\n"));
    ASSERT_EQ(Doc().GetLastPersonIndex(), 1) << "no record is made of the continuation";
    EXPECT_EQ(Str(Person(1).m_strId), L"@I2@");
    EXPECT_EQ(Str(Person(1).m_strName), L"B");
}

TEST_F(GedcomReaderTest, LevelsWithLeadingZerosCountAsTheirValue)
{
    EXPECT_EQ(Str(ReadPerson("01 NAME John\n002 GIVN J").m_strName), L"John");
    EXPECT_EQ(Str(Person(0).m_strGiven), L"J");
    ASSERT_TRUE(Read("00 @I7@ INDI\n"));
    EXPECT_EQ(Str(Person(0).m_strId), L"@I7@");
    EXPECT_FALSE(Read("0 @I1@ INDI\n010 X\n"));
}

// Mended: all four line ends, and physical lines of any length.
TEST_F(GedcomReaderTest, EveryLineEndEndsALine)
{
    for (const char* pszEnd : {"\n", "\r\n", "\r", "\n\r"}) {
        std::string text;
        for (const char* pszLine : {"0 @I1@ INDI", "1 NAME A", "0 @I2@ INDI", "1 NAME B", "0 TRLR"})
            text += std::string(pszLine) + pszEnd;
        ASSERT_TRUE(Read(text));
        ASSERT_EQ(Doc().GetLastPersonIndex(), 1) << "line end " << testing::PrintToString(pszEnd);
        EXPECT_EQ(Str(Person(1).m_strName), L"B");
    }
}

TEST_F(GedcomReaderTest, ALongLineIsReadWhole)
{
    const std::string note = std::string(997, 'x') + " 12 times" + std::string(3000, 'y');
    const CPerson& person = ReadPerson("1 NOTE " + note + "\n1 NAME A");
    EXPECT_EQ(Str(person.m_strName), L"A");
    ASSERT_EQ(person.m_notes.GetCount(), 1);
    EXPECT_EQ(NoteText(person.m_notes, 0), Utf8ToWide(note));
}

} // namespace
