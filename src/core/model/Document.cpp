#include "core/model/Document.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"

#include <optional>

namespace {

int WarnNoParents(CMessages& messages)
{
    messages.push_back({LoadLangString(IDS_NO_INFORMATION_ABOUT_PARENTS_FAMILY),
                        LoadLangString(IDS_DIRECTION), CMessageIcon::Exclamation});
    return -1;
}

// A pointer is a whole value of the form @id@, blanks around it aside; an at
// sign or a blank inside makes it text that merely mentions one.
std::optional<std::wstring_view> PointerOf(std::wstring_view text)
{
    text = TrimWhite(text);
    if (text.size() < 3 || text.front() != L'@' || text.back() != L'@')
        return std::nullopt;
    if (text.substr(1, text.size() - 2).find_first_of(L"@ \t") != std::wstring_view::npos)
        return std::nullopt;
    return text;
}

} // namespace

std::string CDocument::Encoded(std::wstring_view text)
{
    std::string bytes;
    EncodeText(text, bytes);
    return bytes;
}

bool CDocument::Equals(CText text, std::wstring_view other) const
{
    return Bytes(text) == Encoded(other);
}

int CDocument::FindPersonById(CText id) const
{
    return id.empty() ? -1 : m_persons.FindById(Bytes(id), m_texts);
}

int CDocument::FindPersonById(std::wstring_view id) const
{
    return id.empty() ? -1 : m_persons.FindById(Encoded(id), m_texts);
}

int CDocument::FindFamilyById(CText id) const
{
    return m_families.FindById(Bytes(id), m_texts);
}

int CDocument::FindFamilyById(std::wstring_view id) const
{
    return m_families.FindById(Encoded(id), m_texts);
}

int CDocument::FindParentIndex(int nPerson, CMessages& messages) const
{
    if (!m_persons.IsIndex(nPerson))
        return -1;
    const CText famc = m_persons[nPerson].m_strFamc;
    if (famc.empty())
        return WarnNoParents(messages);
    const int nFamily = FindFamilyById(famc);
    if (nFamily < 0)
        return WarnNoParents(messages);
    const CFamily& family = m_families[nFamily];
    const CText parent = family.m_strHusband.empty() ? family.m_strWife : family.m_strHusband;
    if (parent.empty())
        return WarnNoParents(messages);
    const int nParent = FindPersonById(parent);
    return nParent < 0 ? WarnNoParents(messages) : nParent;
}

std::wstring CDocument::ResolveNoteText(CText text) const
{
    std::wstring strText = Str(text);
    const std::optional<std::wstring_view> pointer = PointerOf(strText);
    if (!pointer)
        return strText;
    const std::optional<std::wstring_view> recordText = m_noteRecords.FindText(*pointer);
    return recordText ? std::wstring(*recordText) : strText;
}

int CDocument::FindSourceById(CText id) const
{
    return id.empty() ? -1 : m_sources.FindById(Bytes(id), m_texts);
}

int CDocument::FindRepositoryById(CText id) const
{
    return id.empty() ? -1 : m_repositories.FindById(Bytes(id), m_texts);
}

namespace {

// The entries of one record in a table of entries that lie by record in file
// order, found by halving.
template <class TEntry>
std::vector<const TEntry*> EntriesOf(const CRecordTable<TEntry>& entries, int nRecord)
{
    const auto firstAfter = [&entries](std::int64_t nRecordBefore) {
        int nLow = 0;
        int nHigh = entries.GetLast() + 1;
        while (nLow < nHigh) {
            const int nMiddle = nLow + (nHigh - nLow) / 2;
            if (entries[nMiddle].m_nRecord <= nRecordBefore)
                nLow = nMiddle + 1;
            else
                nHigh = nMiddle;
        }
        return nLow;
    };
    std::vector<const TEntry*> result;
    for (int i = firstAfter(std::int64_t(nRecord) - 1), nEnd = firstAfter(nRecord); i < nEnd; ++i)
        result.push_back(&entries[i]);
    return result;
}

} // namespace

std::vector<const CCitation*> CDocument::CitationsOf(CCitedKind kind, int nRecord) const
{
    return EntriesOf(Citations(kind), nRecord);
}

std::vector<const CMediaLink*> CDocument::MediaLinksOf(CCitedKind kind, int nRecord) const
{
    return EntriesOf(MediaLinks(kind), nRecord);
}

const CMediaObject* CDocument::MediaObjectOf(const CMediaLink& link) const
{
    if (link.m_nObject >= 0)
        return &m_mediaObjects[link.m_nObject];
    const int nObject = link.m_strPointer.empty() ? -1 : m_mediaObjects.FindById(Bytes(link.m_strPointer), m_texts);
    return nObject < 0 ? nullptr : &m_mediaObjects[nObject];
}

const CFolderFiles& CDocument::FolderFiles() const
{
    if (!m_pFolderFiles)
        m_pFolderFiles = std::make_unique<CFolderFiles>(WideToUtf8(m_strFolder));
    return *m_pFolderFiles;
}

const CDocument& EmptyDocument()
{
    static const CDocument theEmpty;
    return theEmpty;
}
