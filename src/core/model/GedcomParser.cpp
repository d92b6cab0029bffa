#include "core/model/GedcomParser.h"

#include "core/model/Document.h"
#include "core/text/WideText.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

enum class CTag {
    Other, Name, Nick, Givn, Surn, Sex, Fams, Famc, Birt, Chr, Deat, Will, Buri, Occu, Reli, Even,
    Husb, Wife, Chil, Marr, Div, Note, Type, Date, Age, Caus, Plac,
    // Sources, their citations and repositories.
    Sour, Page, Quay, Text, Titl, Auth, Publ, Abbr, Repo, Link, Exid,
    // Media objects and their links.
    Obje, File, Form, Prim,
};

// A tag of three to five characters as one number, so that a line costs one
// look-up rather than a chain of string comparisons: a character to a byte
// from the lowest, and the count in the top byte, so that no two tags share
// a number.
constexpr std::uint64_t TagKey(std::string_view tag)
{
    const std::size_t nSize = tag.size();
    if (nSize < 3 || nSize > 5)
        return 0;
    // Every line passes here: the bytes are loaded together where the
    // processor puts the lowest first, which gives the same number.
    if constexpr (std::endian::native == std::endian::little) {
        if (!std::is_constant_evaluated()) {
            std::uint32_t first = 0;
            std::memcpy(&first, tag.data(), nSize == 3 ? 3 : 4);
            const std::uint64_t last = nSize == 5 ? static_cast<unsigned char>(tag[4]) : 0;
            return static_cast<std::uint64_t>(nSize) << 56 | last << 32 | first;
        }
    }
    const auto byte = [tag](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(tag[i])); };
    std::uint64_t key = static_cast<std::uint64_t>(nSize) << 56 | byte(0) | byte(1) << 8 | byte(2) << 16;
    if (nSize >= 4)
        key |= byte(3) << 24;
    if (nSize == 5)
        key |= byte(4) << 32;
    return key;
}

// The tags the parser reads.
struct CTagName {
    std::uint64_t m_key;
    CTag m_tag;
};
constexpr CTagName theTagNames[] = {
    {TagKey("NAME"), CTag::Name},
    {TagKey("NICK"), CTag::Nick},
    {TagKey("GIVN"), CTag::Givn},
    {TagKey("SURN"), CTag::Surn},
    {TagKey("SEX"), CTag::Sex},
    {TagKey("FAMS"), CTag::Fams},
    {TagKey("FAMC"), CTag::Famc},
    {TagKey("BIRT"), CTag::Birt},
    {TagKey("CHR"), CTag::Chr},
    {TagKey("DEAT"), CTag::Deat},
    {TagKey("WILL"), CTag::Will},
    {TagKey("BURI"), CTag::Buri},
    {TagKey("OCCU"), CTag::Occu},
    {TagKey("RELI"), CTag::Reli},
    {TagKey("EVEN"), CTag::Even},
    {TagKey("HUSB"), CTag::Husb},
    {TagKey("WIFE"), CTag::Wife},
    {TagKey("CHIL"), CTag::Chil},
    {TagKey("MARR"), CTag::Marr},
    {TagKey("DIV"), CTag::Div},
    {TagKey("NOTE"), CTag::Note},
    {TagKey("SNOTE"), CTag::Note}, // GEDCOM 7's pointer to a shared note
    {TagKey("TYPE"), CTag::Type},
    {TagKey("DATE"), CTag::Date},
    {TagKey("AGE"), CTag::Age},
    {TagKey("CAUS"), CTag::Caus},
    {TagKey("PLAC"), CTag::Plac},
    {TagKey("SOUR"), CTag::Sour},
    {TagKey("PAGE"), CTag::Page},
    {TagKey("QUAY"), CTag::Quay},
    {TagKey("TEXT"), CTag::Text},
    {TagKey("TITL"), CTag::Titl},
    {TagKey("AUTH"), CTag::Auth},
    {TagKey("PUBL"), CTag::Publ},
    {TagKey("ABBR"), CTag::Abbr},
    {TagKey("REPO"), CTag::Repo},
    {TagKey("WWW"), CTag::Link},
    {TagKey("URL"), CTag::Link},
    {TagKey("_LINK"), CTag::Link}, // written by online services
    {TagKey("_WLNK"), CTag::Link},
    {TagKey("EXID"), CTag::Exid},
    {TagKey("OBJE"), CTag::Obje},
    {TagKey("FILE"), CTag::File},
    {TagKey("FORM"), CTag::Form},
    {TagKey("MIME"), CTag::Form},
    {TagKey("_PRIM"), CTag::Prim}, // the primary photo, as several programs mark it
};

