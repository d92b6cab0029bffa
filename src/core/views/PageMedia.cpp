#include "core/views/PageMedia.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"
#include "core/views/EventText.h"

#include <array>

namespace {

constexpr std::wstring_view kMediaScheme = L"media:";

// What the FORM lines write for pictures, as extensions or as media types.
bool IsPictureForm(std::wstring strForm)
{
    MakeLowerCase(strForm);
    if (strForm.starts_with(L"image/"))
        return true;
    if (strForm.starts_with(L"."))
        strForm.erase(0, 1);
    static constexpr std::array<std::wstring_view, 9> theForms = {L"jpg", L"jpeg", L"png", L"gif", L"bmp",
                                                                  L"tif", L"tiff", L"webp", L"pcx"};
    for (const std::wstring_view form : theForms) {
        if (strForm == form)
            return true;
    }
    return false;
}

std::wstring ExtensionOf(std::wstring_view path)
{
    const std::size_t nDot = path.rfind(L'.');
    const std::size_t nSlash = path.find_last_of(L"/\\");
    if (nDot == std::wstring_view::npos || (nSlash != std::wstring_view::npos && nSlash > nDot))
        return {};
    return std::wstring(path.substr(nDot + 1));
}

std::wstring NameOf(std::wstring_view path)
{
    const std::size_t nSlash = path.find_last_of(L"/\\");
    return std::wstring(nSlash == std::wstring_view::npos ? path : path.substr(nSlash + 1));
}

// The label of what a link stands under, the record itself giving none.
std::wstring EventLabelOf(const CDocument& doc, const CMediaLink& link, const std::wstring& strSex)
{
    if (link.m_nOwner == kCitedRecord)
        return {};
    return GetLabel(doc.EventNumbered(link.m_nOwner), strSex);
}

void AppendItems(const CDocument& doc, const CMediaLink& link, const CMediaObject& object,
                 const std::wstring& strEvent, std::vector<CMediaItem>& items)
{
    const std::span<const CText> files = doc.Items(object.m_astrFiles);
    const std::span<const CText> forms = doc.Items(object.m_astrFileForms);
    const std::span<const CText> titles = doc.Items(object.m_astrFileTitles);
    for (std::size_t i = 0; i < files.size(); ++i) {
        CMediaItem item;
        item.m_strWritten = doc.Str(files[i]);
        item.m_strForm = doc.Str(i < forms.size() && !forms[i].empty() ? forms[i] : object.m_strForm);
        const CText title = !link.m_strTitle.empty()                          ? link.m_strTitle
                            : i < titles.size() && !titles[i].empty() ? titles[i]
                                                                              : object.m_strTitle;
        item.m_strTitle = doc.Str(title);
        item.m_strEvent = strEvent;
        item.m_bPrimary = link.m_bPrimary || object.m_bPrimary;
        item.m_bImage = IsPictureForm(item.m_strForm.empty() ? ExtensionOf(item.m_strWritten) : item.m_strForm);
        item.m_place = FindMediaFile(doc, item.m_strWritten);
        items.push_back(std::move(item));
    }
}

// Why an item has no picture, when it could have had one or has no file.
std::wstring StateText(const CMediaItem& item)
{
    switch (item.m_place.m_found) {
    case CMediaFound::Missing: return LoadLangString(IDS_MEDIA_NOT_FOUND);
    case CMediaFound::ClimbsOut: return LoadLangString(IDS_MEDIA_CLIMBS_OUT);
    case CMediaFound::NotAFile: return LoadLangString(IDS_MEDIA_NOT_A_FILE);
    case CMediaFound::Outside: return item.m_bImage ? LoadLangString(IDS_MEDIA_OUTSIDE_FOLDER) : std::wstring();
    case CMediaFound::WebLink: return LoadLangString(IDS_MEDIA_WEB_LINK);
    default: return {};
    }
}

bool CanBeOpened(const CMediaItem& item)
{
    const CMediaFound found = item.m_place.m_found;
    return found == CMediaFound::File || found == CMediaFound::Outside || found == CMediaFound::Entry;
}

std::wstring PictureMarkup(std::size_t nKey, int nSide)
{
    const std::wstring strSide = std::to_wstring(nSide);
    return L"<img src=\"" + PictureName(nKey, nSide) + L"\" width=" + strSide + L" height=" + strSide + L">";
}

std::wstring ItemRow(const CMediaItem& item, std::size_t nKey)
{
    const std::wstring strTitle = EscapeHtml(item.m_strTitle.empty() ? NameOf(item.m_strWritten) : item.m_strTitle);
    std::wstring strPicture;
    std::wstring strLine;
    if (item.m_place.m_found == CMediaFound::WebLink) {
        strLine = L"<a href=\"" + EscapeHtml(item.m_place.m_strPath) + L"\">" + strTitle + L"</a>";
    } else if (CanBeOpened(item)) {
        const std::wstring strOpen = L"<a href=\"" + MediaTarget(nKey) + L"\">";
        if (IsShownPicture(item))
            strPicture = strOpen + PictureMarkup(nKey, kListPictureSide) + L"</a>";
        strLine = strOpen + strTitle + L"</a>";
    } else {
        strLine = strTitle;
    }
    if (!item.m_strEvent.empty())
        strLine += L" (" + EscapeHtml(item.m_strEvent) + L")";
    strLine += L"<br><font color=gray>" + EscapeHtml(item.m_strWritten);
    const std::wstring strState = StateText(item);
    if (!strState.empty())
        strLine += L": " + strState;
    strLine += L"</font>";
    return L"<tr><td width=" + std::to_wstring(kListPictureSide + 4) + L">" + strPicture +
           L"</td><td valign=middle>" + strLine + L"</td></tr>";
}

} // namespace

