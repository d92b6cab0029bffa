#include "core/model/Tables.h"

#include "TestSupport.h"

namespace {

// Persons: 0 father, 1 mother, 2..7 children whose FAMC link breaks in a
// different way each.
class FindParentIndexTest : public CViewBuilderTest {
protected:
    void SetUp() override
    {
        CViewBuilderTest::SetUp();
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
};

struct ParentCase {
    const char* m_pszName;
    int m_nPerson;
    int m_nParent;
    bool m_bWarned; ///< one "No information about parents' family"
};

class FindParentTest : public FindParentIndexTest, public testing::WithParamInterface<ParentCase> {};

TEST_P(FindParentTest, GivesTheParentOrOneWarning)
{
    CMessages messages;
    EXPECT_EQ(FindParentIndex(GetParam().m_nPerson, messages), GetParam().m_nParent);
    CMessages expected;
    if (GetParam().m_bWarned)
        expected.push_back(
            {L"No information about parents' family", L"Direction", CMessageIcon::Exclamation});
    EXPECT_EQ(messages, expected);
}

INSTANTIATE_TEST_SUITE_P(Links, FindParentTest, testing::Values(
    ParentCase{"TheFather", 2, 0, false},
    ParentCase{"TheMotherWithoutAHusband", 3, 1, false},
    ParentCase{"NoFamc", 4, -1, true},
    ParentCase{"FamcNamesNoFamily", 5, -1, true},
    ParentCase{"FamilyWithNeitherParent", 6, -1, true},
    ParentCase{"HusbandIsNoPersonThoughAWifeIs", 7, -1, true},
    ParentCase{"NoPersonBelow", -1, -1, false},
    ParentCase{"NoPersonAbove", 8, -1, false}),
    [](const testing::TestParamInfo<ParentCase>& param) { return std::string(param.param.m_pszName); });

TEST_F(FindParentIndexTest, TheWarningSpeaksTheCurrentLanguage)
{
    CMessages messages;
    SetLanguage(L"Ru");
    FindParentIndex(4, messages);
    SetLanguage(L"En");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].m_strText, L"Нет информации о семье родителей");
    EXPECT_EQ(messages[0].m_strCaption, L"Указание");
}

} // namespace