// Every line is classified, so a tag finds its entry by one multiplication:
// the key times a factor chosen here, at compile time, so that no two tags
// share a slot of the table.
constexpr unsigned kTagSlotBits = 8;

constexpr std::size_t TagSlot(std::uint64_t key, std::uint64_t factor)
{
    return static_cast<std::size_t>((key * factor) >> (64 - kTagSlotBits));
}

constexpr std::uint64_t FindTagFactor()
{
    for (std::uint64_t factor = 0x9E3779B97F4A7C15ull;; factor += 0x2545F4914F6CDD1Dull) {
        bool abUsed[std::size_t(1) << kTagSlotBits] = {};
        bool bClash = false;
        for (const CTagName& name : theTagNames) {
            bool& bUsed = abUsed[TagSlot(name.m_key, factor)];
            bClash = bClash || bUsed;
            bUsed = true;
        }
        if (!bClash)
            return factor;
    }
}

constexpr std::uint64_t kTagFactor = FindTagFactor();

struct CTagTable {
    CTagName m_slots[std::size_t(1) << kTagSlotBits] = {};
};

constexpr CTagTable MakeTagTable()
{
    CTagTable table;
    for (const CTagName& name : theTagNames)
        table.m_slots[TagSlot(name.m_key, kTagFactor)] = name;
    return table;
}

constexpr CTagTable theTagTable = MakeTagTable();

CTag ClassifyTag(std::string_view tag)
{
    const std::uint64_t key = TagKey(tag);
    const CTagName& name = theTagTable.m_slots[TagSlot(key, kTagFactor)];
    // A key of 0 (no tag of three to five characters) meets an empty slot's.
    return name.m_key == key && key != 0 ? name.m_tag : CTag::Other;
}

// One line's work on the document being read and the reader's state.
struct CLineParser {
    CDocument& m_doc;
    CGedcomState& m_state;
    std::uint32_t m_nOpenedEvent = 0; ///< the event this line opened, if it opened one

    // Values that many records repeat are kept once; see CTextStore.
    CText Shared(std::string_view value) { return m_doc.ShareBytes(value); }
    CText Added(std::string_view value) { return m_doc.AddBytes(value); }

    template <class TEvent>
    void OpenFixedEvent(CEventSlot<TEvent>& slot, std::string_view value)
    {
        CEventInfo& event = m_doc.Edit(slot);
        m_state.m_pCurrentEvent = &event;
        m_nOpenedEvent = slot.Number();
        event.m_bPresent = true;
        event.m_strValue = Shared(value);
    }

    // OCCU, RELI and EVEN: a continued line rewrites the event it opened.
    template <class TEvent>
    void OpenListedEvent(CEventList& events, std::string_view value)
    {
        if (!m_state.m_bContinuation) {
            CEventInfo& event = m_doc.Append(events, TEvent());
            event.m_bPresent = true;
            m_state.m_pCurrentEvent = &event;
            m_nOpenedEvent = m_doc.LastNumber(events);
        }
        if (m_state.m_pCurrentEvent)
            m_state.m_pCurrentEvent->m_strValue = Shared(value);
    }

