#include "core/views/FamilyView.h"

#include "core/model/Dates.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/views/EventText.h"
#include "core/views/PageSources.h"

#include <algorithm>
#include <utility>

namespace {

constexpr wchar_t kFamilySeparator[] = L"  ----------------------\r\n";
constexpr wchar_t kNotesRule[] = L"<hr size=1><br>";

// The parts of one family view, from the document and the options it is built with.
struct CFamilyParts {
    const CDocument& m_doc;
    const CViewOptions& m_options;

    // An empty id would find a family written without one, which is nobody's.
    int FindOwnFamily(CText id) const { return id.empty() ? -1 : m_doc.FindFamilyById(id); }

    // The spouse is on the other side: a woman's is the husband, anyone else's the wife.
    int FindSpouse(const CFamily& family, const CPerson& person) const
    {
        return m_doc.FindPersonById(m_doc.Equals(person.m_strSex, L"F") ? family.m_strHusband : family.m_strWife);
    }

    bool IsDeceased(const CPerson& person) const
    {
        return m_doc.Event(person.m_death).m_bPresent || m_doc.Event(person.m_burial).m_bPresent;
    }

    std::wstring FullName(const CPerson& person) const { return person.GetFullNameFirstFirst(m_doc, m_options.m_names); }

    std::wstring BoxText(const CPerson& person) const
    {
        const std::wstring strSex = m_doc.Str(person.m_strSex);
        std::wstring strText = FullName(person) + L"\r\n\r\n";
        const std::wstring strBirth = person.GetBirthDateText(m_doc, DateTextMode::Display, m_options.m_dates);
        if (!strBirth.empty())
            strText += GetBornLabel(strSex) + L" " + strBirth + L".\r\n";
        const std::wstring strDeath = person.GetDeathDateText(m_doc, DateTextMode::Display, m_options.m_dates);
        if (!strDeath.empty())
            strText += GetDiedLabel(strSex) + L" " + strDeath + L".\r\n";
        return strText;
    }

    template <class TEvent>
    std::wstring FamilyEventBlock(const CEventSlot<TEvent>& slot, const std::wstring& strSex,
                                  CPageSources& sources) const
    {
        const std::wstring strBlock = FormatBlock(m_doc, slot, strSex, m_options.m_dates);
        if (strBlock.empty())
            return strBlock;
        return WithMarks(strBlock, sources.EventMarks(m_doc.Event(slot))) + L"<br>";
    }

    // Each family's notes number their own sources, in the order they are cited.
    std::wstring FamilyNotes(int nFamily, const std::wstring& strSpouse, const std::wstring& strSex,
                             std::vector<CMediaItem>& media) const
    {
        const CFamily& family = m_doc.Families()[nFamily];
        CPageSources sources(m_doc, CCitedKind::Family, nFamily, m_options.m_dates);
        std::wstring strNotes = L"<b>" + strSpouse + L"</b>" + sources.NameMarks() + L"<br><br>";
        strNotes += FamilyEventBlock(family.m_marriage, strSex, sources);
        strNotes += FamilyEventBlock(family.m_divorce, strSex, sources);
        strNotes += FormatListSection(m_doc, family.m_notes);
        strNotes = AppendSection(std::move(strNotes), sources.Section());
        std::vector<CMediaItem> familyMedia = CollectMedia(m_doc, CCitedKind::Family, nFamily);
        strNotes = AppendSection(std::move(strNotes), MediaSection(familyMedia, media.size()));
        media.insert(media.end(), familyMedia.begin(), familyMedia.end());
        return strNotes;
    }

    // Each family inserts its children from the top, as the list does, so the
    // order of equal birth dates is that of the list before its first sort.
    std::vector<CChildRow> ListChildren(const CPerson& person) const
    {
        std::vector<CChildRow> rows;
        for (const CText familyId : m_doc.Items(person.m_astrFams)) {
            const int nFamily = FindOwnFamily(familyId);
            if (nFamily < 0)
                continue;
            const std::span<const CText> children = m_doc.Items(m_doc.Families()[nFamily].m_astrChildren);
            for (std::size_t j = 0; j < children.size(); ++j) {
                const int nChild = m_doc.FindPersonById(children[j]);
                if (nChild < 0)
                    continue;
                const CPerson& child = m_doc.Persons()[nChild];
                // The order comes from the date as written: its display text
                // may be a month, a range or a qualifier, which sort as letters.
                CChildRow row{m_doc.Equals(child.m_strSex, L"M") ? 0 : 1,
                              child.GetBirthDateText(m_doc, DateTextMode::Display, m_options.m_dates),
                              child.GetShortName(m_doc, m_options.m_names), nChild,
                              ComputeGedcomDateKey(
                                  child.GetBirthDateText(m_doc, DateTextMode::Raw, m_options.m_dates))};
                const auto position = rows.begin() + static_cast<std::ptrdiff_t>(std::min(j, rows.size()));
                rows.insert(position, std::move(row));
            }
        }
        return rows;
    }
};

void CloseWith(CFamilyContent& content, int nMessageId)
{
    content.m_messages.push_back(
        {LoadLangString(nMessageId), LoadLangString(IDS_MESSAGE), CMessageIcon::Information});
    content.m_bClose = true;
}

} // namespace

