#include "core/views/PageMedia.h"

#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "core/text/WideText.h"
#include "core/views/FamilyView.h"
#include "core/views/PersonPage.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

namespace {

// The ways files write media: GEDCOM 5.5 (FORM and TITL beside FILE), 5.5.1
// and 7 (under FILE, several files), pointers with their own TITL and _PRIM,
// objects under events, and lines that must not leak into the record.
constexpr const char* kMediaFile =
    "0 HEAD\n"
    "0 @I1@ INDI\n"
    "1 NAME Ann /Lee/\n"
    "1 SEX F\n"
    "1 OBJE\n"
    "2 FORM jpeg\n"
    "2 TITL Old style\n"
    "2 FILE C:\\photos\\ann\n"
    "3 CONC .jpg\n"
    "1 OBJE @M1@\n"
    "2 TITL Own title\n"
    "2 _PRIM Y\n"
    "2 SOUR @S9@\n"
    "1 BIRT\n"
    "2 DATE 1900\n"
    "2 OBJE @M2@\n"
    "2 PLAC Here\n"
    "1 OBJE @M404@\n"
    "1 NOTE after the media\n"
    "0 @I2@ INDI\n"
    "1 NAME Bo /Lee/\n"
    "1 FAMS @F1@\n"
    "0 @F1@ FAM\n"
    "1 HUSB @I2@\n"
    "1 WIFE @I1@\n"
    "1 OBJE @M2@\n"
    "1 MARR\n"
    "0 @M1@ OBJE\n"
    "1 FILE media/ann%20young.png\n"
    "2 FORM image/png\n"
    "3 TYPE photo\n"
    "2 TITL File title\n"
    "1 FILE https://example.org/ann\n"
    "2 TITL Online\n"
    "0 @M2@ OBJE\n"
    "1 FILE certificate.pdf\n"
    "2 MIME application/pdf\n"
    "1 _PRIM Y\n";

struct CItemRow {
    const wchar_t* m_pszTitle;
    const wchar_t* m_pszWritten;
    const wchar_t* m_pszForm;
    const wchar_t* m_pszEvent;
    bool m_bPrimary;
    bool m_bImage;
};

class PageMediaTest : public CViewBuilderTest {};

TEST_F(PageMediaTest, ReadsEveryWayOfWritingMedia)
{
    const CReadResult read = ReadGedcom(std::string(kMediaFile) + "0 TRLR\n");
    const CDocument& doc = *read.m_pDocument;
    const CItemRow expected[] = {
        {L"Old style", L"C:\\photos\\ann.jpg", L"jpeg", L"", false, true},
        {L"Own title", L"media/ann%20young.png", L"image/png", L"", true, true},
        {L"Own title", L"https://example.org/ann", L"", L"", true, false},
        {L"", L"certificate.pdf", L"application/pdf", L"Born", true, false},
    };
    const std::vector<CMediaItem> items = CollectMedia(doc, CCitedKind::Person, 0);
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CItemRow& row = expected[i];
        EXPECT_EQ(items[i].m_strTitle, row.m_pszTitle) << i;
        EXPECT_EQ(items[i].m_strWritten, row.m_pszWritten) << i;
        EXPECT_EQ(items[i].m_strForm, row.m_pszForm) << i;
        EXPECT_EQ(items[i].m_strEvent, row.m_pszEvent) << i;
        EXPECT_EQ(items[i].m_bPrimary, row.m_bPrimary) << i;
        EXPECT_EQ(items[i].m_bImage, row.m_bImage) << i;
    }
    EXPECT_EQ(items[2].m_place.m_found, CMediaFound::WebLink);
    // The lines under the media stay theirs: the birth keeps its place, the
    // note after them is the person's, and the citation under a link cites nothing.
    const CPerson& ann = doc.Persons()[0];
    EXPECT_EQ(doc.Str(doc.Event(ann.m_birth).m_strPlace), L"Here.");
    EXPECT_EQ(ann.m_notes.GetLast(), 0);
    EXPECT_TRUE(doc.CitationsOf(CCitedKind::Person, 0).empty());
    // The family's own link, and nobody else's.
    ASSERT_EQ(CollectMedia(doc, CCitedKind::Family, 0).size(), 1u);
    EXPECT_TRUE(CollectMedia(doc, CCitedKind::Person, 1).empty());
}

