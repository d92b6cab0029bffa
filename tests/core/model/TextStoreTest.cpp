#include "core/model/Document.h"
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
        stored.push_back(Doc().AddText(text));
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(Str(stored[i]), texts[i]) << "text " << i;
        EXPECT_TRUE(Doc().Equals(stored[i], texts[i])) << "text " << i;
    }
    EXPECT_TRUE(stored[0].empty());
}

TEST_F(TextStoreTest, ASharedTextIsKeptOnceAndAnAddedOneEachTime)
{
    const CText first = Doc().ShareBytes("12 DEC 1900");
    const CText second = Doc().ShareBytes("12 DEC 1900");
    EXPECT_EQ(first.Handle(), second.Handle());
    EXPECT_NE(Doc().ShareBytes("13 DEC 1900").Handle(), first.Handle());
    const CText added = Doc().AddBytes("12 DEC 1900");
    EXPECT_NE(added.Handle(), first.Handle());
    EXPECT_TRUE(Doc().Equals(added, first)); // equal texts are equal whatever their handles
    EXPECT_EQ(Doc().GetSharedTextCount(), 2u);

    // Many shared texts make the table grow; each still finds itself.
    for (int i = 0; i < 20'000; ++i)
        Doc().ShareBytes("place " + std::to_string(i));
    EXPECT_EQ(Str(Doc().ShareBytes("place 123")), L"place 123");
    EXPECT_EQ(Doc().GetSharedTextCount(), 20'002u);
}

// The lists of one record are filled turn about; each keeps its own values.
TEST_F(TextStoreTest, ListsFilledTurnAboutKeepTheirOwnElements)
{
    CDocument& doc = Doc();
    CPerson& first = doc.AppendPerson();
    CFamily& family = doc.AppendFamily();
    for (int i = 0; i < 1000; ++i) {
        doc.Append(first.m_astrFams, doc.AddText(L"@F" + std::to_wstring(i) + L"@"));
        doc.Append(family.m_astrChildren, doc.AddText(L"@I" + std::to_wstring(i) + L"@"));
        doc.Append(first.m_events, COccupationEvent()).m_strValue = doc.AddText(L"job " + std::to_wstring(i));
        doc.Append(first.m_religions, CReligionEvent());
    }
    ASSERT_EQ(first.m_astrFams.GetCount(), 1000);
    for (int i = 0; i < 1000; i += 37) {
        const auto n = static_cast<std::size_t>(i);
        EXPECT_EQ(Str(doc.Items(first.m_astrFams)[n]), L"@F" + std::to_wstring(i) + L"@");
        EXPECT_EQ(Str(doc.Items(family.m_astrChildren)[n]), L"@I" + std::to_wstring(i) + L"@");
        EXPECT_EQ(Str(doc.Event(first.m_events, i).m_strValue), L"job " + std::to_wstring(i));
        EXPECT_EQ(doc.Event(first.m_events, i).m_nKind, kEventOccupation);
    }
    EXPECT_EQ(doc.Event(first.m_religions, 999).m_nKind, kEventReligion);
    EXPECT_EQ(doc.FindFamilyById(doc.Items(first.m_astrFams)[0]), -1);
    EXPECT_EQ(doc.FindPersonById(L"@I5@"), -1);
}

// An item of the list itself, appended while the pool grows under it.
TEST_F(TextStoreTest, AListTakesItsOwnItem)
{
    CTextList list;
    Doc().Append(list, Doc().AddText(L"@own@"));
    for (std::size_t i = 0; i < 1000; ++i)
        Doc().Append(list, Doc().Items(list)[i]);
    EXPECT_EQ(Str(Doc().Items(list)[1000]), L"@own@");
}

// Two documents keep their texts apart: a text of one never reads as the
// other's, and one outlives the other.
TEST_F(TextStoreTest, TwoDocumentsKeepTheirOwnTexts)
{
    auto pOther = std::make_unique<CDocument>();
    const CText mine = Doc().AddText(L"mine");
    const CText theirs = pOther->AddText(L"theirs and longer");
    pOther.reset();
    EXPECT_EQ(Str(mine), L"mine");
    EXPECT_EQ(mine.Handle(), theirs.Handle()) << "a handle alone names no text: its document does";
}

} // namespace
