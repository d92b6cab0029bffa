#include "TestSupport.h"

namespace {

using NoteRecordTest = CGedcomTest;


// A person @I1@ with a birth, a family @F1@, then the note records, then a
// second person that must still be read.
TEST_F(NoteRecordTest, ShowsTheTextPointedTo)
{
    const struct {
        const char* m_pszName;
        const char* m_pszPerson; ///< lines under 0 @I1@ INDI
        const char* m_pszFamily; ///< lines under 0 @F1@ FAM
        const char* m_pszRecords;
        const wchar_t* m_pszShown; ///< the person's, the birth's and the family's notes as shown, '|' between
    } cases[] = {
        {"ContinuedForPersonEventAndFamily", "2 NOTE @N1@\n1 NOTE @N1@", "1 NOTE @N1@",
                       "0 @N1@ NOTE First\n1 CONT second\n1 CONC half\n1 CHAN\n2 DATE 1 JAN 2000",
                       L"First<br>secondhalf|First<br>secondhalf|First<br>secondhalf"},
        {"SharedNoteOfGedcom7", "2 SNOTE @N1@\n1 SNOTE @N1@", "1 SNOTE @N1@",
                       "0 @N1@ SNOTE Shared\n1 CONT text\n1 LANG en",
                       L"Shared<br>text|Shared<br>text|Shared<br>text"},
        {"DanglingStaysAsWritten", "1 NOTE @N9@", "", "0 @N1@ NOTE One", L"@N9@"},
        {"FirstOfASharedIdWins", "1 NOTE @N1@", "", "0 @N1@ NOTE first\n0 @N1@ NOTE second", L"first"},
        {"PointerAndTextStayAsWritten", "1 NOTE see @N1@\n1 NOTE @N1@\n2 CONC x\n1 NOTE @N1@@N1@", "",
                       "0 @N1@ NOTE One", L"see @N1@|@N1@x|@N1@@N1@"},
        {"TextEndingInIndiOrFamMakesNoRecord", "1 NOTE @N1@", "1 NOTE @N2@",
                       "0 @N1@ NOTE a tag INDI\n0 @N2@ NOTE FAM", L"a tag INDI|FAM"},
        {"LevelAboveNineEndsOnlyTheText", "1 NOTE @N1@", "",
                       "0 @N1@ NOTE a\n1 CONC b\n10 DEEP\n1 CONT c", L"ab"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_pszName);
        ASSERT_TRUE(Read(std::string("0 HEAD\n0 @I1@ INDI\n1 BIRT\n") + test.m_pszPerson + "\n0 @F1@ FAM\n" +
                         test.m_pszFamily + "\n" + test.m_pszRecords + "\n0 @I2@ INDI\n1 NAME After\n0 TRLR\n"));
        EXPECT_EQ(Doc().GetLastPersonIndex(), 1) << "note records make no person";
        EXPECT_EQ(Doc().GetLastFamilyIndex(), 0) << "note records make no family";
        EXPECT_EQ(Str(Person(1).m_strName), L"After");
        EXPECT_TRUE(m_messages.empty());
        std::wstring strShown;
        for (const CNoteList* pNotes : {&Person(0).m_notes, &Doc().Event(Person(0).m_birth).m_notes, &Family(0).m_notes})
            for (const CNote& note : Doc().Items(*pNotes))
                strShown.append(strShown.empty() ? L"" : L"|").append(Doc().ResolveNoteText(note.m_strText));
        EXPECT_EQ(strShown, test.m_pszShown);
    }
}

} // namespace