    bool ParsePersonTag(CPerson& person, CTag tag, std::string_view strValue)
    {
        switch (tag) {
        case CTag::Name: person.m_strName = Added(strValue); break;
        case CTag::Nick: person.m_strNick = Added(strValue); break;
        case CTag::Givn: person.m_strGiven = Shared(strValue); break;
        case CTag::Surn: person.m_strSurname = Shared(strValue); break;
        case CTag::Sex: person.m_strSex = Shared(strValue); break;
        case CTag::Fams: m_doc.Append(person.m_astrFams, Added(strValue)); break;
        case CTag::Famc: person.m_strFamc = Added(strValue); break;
        case CTag::Birt: OpenFixedEvent(person.m_birth, strValue); break;
        case CTag::Chr: OpenFixedEvent(person.m_christening, strValue); break;
        case CTag::Deat: OpenFixedEvent(person.m_death, strValue); break;
        case CTag::Will: OpenFixedEvent(person.m_will, strValue); break;
        case CTag::Buri: OpenFixedEvent(person.m_burial, strValue); break;
        case CTag::Occu: OpenListedEvent<COccupationEvent>(person.m_occupations, strValue); break;
        case CTag::Reli: OpenListedEvent<CReligionEvent>(person.m_religions, strValue); break;
        case CTag::Even: OpenListedEvent<CEventInfo>(person.m_events, strValue); break;
        default: return false;
        }
        return true;
    }

    bool ParseFamilyTag(CFamily& family, CTag tag, std::string_view strValue)
    {
        switch (tag) {
        case CTag::Husb: family.m_strHusband = Added(strValue); break;
        case CTag::Wife: family.m_strWife = Added(strValue); break;
        case CTag::Chil: m_doc.Append(family.m_astrChildren, Added(strValue)); break;
        case CTag::Marr: OpenFixedEvent(family.m_marriage, strValue); break;
        case CTag::Div:
            // "DIV N" says that the couple did not divorce.
            if (strValue == "N") {
                m_state.m_pCurrentEvent = nullptr;
                break;
            }
            family.m_bDivorced = 1;
            OpenFixedEvent(family.m_divorce, strValue);
            break;
        case CTag::Even: OpenListedEvent<CEventInfo>(family.m_events, strValue); break;
        default: return false;
        }
        return true;
    }

    // A continued note arrives again with more text and takes the place of the
    // note it made before.
    void StoreNote(CNoteList& notes, std::string_view value)
    {
        if (m_state.m_bContinuation && !notes.IsEmpty()) {
            m_doc.EditItems(notes).back().m_strText = Added(value);
        } else {
            CNote::LoadNoteLabel();
            CNote note;
            note.m_strText = Added(value);
            m_doc.Append(notes, note);
        }
    }

    void ParseDetail(CNoteList& recordNotes, int nLevel, CTag tag, std::string& strValue)
    {
        CEventInfo* pEvent = m_state.m_pCurrentEvent;
        if (tag == CTag::Note) {
            if (nLevel == 1)
                StoreNote(recordNotes, strValue);
            else if (pEvent)
                StoreNote(pEvent->m_notes, strValue);
            return;
        }
        if (!pEvent)
            return;
        switch (tag) {
        case CTag::Type: pEvent->m_strType = Shared(strValue); break;
        case CTag::Date: pEvent->m_strDate = Added(strValue); break;
        case CTag::Age: pEvent->m_strAge = Shared(strValue); break;
        case CTag::Caus: pEvent->m_strCause = Shared(strValue); break;
        case CTag::Plac:
            NormalisePlace(strValue);
            pEvent->m_strPlace = Shared(strValue);
            break;
        default: break;
        }
    }

    // A value that names a list's entry: a new one, or the last one again
    // with more text.
    void StoreListed(CTextList& list, std::string_view value)
    {
        if (m_state.m_bContinuation && !list.IsEmpty())
            m_doc.EditItems(list).back() = Added(value);
        else
            m_doc.Append(list, Added(value));
    }

