#pragma once

#include "core/model/Document.h"
#include "core/model/MediaFiles.h"

#include <string>
#include <vector>

/// One media file as a page lists it.
struct CMediaItem {
    std::wstring m_strTitle; ///< the link's TITL, else the file's, else the object's; empty for none
    std::wstring m_strWritten; ///< the FILE value
    std::wstring m_strForm; ///< the file's FORM, else the object's
    std::wstring m_strEvent; ///< the label of the event it stands under; empty for the record's own
    CMediaPlace m_place;
    bool m_bPrimary = false;
    bool m_bImage = false; ///< a picture, by its form or else by its name
};

/// The sides of the square a picture is drawn in: beside the name, and in the list.
constexpr int kHeadPictureSide = 120;
constexpr int kListPictureSide = 64;

/// Every media file of a person or a family and of their events, in file order.
std::vector<CMediaItem> CollectMedia(const CDocument& doc, CCitedKind kind, int nRecord);

/// The item to show beside the name: the primary picture that can be shown,
/// else the first; -1 when no picture can be shown.
int FindHeadPicture(const std::vector<CMediaItem>& items);

/// Whether the page may draw the item's picture: a picture found in the
/// file's folder or in its package.
bool IsShownPicture(const CMediaItem& item);

/// The name of an item's picture on a page, and the target of its link;
/// `nKey` numbers the items of one page.
std::wstring PictureName(std::size_t nKey, int nSide);
std::wstring MediaTarget(std::size_t nKey);
/// The key that a picture's name or a link's target carries, or -1.
long long MediaKeyOf(std::wstring_view name);
/// The side of the square that a picture's name asks for, or 0.
int PictureSideOf(std::wstring_view name);

/// `strHeading` with the item's picture beside it.
std::wstring WithHeadPicture(const std::wstring& strHeading, std::size_t nKey);

/// The "Media" section listing the items, keyed from `nFirstKey` on; empty
/// when there are none.
std::wstring MediaSection(const std::vector<CMediaItem>& items, std::size_t nFirstKey = 0);
