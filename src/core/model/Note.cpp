#include "model/Note.h"

#include "options/Language.h"
#include "options/StringIds.h"

std::wstring CNote::theLabel;
bool CNote::theLabelLoaded = false;

CNote::CNote(std::wstring strText) : m_strText(std::move(strText))
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