    // The lines under a SOUR line are the citation's, whatever their tag; a
    // line at the SOUR line's level or above ends it.
    bool ParseCitationLine(CCitedKind kind, int nLevel, CTag tag, std::string_view value)
    {
        const int nCitationLevel = m_state.m_nCitationLevel;
        if (nCitationLevel < 0)
            return false;
        const bool bSourceLineAgain = nLevel == nCitationLevel && tag == CTag::Sour && m_state.m_bContinuation;
        if (nLevel <= nCitationLevel && !bSourceLineAgain) {
            m_state.m_nCitationLevel = -1;
            return false;
        }
        if (m_state.m_nCitation < 0)
            return true;
        CCitation& citation = m_doc.EditCitation(kind, m_state.m_nCitation);
        switch (tag) {
        case CTag::Sour: citation.m_strSource = Added(value); break;
        case CTag::Page: citation.m_strPage = Added(value); break;
        case CTag::Quay:
            citation.m_nQuality = value.size() == 1 && value[0] >= '0' && value[0] <= '3'
                                      ? static_cast<std::int8_t>(value[0] - '0')
                                      : std::int8_t(-1);
            break;
        case CTag::Date: citation.m_strDate = Added(value); break;
        case CTag::Text: StoreListed(citation.m_astrTexts, value); break;
        case CTag::Note: StoreNote(citation.m_notes, value); break;
        case CTag::Link:
        case CTag::Exid: StoreListed(citation.m_astrLinks, value); break;
        default: break;
        }
        return true;
    }

    // A citation on level 1 cites for the record, on level 2 for what the
    // level-1 line above it opened; one anywhere else is read past.
    void OpenCitation(CCitedKind kind, int nRecord, int nLevel, std::string_view value)
    {
        m_state.m_nCitationLevel = nLevel;
        m_state.m_nCitation = -1;
        std::int64_t nOwner = kNoCitedOwner;
        if (nLevel == 1)
            nOwner = kCitedRecord;
        else if (nLevel == 2)
            nOwner = m_state.m_nCitedOwner;
        if (nOwner == kNoCitedOwner)
            return;
        CCitation& citation = m_doc.AppendCitation(kind);
        citation.m_nRecord = static_cast<std::uint32_t>(nRecord);
        citation.m_nOwner = static_cast<std::uint32_t>(nOwner);
        citation.m_bInline = !IsPointer(value);
        // Many citations point to one source: its id is kept once.
        citation.m_strSource = citation.m_bInline ? Added(value) : Shared(value);
        m_state.m_nCitation = m_doc.Citations(kind).GetLast();
    }

    // The lines under an OBJE line are the object's or the link's, whatever
    // their tag; a line at the OBJE line's level or above ends them.
    bool ParseMediaLine(CCitedKind kind, int nLevel, CTag tag, std::string_view value)
    {
        const int nMediaLevel = m_state.m_nMediaLevel;
        if (nMediaLevel < 0)
            return false;
        if (nLevel <= nMediaLevel) {
            // A continued OBJE line arrives again at its own level.
            if (nLevel == nMediaLevel && tag == CTag::Obje && m_state.m_bContinuation)
                return true;
            m_state.m_nMediaLevel = -1;
            return false;
        }
        if (nLevel == nMediaLevel + 1)
            ParseMediaDetail(kind, tag, value);
        else if (nLevel == nMediaLevel + 2 && m_state.m_bMediaFileOpen)
            ParseMediaFileDetail(tag, value);
        return true;
    }

    void ParseMediaDetail(CCitedKind kind, CTag tag, std::string_view value)
    {
        CMediaObject* pObject =
            m_state.m_nMediaObject >= 0 ? &m_doc.EditMediaObject(m_state.m_nMediaObject) : nullptr;
        CMediaLink* pLink = m_state.m_nMediaLink >= 0 ? &m_doc.EditMediaLink(kind, m_state.m_nMediaLink) : nullptr;
        m_state.m_bMediaFileOpen = tag == CTag::File && pObject;
        switch (tag) {
        case CTag::File:
            if (pObject)
                StoreMediaFile(*pObject, value);
            break;
        case CTag::Form:
            if (pObject)
                pObject->m_strForm = Shared(value);
            break;
        case CTag::Titl:
            if (pObject)
                pObject->m_strTitle = Added(value);
            else if (pLink)
                pLink->m_strTitle = Added(value);
            break;
        case CTag::Prim:
            if (pLink)
                pLink->m_bPrimary = IsYes(value);
            else if (pObject)
                pObject->m_bPrimary = IsYes(value);
            break;
        default: break;
        }
    }

