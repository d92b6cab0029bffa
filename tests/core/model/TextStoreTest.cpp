#include "core/model/Tables.h"
#include "core/model/Text.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class TextStoreTest : public CViewBuilderTest {};

TEST_F(TextStoreTest, EveryWideTextComesBackUnitForUnit)
{
    const std::wstring texts[] = {
        L"",
        L"John /Smith/",
        L"Москва, Россия. Kraków, Rhône",
        std::wstring{wchar_t(0x7F), wchar_t(0x80), wchar_t(0x7FF), wchar_t(0x800), wchar_t(0xFFFF)},
        std::wstring{wchar_t(0xD800), L'x', wchar_t(0xDFFF)}, // lone surrogates
        std::wstring{wchar_t(0x10000), wchar_t(0x10FFFF), wchar_t(0x1FFFFF), wchar_t(0x200000)},
        std::wstring{wchar_t(0x7FFFFFFF), static_cast<wchar_t>(-1), wchar_t(0)}, // beyond Unicode, and NUL
        std::wstring(5'000'000, L'ж'), // longer than a block of the store
    };
    std::vector<CText> stored;
    for (const std::wstring& text : texts)
        stored.emplace_back(text);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].Str(), texts[i]) << "text " << i;
        EXPECT_TRUE(stored[i] == texts[i]) << "text " << i;
    }
    EXPECT_TRUE(stored[0].empty());
}

TEST_F(TextStoreTest, ASharedTextIsKeptOnceAndAnAddedOneEachTime)
{
    const CText first = CText::Shared("12 DEC 1900");
    const CText second = CText::Shared("12 DEC 1900");
    EXPECT_EQ(first.Handle(), second.Handle());
    EXPECT_NE(CText::Shared("13 DEC 1900").Handle(), first.Handle());
    const CText added = CText::Added("12 DEC 1900");
    EXPECT_NE(added.Handle(), first.Handle());
    EXPECT_TRUE(added == first); // equal texts are equal whatever their handles
    EXPECT_EQ(theTextStore.GetCount(), 2u);

    // Many shared texts make the table grow; each still finds itself.
    for (int i = 0; i < 20'000; ++i)
        CText::Shared("place " + std::to_string(i));
    EXPECT_EQ(CText::Shared("place 123").Str(), L"place 123");
    EXPECT_EQ(theTextStore.GetCount(), 20'002u);
}

// The lists of one record are filled turn about; each keeps its own values.
TEST_F(TextStoreTest, ListsFilledTurnAboutKeepTheirOwnElements)
{
    CPerson& first = thePersons.Append();
    CFamily& family = theFamilies.Append();
    for (int i = 0; i < 1000; ++i) {
        first.m_astrFams.Append(CText(L"@F" + std::to_wstring(i) + L"@"));
        family.m_astrChildren.Append(CText(L"@I" + std::to_wstring(i) + L"@"));
        first.m_events.Append(COccupationEvent()).m_strValue = L"job " + std::to_wstring(i);
        first.m_religions.Append(CReligionEvent());
    }
    ASSERT_EQ(first.m_astrFams.GetCount(), 1000);
    for (int i = 0; i < 1000; i += 37) {
        EXPECT_EQ(first.m_astrFams[i].Str(), L"@F" + std::to_wstring(i) + L"@");
        EXPECT_EQ(family.m_astrChildren[i].Str(), L"@I" + std::to_wstring(i) + L"@");
        EXPECT_EQ(first.m_events[i].m_strValue.Str(), L"job " + std::to_wstring(i));
        EXPECT_EQ(first.m_events[i].m_nKind, kEventOccupation);
    }
    EXPECT_EQ(first.m_religions[999].m_nKind, kEventReligion);
    EXPECT_EQ(FindFamilyById(first.m_astrFams[0]), -1);
    EXPECT_EQ(FindPersonById(L"@I5@"), -1);
}

// An item of the list itself, appended while the pool grows under it.
TEST_F(TextStoreTest, AListTakesItsOwnItem)
{
    CTextList list;
    list.Append(CText(L"@own@"));
    for (int i = 0; i < 1000; ++i)
        list.Append(list[i]);
    EXPECT_EQ(list[1000].Str(), L"@own@");
}

} // namespace