CFamilyContent BuildFamilyView(const CDocument& doc, int nPerson, const CViewOptions& options)
{
    CFamilyContent content;
    if (!doc.Persons().IsIndex(nPerson))
        return content;
    CEventInfo::LoadEventLabels();
    const CFamilyParts parts{doc, options};
    const CPerson& person = doc.Persons()[nPerson];
    const std::wstring strSex = doc.Str(person.m_strSex);
    content.m_bPersonOnHusbandSide = strSex == L"M";
    content.m_bPersonDeceased = parts.IsDeceased(person);
    std::wstring& strOwnBox = content.m_bPersonOnHusbandSide ? content.m_strHusbandBox : content.m_strWifeBox;
    std::wstring& strSpouseBox =
        content.m_bPersonOnHusbandSide ? content.m_strWifeBox : content.m_strHusbandBox;
    strOwnBox = parts.BoxText(person);

    const std::span<const CText> fams = doc.Items(person.m_astrFams);
    const int nLastFams = static_cast<int>(fams.size()) - 1;
    if (nLastFams < 0) {
        CloseWith(content, IDS_NO_INFORMATION_ABOUT_OWN_FAMILY);
        return content;
    }

    bool bSpouseFound = false;
    std::wstring& strNotes = content.m_strNotesHtml;
    for (int i = 0; i <= nLastFams; ++i) {
        const int nFamily = parts.FindOwnFamily(fams[static_cast<std::size_t>(i)]);
        if (nFamily < 0)
            continue;
        const CFamily& family = doc.Families()[nFamily];
        const int nSpouse = parts.FindSpouse(family, person);
        if (nSpouse >= 0) {
            const CPerson& spouse = doc.Persons()[nSpouse];
            if (!parts.IsDeceased(spouse))
                content.m_bSpousesDeceased = false;
            bSpouseFound = true;
            strSpouseBox += parts.BoxText(spouse);
            if (family.m_bDivorced)
                strSpouseBox += LoadLangString(IDS_DIVORCED) + L".\r\n";
            strNotes += parts.FamilyNotes(nFamily, parts.FullName(spouse), strSex, content.m_notesMedia);
        }
        // Tested on what is there so far, so a family without a spouse still
        // divides those before it from those after it.
        if (i < nLastFams) {
            if (!strSpouseBox.empty())
                strSpouseBox += kFamilySeparator;
            if (!strNotes.empty())
                strNotes += kNotesRule;
        }
    }
    if (!strNotes.empty())
        strNotes = L"<b><i>" + LoadLangString(IDS_FAMILY) + L"<br>" + parts.FullName(person) +
                   L"</i></b>" + kNotesRule + strNotes;

    content.m_children = parts.ListChildren(person);
    content.m_bChildrenListed = !content.m_children.empty();
    if (!content.m_bChildrenListed) {
        content.m_children.push_back({2, L" ", LoadLangString(IDS_NO_INFORMATION), -1});
        if (!bSpouseFound)
            CloseWith(content, IDS_NO_INFORMATION_ABOUT_FAMILY_MEMBERS);
    }
    SortChildRows(content.m_children, 1, true);
    return content;
}

void SortChildRows(std::vector<CChildRow>& rows, int nColumn, bool bAscending)
{
    if (nColumn != 1 && nColumn != 2)
        return;
    const auto before = [nColumn](const CChildRow& first, const CChildRow& second) {
        return nColumn == 1 ? first.m_nBirthKey < second.m_nBirthKey : first.m_strName < second.m_strName;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const CChildRow& first, const CChildRow& second) {
        return bAscending ? before(first, second) : before(second, first);
    });
}

std::vector<int> FamilySidePersons(const CDocument& doc, int nPerson, const std::wstring& strWantedSex,
                                   bool& bNoOwnFamily)
{
    bNoOwnFamily = false;
    if (!doc.Persons().IsIndex(nPerson))
        return {};
    const CViewOptions options;
    const CFamilyParts parts{doc, options};
    const CPerson& person = doc.Persons()[nPerson];
    if (doc.Equals(person.m_strSex, strWantedSex))
        return {nPerson};
    const std::span<const CText> fams = doc.Items(person.m_astrFams);
    bNoOwnFamily = fams.empty();
    std::vector<int> spouses;
    for (const CText familyId : fams) {
        const int nFamily = parts.FindOwnFamily(familyId);
        const int nSpouse = nFamily < 0 ? -1 : parts.FindSpouse(doc.Families()[nFamily], person);
        if (nSpouse >= 0)
            spouses.push_back(nSpouse);
    }
    return spouses;
}
