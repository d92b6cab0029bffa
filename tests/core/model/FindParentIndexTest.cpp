#include "core/model/Document.h"

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

TEST_F(FindParentIndexTest, GivesTheParentOrOneWarning)
{
    const struct {
        const char* m_pszName;
        int m_nPerson;
        int m_nParent;
        bool m_bWarned; ///< one "No information about parents' family"
    } cases[] = {
        {"the father", 2, 0, false},
        {"the mother without a husband", 3, 1, false},
        {"no FAMC", 4, -1, true},
        {"a FAMC that names no family", 5, -1, true},
        {"a family with neither parent", 6, -1, true},
        {"a husband who is no person, though a wife is", 7, -1, true},
        {"no person below", -1, -1, false},
        {"no person above", 8, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        CMessages messages;
        EXPECT_EQ(Doc().FindParentIndex(c.m_nPerson, messages), c.m_nParent);
        CMessages expected;
        if (c.m_bWarned)
            expected.push_back({L"No information about parents' family", L"Direction", CMessageIcon::Exclamation});
        EXPECT_EQ(messages, expected);
    }
}

TEST_F(FindParentIndexTest, TheWarningSpeaksTheCurrentLanguage)
{
    CMessages messages;
    SetLanguage(L"Ru");
    Doc().FindParentIndex(4, messages);
    SetLanguage(L"En");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].m_strText, L"Нет информации о семье родителей");
    EXPECT_EQ(messages[0].m_strCaption, L"Указание");
}

} // namespace
