#include "core/views/PersonPage.h"

#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/views/EventText.h"
#include "core/views/PageSources.h"

namespace {

std::wstring LabelLine(const std::wstring& strLabel)
{
    return kLabelOpen + strLabel + kLabelClose + L"<br>";
}

// The parts of one person's page, from the document and the options it is built with.
struct CPageParts {
    const CDocument& m_doc;
    const CViewOptions& m_options;
    CPageSources& m_sources;

    std::wstring FullName(int nPerson) const
    {
        return m_doc.Persons()[nPerson].GetFullNameFirstFirst(m_doc, m_options.m_names);
    }

    std::wstring Heading(const CPerson& person, int nPicture) const
    {
        std::wstring strHeading = L"<b>" + person.GetFullNameFirstFirst(m_doc, m_options.m_names);
        if (m_options.m_bSexLetter) {
            const int nLetter = m_doc.Equals(person.m_strSex, L"M") ? IDS_SEX_LETTER_MALE : IDS_SEX_LETTER_FEMALE;
            strHeading += L" [" + LoadLangString(nLetter) + L"]";
        }
        strHeading += L"</b>" + m_sources.NameMarks();
        if (nPicture >= 0)
            return WithHeadPicture(strHeading, static_cast<std::size_t>(nPicture));
        return strHeading + L"<br><br>";
    }

    template <class TEvent>
    std::wstring LifeEventBlock(const CEventSlot<TEvent>& slot, const std::wstring& strSex) const
    {
        const std::wstring strBlock = FormatBlock(m_doc, slot, strSex, m_options.m_dates);
        if (strBlock.empty())
            return strBlock;
        return WithMarks(strBlock, m_sources.EventMarks(m_doc.Event(slot))) + L"<br>";
    }

    // In page order, as the marks are numbered in the order they are asked for.
    std::wstring LifeEvents(const CPerson& person) const
    {
        const std::wstring strSex = m_doc.Str(person.m_strSex);
        std::wstring strEvents = LifeEventBlock(person.m_birth, strSex);
        strEvents += LifeEventBlock(person.m_christening, strSex);
        strEvents += LifeEventBlock(person.m_death, strSex);
        strEvents += LifeEventBlock(person.m_burial, strSex);
        return strEvents + LifeEventBlock(person.m_will, strSex);
    }

    std::wstring ListSections(const CPerson& person) const
    {
        const CEventMarks marks = [this](const CEventInfo& event) { return m_sources.EventMarks(event); };
        std::wstring strSections = FormatListSection(m_doc, person.m_religions, m_options.m_dates, marks);
        strSections += FormatListSection(m_doc, person.m_occupations, m_options.m_dates, marks);
        strSections += FormatListSection(m_doc, person.m_events, m_options.m_dates, marks);
        return strSections + FormatListSection(m_doc, person.m_notes);
    }

    // An empty id would find a family written without one, which is nobody's.
    int FindLinkedFamily(CText id) const { return id.empty() ? -1 : m_doc.FindFamilyById(id); }

    std::wstring NameLine(CText id) const
    {
        const int nPerson = m_doc.FindPersonById(id);
        return nPerson < 0 ? std::wstring() : FullName(nPerson) + L".<br>";
    }

    std::wstring Parents(const CPerson& person) const
    {
        const int nFamily = FindLinkedFamily(person.m_strFamc);
        if (nFamily < 0)
            return {};
        const CFamily& family = m_doc.Families()[nFamily];
        return LabelLine(LoadLangString(IDS_PARENTS)) + NameLine(family.m_strHusband) +
               NameLine(family.m_strWife) + L"<br>";
    }

    std::wstring SpouseLine(const CFamily& family, bool bWoman) const
    {
        const int nSpouse = m_doc.FindPersonById(bWoman ? family.m_strHusband : family.m_strWife);
        const bool bDivorced = family.m_bDivorced == 1;
        if (nSpouse < 0 && !bDivorced)
            return {};
        std::wstring strLine;
        if (nSpouse >= 0)
            strLine += FullName(nSpouse);
        if (bDivorced)
            strLine += L" (" + LoadLangString(IDS_DIVORCED) + L")";
        return strLine + L".<br>";
    }

    std::wstring Spouses(const CPerson& person) const
    {
        const std::span<const CText> fams = m_doc.Items(person.m_astrFams);
        const bool bWoman = m_doc.Equals(person.m_strSex, L"F");
        std::wstring strSpouses;
        for (const CText id : fams) {
            const int nFamily = FindLinkedFamily(id);
            if (nFamily >= 0)
                strSpouses += SpouseLine(m_doc.Families()[nFamily], bWoman);
        }
        if (strSpouses.empty())
            return {};
        // The Russian words differ: a man's spouse is a wife, anyone else's a husband.
        int nLabel = IDS_SPOUSES;
        if (fams.size() == 1)
            nLabel = m_doc.Equals(person.m_strSex, L"M") ? IDS_SPOUSE_FEMALE : IDS_SPOUSE_MALE;
        return LabelLine(LoadLangString(nLabel)) + strSpouses + L"<br>";
    }
};

} // namespace

std::wstring BuildPersonPageBody(const CDocument& doc, int nPerson, const CViewOptions& options)
{
    if (!doc.Persons().IsIndex(nPerson))
        return {};
    return BuildPersonPageBody(doc, nPerson, options, CollectMedia(doc, CCitedKind::Person, nPerson));
}

std::wstring BuildPersonPageBody(const CDocument& doc, int nPerson, const CViewOptions& options,
                                 const std::vector<CMediaItem>& media)
{
    if (!doc.Persons().IsIndex(nPerson))
        return {};
    const CPerson& person = doc.Persons()[nPerson];
    CPageSources sources(doc, CCitedKind::Person, nPerson, options.m_dates);
    const CPageParts parts{doc, options, sources};
    std::wstring strBody = parts.Heading(person, FindHeadPicture(media));
    strBody += parts.LifeEvents(person);
    strBody += parts.Parents(person) + parts.Spouses(person);
    strBody += parts.ListSections(person);
    strBody = AppendSection(std::move(strBody), sources.Section());
    return AppendSection(std::move(strBody), MediaSection(media));
}

std::wstring MakePageDocument(const std::wstring& strBody)
{
    return kDocumentHead + strBody + kDocumentTail;
}
