#include "core/model/Tables.h"

#include "TestSupport.h"

namespace {

using TablesTest = CViewBuilderTest;

TEST_F(TablesTest, LookupsFollowTheFileOrderAndExactIds)
{
    AddPerson({.m_strId = L"@I1@"});
    AddPerson({});
    AddPerson({.m_strId = L"@I1@"}); // a duplicate can never be found
    AddPerson({.m_strId = L"@I2@"});
    AddFamily(L"@F1@", L"", L"");
    AddFamily(L"", L"", L"");
    AddFamily(L"", L"", L"");

    EXPECT_EQ(FindPersonById(L"@I1@"), 0);
    EXPECT_EQ(FindPersonById(L"@I2@"), 3);
    EXPECT_EQ(FindPersonById(L"@i1@"), -1) << "ids are case-sensitive";
    EXPECT_EQ(FindPersonById(L"I1"), -1) << "the at signs belong to the id";
    EXPECT_EQ(FindPersonById(L" @I1@"), -1) << "ids are not trimmed";
    EXPECT_EQ(FindPersonById(L""), -1) << "an empty person id is never looked up";
    EXPECT_EQ(FindFamilyById(L""), 1) << "an empty family id finds the first family without one";
    EXPECT_EQ(FindFamilyById(L"@F1@"), 0);
}

TEST_F(TablesTest, RecordsAppendedAfterALookupAreFound)
{
    AddPerson({.m_strId = L"@I1@"});
    EXPECT_EQ(FindPersonById(L"@I2@"), -1);
    for (int i = 2; i < 100; ++i)
        AddPerson({.m_strId = L"@I" + std::to_wstring(i) + L"@"});
    AddPerson({.m_strId = L"@I1@"});
    EXPECT_EQ(FindPersonById(L"@I1@"), 0);
    EXPECT_EQ(FindPersonById(L"@I99@"), 98);
}

TEST_F(TablesTest, ClearTablesEmptiesBothAndForgetsTheIds)
{
    AddPerson({.m_strId = L"@I1@", .m_astrFams = {L"@F1@", L"@F2@"}});
    AddFamily(L"@F1@", L"@I1@", L"");
    ASSERT_EQ(FindPersonById(L"@I1@"), 0);

    ClearTables();
    EXPECT_EQ(theLastPersonIndex, -1);
    EXPECT_EQ(theLastFamilyIndex, -1);
    EXPECT_EQ(FindPersonById(L"@I1@"), -1);
    EXPECT_EQ(FindFamilyById(L"@F1@"), -1);
    EXPECT_EQ(FindFamilyById(L""), -1);

    AddPerson({.m_strId = L"@I7@"});
    EXPECT_EQ(FindPersonById(L"@I7@"), 0);
}

} // namespace
