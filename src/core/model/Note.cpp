#include "core/model/Note.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"

std::wstring CNote::theLabel;
bool CNote::theLabelLoaded = false;

CNote::CNote(CText text) : m_strText(text)
{
    LoadNoteLabel();
}

void CNote::LoadNoteLabel()
{
    if (theLabelLoaded)
        return;
    theLabelLoaded = true;
    theLabel = LoadLangString(IDS_NOTES);
}