    // Each file has its form and title beside it, empty until its own lines give them.
    void StoreMediaFile(CMediaObject& object, std::string_view value)
    {
        if (m_state.m_bContinuation && !object.m_astrFiles.IsEmpty()) {
            m_doc.EditItems(object.m_astrFiles).back() = Added(value);
            return;
        }
        m_doc.Append(object.m_astrFiles, Added(value));
        m_doc.Append(object.m_astrFileForms, CText());
        m_doc.Append(object.m_astrFileTitles, CText());
    }

    void ParseMediaFileDetail(CTag tag, std::string_view value)
    {
        if (m_state.m_nMediaObject < 0)
            return;
        CMediaObject& object = m_doc.EditMediaObject(m_state.m_nMediaObject);
        if (tag == CTag::Form)
            m_doc.EditItems(object.m_astrFileForms).back() = Shared(value);
        else if (tag == CTag::Titl)
            m_doc.EditItems(object.m_astrFileTitles).back() = Added(value);
    }

    // An OBJE on level 1 is the record's, on level 2 the event's that the
    // level-1 line above it opened, or the record's when it opened none; one
    // anywhere else is read past with its lines.
    void OpenMediaLink(CCitedKind kind, int nRecord, int nLevel, std::string_view value)
    {
        m_state.m_nMediaLevel = nLevel;
        m_state.m_nMediaObject = m_state.m_nMediaLink = -1;
        m_state.m_bMediaFileOpen = false;
        if (nLevel > 2)
            return;
        const std::int64_t nCited = m_state.m_nCitedOwner;
        const bool bEvent = nLevel == 2 && nCited != kNoCitedOwner && nCited != std::int64_t(kCitedName);
        CMediaLink& link = m_doc.AppendMediaLink(kind);
        link.m_nRecord = static_cast<std::uint32_t>(nRecord);
        link.m_nOwner = bEvent ? static_cast<std::uint32_t>(nCited) : kCitedRecord;
        m_state.m_nMediaLink = m_doc.MediaLinks(kind).GetLast();
        if (IsPointer(value)) {
            link.m_strPointer = Shared(value);
            return;
        }
        m_doc.AppendMediaObject();
        link.m_nObject = m_state.m_nMediaObject = m_doc.MediaObjects().GetLast();
    }

    static bool IsYes(std::string_view value) { return value == "Y" || value == "y" || value == "YES" || value == "Yes"; }

    static bool IsPointer(std::string_view value)
    {
        return value.size() >= 3 && value.front() == '@' && value.back() == '@';
    }

    void ParseSourceTag(CSourceRecord& source, int nLevel, CTag tag, std::string_view value)
    {
        if (tag == CTag::Link || tag == CTag::Exid) {
            StoreListed(source.m_astrLinks, value);
            return;
        }
        // A repository written in place names itself on a NAME line under REPO.
        if (nLevel == 2 && tag == CTag::Name && m_state.m_astrLevelTags[1] == "REPO" &&
            !IsPointer(m_doc.Bytes(source.m_strRepository))) {
            source.m_strRepository = Added(value);
            return;
        }
        if (nLevel != 1)
            return;
        switch (tag) {
        case CTag::Titl: source.m_strTitle = Added(value); break;
        case CTag::Auth: source.m_strAuthor = Added(value); break;
        case CTag::Publ: source.m_strPublication = Added(value); break;
        case CTag::Abbr: source.m_strAbbreviation = Added(value); break;
        case CTag::Text: source.m_strText = Added(value); break;
        case CTag::Repo: source.m_strRepository = Shared(value); break;
        case CTag::Note: StoreNote(source.m_notes, value); break;
        default: break;
        }
    }

