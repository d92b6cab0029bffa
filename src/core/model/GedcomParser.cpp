#include "core/model/GedcomParser.h"

#include "core/model/Tables.h"
#include "core/text/WideText.h"

#include <cstdint>

namespace {

enum class CTag {
    Other, Name, Nick, Givn, Surn, Sex, Fams, Famc, Birt, Chr, Deat, Will, Buri, Occu, Reli, Even,
    Husb, Wife, Chil, Marr, Div, Note, Type, Date, Age, Caus, Plac,
};

// A tag of three to five characters as one number, so that a line costs one
// switch rather than a chain of string comparisons.
constexpr std::uint64_t TagKey(std::wstring_view tag)
{
    if (tag.size() < 3 || tag.size() > 5)
        return 0;
    std::uint64_t key = 0;
    for (const wchar_t c : tag) {
        if (c <= 0 || c > 0x7F)
            return 0;
        key = key << 8 | static_cast<std::uint64_t>(c);
    }
    return key;
}

CTag ClassifyTag(std::wstring_view tag)
{
    switch (TagKey(tag)) {
    case TagKey(L"NAME"): return CTag::Name;
    case TagKey(L"NICK"): return CTag::Nick;
    case TagKey(L"GIVN"): return CTag::Givn;
    case TagKey(L"SURN"): return CTag::Surn;
    case TagKey(L"SEX"): return CTag::Sex;
    case TagKey(L"FAMS"): return CTag::Fams;
    case TagKey(L"FAMC"): return CTag::Famc;
    case TagKey(L"BIRT"): return CTag::Birt;
    case TagKey(L"CHR"): return CTag::Chr;
    case TagKey(L"DEAT"): return CTag::Deat;
    case TagKey(L"WILL"): return CTag::Will;
    case TagKey(L"BURI"): return CTag::Buri;
    case TagKey(L"OCCU"): return CTag::Occu;
    case TagKey(L"RELI"): return CTag::Reli;
    case TagKey(L"EVEN"): return CTag::Even;
    case TagKey(L"HUSB"): return CTag::Husb;
    case TagKey(L"WIFE"): return CTag::Wife;
    case TagKey(L"CHIL"): return CTag::Chil;
    case TagKey(L"MARR"): return CTag::Marr;
    case TagKey(L"DIV"): return CTag::Div;
    case TagKey(L"NOTE"): return CTag::Note;
    case TagKey(L"SNOTE"): return CTag::Note; // GEDCOM 7's pointer to a shared note
    case TagKey(L"TYPE"): return CTag::Type;
    case TagKey(L"DATE"): return CTag::Date;
    case TagKey(L"AGE"): return CTag::Age;
    case TagKey(L"CAUS"): return CTag::Caus;
    case TagKey(L"PLAC"): return CTag::Plac;
    default: return CTag::Other;
    }
}

void OpenFixedEvent(CEventInfo& event, const std::wstring& strValue)
{
    theGedcomState.m_pCurrentEvent = &event;
    event.m_bPresent = true;
    event.m_strValue = strValue;
}

// OCCU, RELI and EVEN: a continued line rewrites the event it opened.
template <class TEvent>
void OpenListedEvent(CEventList& events, const std::wstring& strValue)
{
    if (!theGedcomState.m_bContinuation) {
        CEventInfo& event = events.Append(TEvent());
        event.m_bPresent = true;
        theGedcomState.m_pCurrentEvent = &event;
    }
    if (theGedcomState.m_pCurrentEvent)
        theGedcomState.m_pCurrentEvent->m_strValue = strValue;
}

bool ParsePersonTag(CPerson& person, CTag tag, const std::wstring& strValue)
{
    switch (tag) {
    case CTag::Name: person.m_strName = strValue; break;
    case CTag::Nick: person.m_strNick = strValue; break;
    case CTag::Givn: person.m_strGiven = strValue; break;
    case CTag::Surn: person.m_strSurname = strValue; break;
    case CTag::Sex: person.m_strSex = strValue; break;
    case CTag::Fams: person.m_astrFams.Append(strValue); break;
    case CTag::Famc: person.m_strFamc = strValue; break;
    case CTag::Birt: OpenFixedEvent(person.m_birth.Edit(), strValue); break;
    case CTag::Chr: OpenFixedEvent(person.m_christening.Edit(), strValue); break;
    case CTag::Deat: OpenFixedEvent(person.m_death.Edit(), strValue); break;
    case CTag::Will: OpenFixedEvent(person.m_will.Edit(), strValue); break;
    case CTag::Buri: OpenFixedEvent(person.m_burial.Edit(), strValue); break;
    case CTag::Occu: OpenListedEvent<COccupationEvent>(person.m_occupations, strValue); break;
    case CTag::Reli: OpenListedEvent<CReligionEvent>(person.m_religions, strValue); break;
    case CTag::Even: OpenListedEvent<CEventInfo>(person.m_events, strValue); break;
    default: return false;
    }
    return true;
}

bool ParseFamilyTag(CFamily& family, CTag tag, const std::wstring& strValue)
{
    switch (tag) {
    case CTag::Husb: family.m_strHusband = strValue; break;
    case CTag::Wife: family.m_strWife = strValue; break;
    case CTag::Chil: family.m_astrChildren.Append(strValue); break;
    case CTag::Marr: OpenFixedEvent(family.m_marriage.Edit(), strValue); break;
    case CTag::Div:
        family.m_bDivorced = 1;
        OpenFixedEvent(family.m_divorce.Edit(), strValue);
        break;
    case CTag::Even: OpenListedEvent<CEventInfo>(family.m_events, strValue); break;
    default: return false;
    }
    return true;
}

// A continued note arrives again with more text and takes the place of the
// note it made before.
void StoreNote(CNoteList& notes, const std::wstring& strValue)
{
    if (theGedcomState.m_bContinuation && !notes.IsEmpty())
        notes[notes.GetLast()].m_strText = strValue;
    else
        notes.Append(CNote(strValue));
}

void ParseDetail(CNoteList& recordNotes, int nLevel, CTag tag, std::wstring& strValue)
{
    CEventInfo* pEvent = theGedcomState.m_pCurrentEvent;
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
    case CTag::Type: pEvent->m_strType = strValue; break;
    case CTag::Date: pEvent->m_strDate = strValue; break;
    case CTag::Age: pEvent->m_strAge = strValue; break;
    case CTag::Caus: pEvent->m_strCause = strValue; break;
    case CTag::Plac:
        NormalisePlace(strValue);
        pEvent->m_strPlace = strValue;
        break;
    default: break;
    }
}

