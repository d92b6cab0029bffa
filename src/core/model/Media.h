#pragma once

#include "core/model/Text.h"

#include <cstdint>

/// One OBJE: a record (0 @M1@ OBJE) or one written in place under a person,
/// a family or an event. Each FILE comes with its own FORM and TITL, as
/// GEDCOM 5.5.1 and 7 write them; GEDCOM 5.5 writes FORM and TITL beside
/// FILE, which is read as the object's own.
struct CMediaObject {
    CText m_strId; ///< @M1@; empty for an object written in place
    CText m_strTitle;
    CText m_strForm; ///< "jpg", or a type such as "image/jpeg"
    CTextList m_astrFiles;
    CTextList m_astrFileForms; ///< one per file, empty where none is written
    CTextList m_astrFileTitles; ///< one per file, empty where none is written
    bool m_bPrimary = false; ///< _PRIM Y in the record
};

/// A person's or a family's OBJE line: a pointer to a record, or an object
/// written in place. Like a citation, it stands under the record or under one
/// of its events, named by the event's number.
struct CMediaLink {
    std::uint32_t m_nRecord = 0; ///< index of the person or family
    std::uint32_t m_nOwner = 0; ///< kCitedRecord, or an event's number
    CText m_strPointer; ///< @M1@; empty for an object written in place
    std::int32_t m_nObject = -1; ///< the object written in place, an index of the document's objects
    CText m_strTitle; ///< TITL under a pointer, as GEDCOM 7 allows
    bool m_bPrimary = false; ///< _PRIM Y under the link
};