    void AppendRecord(int nRecordKind, std::string_view id)
    {
        m_state.m_nCitationLevel = -1;
        m_state.m_nMediaLevel = -1;
        if (nRecordKind == kRecordPerson)
            m_doc.AppendPerson().m_strId = Added(id);
        else if (nRecordKind == kRecordFamily)
            m_doc.AppendFamily().m_strId = Added(id);
        else if (nRecordKind == kRecordSource)
            m_doc.AppendSource().m_strId = Added(id);
        else if (nRecordKind == kRecordRepository)
            m_doc.AppendRepository().m_strId = Added(id);
        else if (nRecordKind == kRecordMedia)
            OpenMediaRecord(id);
    }

    // A record's lines are read as those under an OBJE line on level 0.
    void OpenMediaRecord(std::string_view id)
    {
        m_doc.AppendMediaObject().m_strId = Added(id);
        m_state.m_nMediaLevel = 0;
        m_state.m_nMediaObject = m_doc.MediaObjects().GetLast();
        m_state.m_nMediaLink = -1;
        m_state.m_bMediaFileOpen = false;
    }
};

void ParseSourceOrRepository(CLineParser& parser, int nRecordKind, int nLevel, CTag tag, std::string_view value)
{
    CDocument& doc = parser.m_doc;
    if (nRecordKind == kRecordSource && doc.Sources().GetLast() >= 0)
        parser.ParseSourceTag(doc.EditSource(doc.Sources().GetLast()), nLevel, tag, value);
    else if (nRecordKind == kRecordRepository && doc.Repositories().GetLast() >= 0 && nLevel == 1 &&
             tag == CTag::Name)
        doc.EditRepository(doc.Repositories().GetLast()).m_strName = parser.Added(value);
}

} // namespace

namespace {

void ParseKnownTag(CDocument& doc, CGedcomState& state, int nRecordKind, int nLevel, CTag tag, std::string& strValue)
{
    CLineParser parser{doc, state};
    const bool bPerson = nRecordKind == kRecordPerson;
    if (nRecordKind == kRecordMedia) {
        parser.ParseMediaLine(CCitedKind::Person, nLevel, tag, strValue);
        return;
    }
    if (!bPerson && nRecordKind != kRecordFamily) {
        ParseSourceOrRepository(parser, nRecordKind, nLevel, tag, strValue);
        return;
    }
    const int nRecord = bPerson ? doc.GetLastPersonIndex() : doc.GetLastFamilyIndex();
    if (nRecord < 0)
        return;
    const CCitedKind kind = bPerson ? CCitedKind::Person : CCitedKind::Family;
    if (state.m_nCitationLevel >= 0 && parser.ParseCitationLine(kind, nLevel, tag, strValue))
        return;
    if (state.m_nMediaLevel >= 0 && parser.ParseMediaLine(kind, nLevel, tag, strValue))
        return;
    if (tag == CTag::Sour) {
        if (!state.m_bContinuation)
            parser.OpenCitation(kind, nRecord, nLevel, strValue);
        return;
    }
    if (tag == CTag::Obje) {
        if (!state.m_bContinuation)
            parser.OpenMediaLink(kind, nRecord, nLevel, strValue);
        if (nLevel == 1)
            state.m_nCitedOwner = kNoCitedOwner;
        return;
    }
    if (bPerson) {
        CPerson& person = doc.EditPerson(nRecord);
        if (!parser.ParsePersonTag(person, tag, strValue))
            parser.ParseDetail(person.m_notes, nLevel, tag, strValue);
    } else {
        CFamily& family = doc.EditFamily(nRecord);
        if (!parser.ParseFamilyTag(family, tag, strValue))
            parser.ParseDetail(family.m_notes, nLevel, tag, strValue);
    }
    // What a level-2 citation below this line will cite for.
    if (nLevel == 1 && !state.m_bContinuation) {
        state.m_nCitedOwner = parser.m_nOpenedEvent != 0 ? std::int64_t(parser.m_nOpenedEvent)
                              : tag == CTag::Name        ? std::int64_t(kCitedName)
                                                         : kNoCitedOwner;
    }
}

} // namespace