void AppendRecord(int nRecordKind, const std::wstring& strId)
{
    if (nRecordKind == kRecordPerson)
        thePersons.Append().m_strId = strId;
    else if (nRecordKind == kRecordFamily)
        theFamilies.Append().m_strId = strId;
}

} // namespace

void ParseGedcomLine(int nRecordKind, int nLevel, const std::wstring& strTag, std::wstring& strValue)
{
    if (nLevel == 0 && strTag.empty()) {
        AppendRecord(nRecordKind, strValue);
        return;
    }
    const CTag tag = ClassifyTag(strTag);
    if (tag == CTag::Other)
        return;
    if (nRecordKind == kRecordPerson && theLastPersonIndex >= 0) {
        CPerson& person = thePersons[theLastPersonIndex];
        if (!ParsePersonTag(person, tag, strValue))
            ParseDetail(person.m_notes, nLevel, tag, strValue);
    } else if (nRecordKind == kRecordFamily && theLastFamilyIndex >= 0) {
        CFamily& family = theFamilies[theLastFamilyIndex];
        if (!ParseFamilyTag(family, tag, strValue))
            ParseDetail(family.m_notes, nLevel, tag, strValue);
    }
}

void NormalisePlace(std::wstring& strPlace)
{
    if (!strPlace.empty() && strPlace.back() == L',')
        strPlace.pop_back();
    if (strPlace.empty() || strPlace.back() != L'.')
        strPlace.push_back(L'.');
    if (strPlace.find(L',') == std::wstring::npos && strPlace.find(L"  ") == std::wstring::npos)
        return;
    // One buffer for every place: a new string per place would churn the heap.
    static thread_local std::wstring theNormal;
    theNormal.clear();
    for (std::size_t i = 0; i < strPlace.size(); ++i) {
        if (strPlace[i] != L',')
            theNormal.push_back(strPlace[i]);
        else if (i == 0 || strPlace[i - 1] != L',') // a run of commas is one comma
            theNormal.append(L", ");
    }
    CollapseBlanks(theNormal);
    strPlace.assign(theNormal);
}

// A normalised place ends with a period, so normalising it with more text
// after it changes only the new text, and in the same way as that text alone;
// a lone comma is removed as the last character.
void AppendContinuation(const std::wstring& strTag, std::wstring& strValue, std::wstring_view piece)
{
    if (strTag != L"PLAC" || !theGedcomState.m_pCurrentEvent) {
        strValue.append(piece);
        return;
    }
    if (piece.empty() || piece == L",")
        return;
    std::wstring normal(piece);
    NormalisePlace(normal);
    strValue += normal;
}