// The picture beside the name is the primary one that can be shown, else
// the first that can; a missing or refused file is never it.
TEST_F(PageMediaTest, ChoosesThePictureBesideTheName)
{
    const auto item = [](CMediaFound found, bool bImage, bool bPrimary) {
        CMediaItem made;
        made.m_place.m_found = found;
        made.m_bImage = bImage;
        made.m_bPrimary = bPrimary;
        return made;
    };
    using F = CMediaFound;
    const struct {
        std::vector<CMediaItem> m_items;
        int m_nHead;
    } cases[] = {
        {{}, -1},
        {{item(F::File, true, false), item(F::Entry, true, true)}, 1},
        {{item(F::Missing, true, true), item(F::File, true, false)}, 1},
        {{item(F::File, false, true), item(F::Outside, true, false), item(F::Entry, true, false)}, 2},
        {{item(F::ClimbsOut, true, true), item(F::NotAFile, true, false), item(F::WebLink, true, true)}, -1},
    };
    for (const auto& test : cases)
        EXPECT_EQ(FindHeadPicture(test.m_items), test.m_nHead);
}

// The page keys its pictures and links by the items' places, and says why
// an item shows no picture; names and paths from the file are escaped.
TEST_F(PageMediaTest, PageShowsThePictureAndListsEveryItem)
{
    CTempFolder temp;
    std::filesystem::create_directories(temp.Path() / "media");
    std::ofstream(temp.Path() / "media/ann young.png") << "x";
    const std::string strFile = (temp.Path() / "ann.ged").native();
    std::ofstream(strFile) << kMediaFile << "0 @I3@ INDI\n1 OBJE\n2 FILE ../x<b>.jpg\n0 TRLR\n";
    const CReadResult read = ReadGedcomFile(Utf8ToWide(strFile));
    const std::wstring strPage = BuildPersonPageBody(*read.m_pDocument, 0, CViewOptions());
    EXPECT_TRUE(strPage.starts_with(L"<table")) << strPage;
    EXPECT_NE(strPage.find(L"<a href=\"media:1\"><img src=\"media:1/120\""), std::wstring::npos) << strPage;
    EXPECT_NE(strPage.find(L"<img src=\"media:1/64\""), std::wstring::npos);
    EXPECT_EQ(strPage.find(L"media:0/"), std::wstring::npos); // not found: no picture
    EXPECT_NE(strPage.find(L"C:\\photos\\ann.jpg: not found"), std::wstring::npos);
    EXPECT_NE(strPage.find(L"<a href=\"https://example.org/ann\">Own title</a>"), std::wstring::npos);
    EXPECT_NE(strPage.find(L"certificate.pdf (Born)"), std::wstring::npos);
    const std::wstring strRefused = BuildPersonPageBody(*read.m_pDocument, 2, CViewOptions());
    EXPECT_NE(strRefused.find(L"../x&lt;b&gt;.jpg: refused: the path climbs out"), std::wstring::npos) << strRefused;
    // The family's notes key its media after those of the families before it.
    const CFamilyContent family = BuildFamilyView(*read.m_pDocument, 1, CViewOptions());
    ASSERT_EQ(family.m_notesMedia.size(), 1u);
    EXPECT_NE(family.m_strNotesHtml.find(L"certificate.pdf"), std::wstring::npos);
    for (const auto& [name, nKey, nSide] : {std::tuple{L"media:12/64", 12LL, 64}, {L"media:3", 3LL, 0},
                                            {L"media:-1/64", -1LL, 0}, {L"file:/etc/passwd", -1LL, 0},
                                            {L"media:2/9999", 2LL, 0}}) {
        EXPECT_EQ(MediaKeyOf(name), nKey) << name;
        EXPECT_EQ(PictureSideOf(name), nSide) << name;
    }
}

} // namespace