void ParseGedcomLine(CDocument& doc, CGedcomState& state, int nRecordKind, int nLevel, std::string_view strTag,
                     std::string& strValue)
{
    if (nLevel == 0 && strTag.empty()) {
        CLineParser{doc, state}.AppendRecord(nRecordKind, strValue);
        return;
    }
    const CTag tag = ClassifyTag(strTag);
    if (tag != CTag::Other) {
        ParseKnownTag(doc, state, nRecordKind, nLevel, tag, strValue);
        return;
    }
    // Most lines of a file are of tags that are not read; such a line still
    // ends a citation above it, and a level-1 one what the last one opened.
    if (nLevel <= state.m_nCitationLevel)
        state.m_nCitationLevel = -1;
    if (nLevel <= state.m_nMediaLevel)
        state.m_nMediaLevel = -1;
    if (nLevel == 1 && !state.m_bContinuation)
        state.m_nCitedOwner = kNoCitedOwner;
}

// Most places are written as they are shown: each comma with one blank after
// it and no two blanks in a row. Normalising leaves such a place as it is.
// Every event's place passes here, so the model's text is looked at eight
// bytes at a time.
template <class TChar>
bool IsNormalPlace(const std::basic_string<TChar>& strPlace)
{
    std::size_t i = 0;
    if constexpr (sizeof(TChar) == 1 && std::endian::native == std::endian::little) {
        for (; i + 8 <= strPlace.size(); i += 8) {
            const std::uint64_t word = WordAt(strPlace.data() + i);
            const std::uint64_t blanks = BytesEqualTo(word, ' ');
            const bool bBlankAfter = i + 8 < strPlace.size() && strPlace[i + 8] == ' ';
            const std::uint64_t blanksNext = blanks >> 8 | (bBlankAfter ? std::uint64_t(0x80) << 56 : 0);
            if ((BytesEqualTo(word, ',') & ~blanksNext) | (blanks & blanksNext))
                return false;
        }
    }
    for (; i < strPlace.size(); ++i) {
        const bool bBlankNext = i + 1 < strPlace.size() && strPlace[i + 1] == ' ';
        if ((strPlace[i] == ' ' && bBlankNext) || (strPlace[i] == ',' && !bBlankNext))
            return false;
    }
    return true;
}

template <class TChar>
void NormalisePlace(std::basic_string<TChar>& strPlace)
{
    if (!strPlace.empty() && strPlace.back() == ',')
        strPlace.pop_back();
    if (strPlace.empty() || strPlace.back() != '.')
        strPlace.push_back('.');
    if (IsNormalPlace(strPlace))
        return;
    // One buffer for every place: a new string per place would churn the heap.
    // A comma becomes a comma and a blank, a run of commas one comma, and
    // then a run of blanks one blank, all in one pass.
    static thread_local std::basic_string<TChar> theNormal;
    theNormal.resize(2 * strPlace.size());
    TChar* const pStart = theNormal.data();
    TChar* pOut = pStart;
    const auto put = [&pOut, pStart](TChar c) {
        if (c != ' ' || pOut == pStart || pOut[-1] != ' ')
            *pOut++ = c;
    };
    for (std::size_t i = 0; i < strPlace.size(); ++i) {
        if (strPlace[i] != ',') {
            put(strPlace[i]);
        } else if (i == 0 || strPlace[i - 1] != ',') {
            put(',');
            put(' ');
        }
    }
    strPlace.assign(pStart, static_cast<std::size_t>(pOut - pStart));
}

template void NormalisePlace(std::string& strPlace);
template void NormalisePlace(std::wstring& strPlace);

// A normalised place ends with a period, so normalising it with more text
// after it changes only the new text, and in the same way as that text alone;
// a lone comma is removed as the last character.
void AppendContinuation(const CGedcomState& state, std::string_view strTag, std::string& strValue,
                        std::string_view piece)
{
    if (strTag != "PLAC" || !state.m_pCurrentEvent) {
        strValue.append(piece);
        return;
    }
    if (piece.empty() || piece == ",")
        return;
    std::string normal(piece);
    NormalisePlace(normal);
    strValue += normal;
}
