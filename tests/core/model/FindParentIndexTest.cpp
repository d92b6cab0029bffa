#include "core/model/Tables.h"

#include "core/options/Language.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Persons: 0 father, 1 mother, 2..7 children whose FAMC link breaks in a
// different way each.
class FindParentIndexTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearTables();
        SetLanguage(L"En");
        AddPerson({.m_strId = L"@DAD@"});
        AddPerson({.m_strId = L"@MUM@"});
        AddPerson({.m_strId = L"@C1@", .m_strFamc = L"@BOTH@"});
        AddPerson({.m_strId = L"@C2@", .m_strFamc = L"@WIFEONLY@"});
        AddPerson({.m_strId = L"@C3@"});
        AddPerson({.m_strId = L"@C4@", .m_strFamc = L"@NOFAMILY@"});
        AddPerson({.m_strId = L"@C5@", .m_strFamc = L"@NOPARENTS@"});
        AddPerson({.m_strId = L"@C6@", .m_strFamc = L"@LOSTHUSBAND@"});
        AddFamily(L"@BOTH@", L"@DAD@", L"@MUM@");
        AddFamily(L"@WIFEONLY@", L"", L"@MUM@");
        AddFamily(L"@NOPARENTS@", L"", L"");
        AddFamily(L"@LOSTHUSBAND@", L"@NOBODY@", L"@MUM@");
    }
    void TearDown() override
    {
        ClearTables();
        theTopWindow = nullptr;
    }
};

TEST_F(FindParentIndexTest, FindsTheFatherElseTheMotherSilently)
{
    CRecordingSink sink;
    EXPECT_EQ(FindParentIndex(2), 0);
    EXPECT_EQ(FindParentIndex(3), 1) << "no husband: the wife";
    EXPECT_TRUE(sink.m_boxes.empty());
}

TEST_F(FindParentIndexTest, EveryBrokenLinkGivesOneWarning)
{
    int aBroken[] = {
        4, // no FAMC
        5, // FAMC names no family
        6, // the family has neither husband nor wife
        7, // the husband is no person, although there is a wife
    };
    static int theOwner = 0;
    theTopWindow = &theOwner;
    for (const int nPerson : aBroken) {
        CRecordingSink sink;
        EXPECT_EQ(FindParentIndex(nPerson), -1) << nPerson;
        ASSERT_EQ(sink.m_boxes.size(), 1u) << nPerson;
        EXPECT_EQ(sink.m_boxes[0].m_strText, L"No information about parents' family");
        EXPECT_EQ(sink.m_boxes[0].m_strCaption, L"Direction");
        EXPECT_EQ(sink.m_boxes[0].m_icon, CMessageIcon::Exclamation);
        EXPECT_EQ(sink.m_boxes[0].m_owner, &theOwner);
    }
}

TEST_F(FindParentIndexTest, NoPersonGivesMinusOneWithoutAWord)
{
    CRecordingSink sink;
    EXPECT_EQ(FindParentIndex(-1), -1);
    EXPECT_EQ(FindParentIndex(theLastPersonIndex + 1), -1);
    EXPECT_TRUE(sink.m_boxes.empty());
}

TEST_F(FindParentIndexTest, TheWarningSpeaksTheCurrentLanguage)
{
    CRecordingSink sink;
    SetLanguage(L"Ru");
    FindParentIndex(4);
    SetLanguage(L"En");
    ASSERT_EQ(sink.m_boxes.size(), 1u);
    EXPECT_EQ(sink.m_boxes[0].m_strText, L"Нет информации о семье родителей");
    EXPECT_EQ(sink.m_boxes[0].m_strCaption, L"Указание");
}

} // namespace