std::vector<CMediaItem> CollectMedia(const CDocument& doc, CCitedKind kind, int nRecord)
{
    std::vector<CMediaItem> items;
    const std::wstring strSex =
        kind == CCitedKind::Person && doc.Persons().IsIndex(nRecord) ? doc.Str(doc.Persons()[nRecord].m_strSex) : L"";
    for (const CMediaLink* pLink : doc.MediaLinksOf(kind, nRecord)) {
        if (const CMediaObject* pObject = doc.MediaObjectOf(*pLink))
            AppendItems(doc, *pLink, *pObject, EventLabelOf(doc, *pLink, strSex), items);
    }
    return items;
}

bool IsShownPicture(const CMediaItem& item)
{
    return item.m_bImage && (item.m_place.m_found == CMediaFound::File || item.m_place.m_found == CMediaFound::Entry);
}

int FindHeadPicture(const std::vector<CMediaItem>& items)
{
    int nFirst = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!IsShownPicture(items[i]))
            continue;
        if (items[i].m_bPrimary)
            return static_cast<int>(i);
        if (nFirst < 0)
            nFirst = static_cast<int>(i);
    }
    return nFirst;
}

std::wstring PictureName(std::size_t nKey, int nSide)
{
    return std::wstring(kMediaScheme) + std::to_wstring(nKey) + L"/" + std::to_wstring(nSide);
}

std::wstring MediaTarget(std::size_t nKey)
{
    return std::wstring(kMediaScheme) + std::to_wstring(nKey);
}

long long MediaKeyOf(std::wstring_view name)
{
    if (!name.starts_with(kMediaScheme))
        return -1;
    std::size_t nDigits = 0;
    const long long nKey = LeadingNumber(name.substr(kMediaScheme.size()), &nDigits);
    return nDigits > 0 && name[kMediaScheme.size()] != L'-' ? nKey : -1;
}

int PictureSideOf(std::wstring_view name)
{
    const std::size_t nSlash = name.find(L'/');
    if (MediaKeyOf(name) < 0 || nSlash == std::wstring_view::npos)
        return 0;
    const long long nSide = LeadingNumber(name.substr(nSlash + 1));
    return nSide > 0 && nSide <= kHeadPictureSide ? static_cast<int>(nSide) : 0;
}

std::wstring WithHeadPicture(const std::wstring& strHeading, std::size_t nKey)
{
    return L"<table cellspacing=0 cellpadding=0 style=\"margin-bottom:12px\"><tr><td><a href=\"" + MediaTarget(nKey) + L"\">" +
           PictureMarkup(nKey, kHeadPictureSide) + L"</a></td><td width=12></td><td valign=middle>" + strHeading +
           L"</td></tr></table>";
}

std::wstring MediaSection(const std::vector<CMediaItem>& items, std::size_t nFirstKey)
{
    if (items.empty())
        return {};
    std::wstring strSection = kLabelOpen + LoadLangString(IDS_MEDIA) + kLabelClose + L"<table cellspacing=2>";
    for (std::size_t i = 0; i < items.size(); ++i)
        strSection += ItemRow(items[i], nFirstKey + i);
    return strSection + L"</table>";
}
