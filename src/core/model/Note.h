#pragma once

#include "core/model/CountedList.h"
#include "core/model/Text.h"

#include <string>

/// One NOTE line with its continuation lines joined, or the id of a NOTE record.
class CNote {
public:
    CNote() = default;
    explicit CNote(CText text);

    CText m_strText;

    /// The "Notes" label in the current language, shared by all notes.
    static std::wstring theLabel;
    /// Cleared to have LoadNoteLabel read the label again.
    static bool theLabelLoaded;
    static void LoadNoteLabel();
};

using CNoteList = CCompactList<CNote>;
