#pragma once

#include "core/model/EventInfo.h"
#include "core/model/Family.h"
#include "core/model/MediaArchive.h"
#include "core/model/Media.h"
#include "core/model/MediaFiles.h"
#include "core/model/NoteRecordTable.h"
#include "core/model/Person.h"
#include "core/model/RecordTable.h"
#include "core/model/Source.h"
#include "core/model/Text.h"
#include "core/platform/Message.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// Whose citations: a person's or a family's.
enum class CCitedKind { Person, Family };

/// Everything read from one file: its persons and families in file order,
/// their events, lists and texts, its note records, the folder it lies in and
/// what its reading said. A record's index names it everywhere. The reader
/// alone fills a document; everything else reads it, and two documents may be
/// open side by side.
class CDocument {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CRecordTable<CPerson>& Persons() const { return m_persons; }
    const CRecordTable<CFamily>& Families() const { return m_families; }
    /// The last indices; -1 for persons also means that nothing was read.
    int GetLastPersonIndex() const { return m_persons.GetLast(); }
    int GetLastFamilyIndex() const { return m_families.GetLast(); }
    const CNoteRecordTable& NoteRecords() const { return m_noteRecords; }
    const CRecordTable<CSourceRecord>& Sources() const { return m_sources; }
    const CRecordTable<CRepositoryRecord>& Repositories() const { return m_repositories; }
    /// Every citation of persons, or of families, by record in file order.
    const CRecordTable<CCitation>& Citations(CCitedKind kind) const
    {
        return kind == CCitedKind::Person ? m_personCitations : m_familyCitations;
    }
    /// The citations of one person or family, in file order.
    std::vector<const CCitation*> CitationsOf(CCitedKind kind, int nRecord) const;

    /// OBJE records, and the objects written in place (without an id).
    const CRecordTable<CMediaObject>& MediaObjects() const { return m_mediaObjects; }
    /// Every OBJE link of persons, or of families, by record in file order.
    const CRecordTable<CMediaLink>& MediaLinks(CCitedKind kind) const
    {
        return kind == CCitedKind::Person ? m_personMedia : m_familyMedia;
    }
    /// The OBJE links of one person or family, in file order.
    std::vector<const CMediaLink*> MediaLinksOf(CCitedKind kind, int nRecord) const;
    /// The object a link names: the record it points to or the one written in
    /// place; null when the pointer finds no record.
    const CMediaObject* MediaObjectOf(const CMediaLink& link) const;
    /// The media packed with the file (a GEDZIP's entries); null for a plain file.
    const CMediaArchive* GetArchive() const { return m_pArchive.get(); }
    /// The same, for work that may outlast the document (a thumbnail being made).
    std::shared_ptr<const CMediaArchive> ShareArchive() const { return m_pArchive; }

    /// The files below the document's folder, looked at when first asked for.
    /// Asked for from one thread only.
    const CFolderFiles& FolderFiles() const;

    /// A text of a record, decoded from the store.
    std::wstring Str(CText text) const { return m_texts.Read(text.Handle()); }
    void AppendTo(CText text, std::wstring& out) const { m_texts.AppendTo(text.Handle(), out); }
    /// The stored bytes, for comparing texts without decoding them.
    std::string_view Bytes(CText text) const { return m_texts.Bytes(text.Handle()); }
    bool Equals(CText text, std::wstring_view other) const;
    bool Equals(CText a, CText b) const { return a.Handle() == b.Handle() || Bytes(a) == Bytes(b); }
    const CTextStore& Texts() const { return m_texts; }

    std::span<const CText> Items(const CTextList& list) const { return list.Items(m_textPool); }
    std::span<const CNote> Items(const CNoteList& list) const { return list.Items(m_notePool); }
    template <class TEvent>
    const CEventInfo& Event(const CEventSlot<TEvent>& slot) const
    {
        return slot.Get(m_events);
    }
    const CEventInfo& Event(const CEventList& list, int nIndex) const
    {
        return m_events[list.Numbers(m_eventPool)[static_cast<std::size_t>(nIndex)]];
    }
    /// The event of a number that a citation names.
    const CEventInfo& EventNumbered(std::uint32_t nEvent) const { return m_events[nEvent]; }

    /// The first person with the id, or -1; an empty id is never looked up.
    int FindPersonById(CText id) const;
    int FindPersonById(std::wstring_view id) const;
    /// The first family with the id, or -1; an empty id finds a family without one.
    int FindFamilyById(CText id) const;
    int FindFamilyById(std::wstring_view id) const;
    /// The person's father, else mother. A missing link of any kind gives -1
    /// and one warning added to `messages`.
    int FindParentIndex(int nPerson, CMessages& messages) const;
    /// What a note shows: the text of the note record that its whole value
    /// points to, else the value as written.
    std::wstring ResolveNoteText(CText text) const;
    /// The first source record with the id, or -1.
    int FindSourceById(CText id) const;
    /// The first repository record with the id, or -1.
    int FindRepositoryById(CText id) const;

    /// The folder of the file, with its trailing '/'; empty when the path has none.
    const std::wstring& GetFolder() const { return m_strFolder; }
    /// The file read, as it was named; empty for a document made otherwise.
    const std::wstring& GetPath() const { return m_strPath; }
    /// Why the file could not be read, in the system's words ("No such file or
    /// directory"); empty when it could.
    const std::wstring& GetReadFailureText() const { return m_strReadFailure; }
    /// Whether the file had lines but no GEDCOM line among them: no level-0
    /// line, not even "0 HEAD" (a picture, a letter).
    bool IsNotGedcom() const { return m_bNotGedcom; }
    /// The store's blocks and shared texts, for measuring.
    std::size_t GetTextBytes() const { return m_texts.GetBytes(); }
    std::size_t GetSharedTextCount() const { return m_texts.GetCount(); }

    // Filling, for the reader and for tests that build a document by hand.
    CPerson& AppendPerson() { return m_persons.Append(); }
    CFamily& AppendFamily() { return m_families.Append(); }
    CPerson& EditPerson(int nIndex) { return m_persons[nIndex]; }
    CFamily& EditFamily(int nIndex) { return m_families[nIndex]; }
    CText AddText(std::wstring_view text) { return text.empty() ? CText() : CText::Added(m_texts, Encoded(text)); }
    CText AddBytes(std::string_view bytes) { return CText::Added(m_texts, bytes); }
    CText ShareBytes(std::string_view bytes) { return CText::Shared(m_texts, bytes); }
    bool IsTextStoreFull() const { return m_texts.IsFull(); }
    void Append(CTextList& list, CText text) { list.Append(text, m_textPool); }
    void Append(CNoteList& list, const CNote& note) { list.Append(note, m_notePool); }
    std::span<CNote> EditItems(const CNoteList& list) { return list.Items(m_notePool); }
    std::span<CText> EditItems(const CTextList& list) { return list.Items(m_textPool); }
    std::uint32_t LastNumber(const CEventList& list) const { return list.Numbers(m_eventPool).back(); }
    CEventInfo& Append(CEventList& list, const CEventInfo& event) { return list.Append(event, m_events, m_eventPool); }
    template <class TEvent>
    CEventInfo& Edit(CEventSlot<TEvent>& slot)
    {
        return slot.Edit(m_events);
    }
    CSourceRecord& AppendSource() { return m_sources.Append(); }
    CSourceRecord& EditSource(int nIndex) { return m_sources[nIndex]; }
    CRepositoryRecord& AppendRepository() { return m_repositories.Append(); }
    CRepositoryRecord& EditRepository(int nIndex) { return m_repositories[nIndex]; }
    /// A citation of the record; records are read in order, so the citations
    /// of one record lie together.
    CCitation& AppendCitation(CCitedKind kind) { return EditCitations(kind).Append(); }
    CCitation& EditCitation(CCitedKind kind, int nIndex) { return EditCitations(kind)[nIndex]; }
    CMediaObject& AppendMediaObject() { return m_mediaObjects.Append(); }
    CMediaObject& EditMediaObject(int nIndex) { return m_mediaObjects[nIndex]; }
    CMediaLink& AppendMediaLink(CCitedKind kind) { return EditMediaLinks(kind).Append(); }
    CMediaLink& EditMediaLink(CCitedKind kind, int nIndex) { return EditMediaLinks(kind)[nIndex]; }
    void SetArchive(std::shared_ptr<const CMediaArchive> pArchive) { m_pArchive = std::move(pArchive); }
    void AppendNoteRecord(std::wstring_view id, std::wstring_view text) { m_noteRecords.Append(id, text); }
    void SetFolder(std::wstring strFolder) { m_strFolder = std::move(strFolder); }
    void SetPath(std::wstring strPath) { m_strPath = std::move(strPath); }
    void SetReadFailureText(std::wstring strText) { m_strReadFailure = std::move(strText); }
    void SetNotGedcom(bool bNotGedcom) { m_bNotGedcom = bNotGedcom; }

private:
    static std::string Encoded(std::wstring_view text);
    CRecordTable<CMediaLink>& EditMediaLinks(CCitedKind kind)
    {
        return kind == CCitedKind::Person ? m_personMedia : m_familyMedia;
    }
    CRecordTable<CCitation>& EditCitations(CCitedKind kind)
    {
        return kind == CCitedKind::Person ? m_personCitations : m_familyCitations;
    }

    CTextStore m_texts;
    CEventStore m_events;
    CCompactPool<CText> m_textPool;
    CCompactPool<CNote> m_notePool;
    CCompactPool<std::uint32_t> m_eventPool;
    CRecordTable<CPerson> m_persons;
    CRecordTable<CFamily> m_families;
    CNoteRecordTable m_noteRecords;
    CRecordTable<CSourceRecord> m_sources;
    CRecordTable<CRepositoryRecord> m_repositories;
    CRecordTable<CCitation> m_personCitations;
    CRecordTable<CCitation> m_familyCitations;
    CRecordTable<CMediaObject> m_mediaObjects;
    CRecordTable<CMediaLink> m_personMedia;
    CRecordTable<CMediaLink> m_familyMedia;
    std::shared_ptr<const CMediaArchive> m_pArchive;
    mutable std::unique_ptr<CFolderFiles> m_pFolderFiles;
    std::wstring m_strFolder;
    std::wstring m_strPath;
    std::wstring m_strReadFailure;
    bool m_bNotGedcom = false;
};

/// An empty document: no file is open.
const CDocument& EmptyDocument();
