#include "core/views/OptionsPages.h"

#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <climits>

namespace {

// The page's buttons; any other stored language (Italian) checks none.
bool HasButton(const std::wstring& strLang)
{
    return strLang == L"En" || strLang == L"Fr" || strLang == L"Ge" || strLang == L"Ru";
}

} // namespace

int LevelFromText(const std::wstring& strText)
{
    const long long nLevel = LeadingNumber(std::wstring_view(strText).substr(0, 40));
    return static_cast<int>(std::clamp<long long>(nLevel, INT_MIN, INT_MAX));
}

CGeneralPageValues OpenGeneralPage()
{
    CGeneralPageValues values;
    values.m_bFileOpen = Settings.FileOpen;
    values.m_bLastFile = Settings.LastFile;
    if (HasButton(Settings.Lang)) {
        values.m_strLang = Settings.Lang;
        ResetLanguageOffsets(Settings.Lang);
    }
    values.m_bDatForPatr = Settings.DatForPatr;
    values.m_strLevel = std::to_wstring(Settings.LevForPatr);
    values.m_nDateFormat = Settings.DateFormat == 0 || Settings.DateFormat == 1 ? Settings.DateFormat : -1;
    return values;
}

CDisplayPageValues OpenDisplayPage()
{
    CDisplayPageValues values;
    values.AsInNameTag = Settings.AsInNameTag;
    values.PutSexLetter = Settings.PutSexLetter;
    values._1Name1 = Settings._1Name1;
    values.Sh1Nam = Settings.Sh1Nam;
    values.ShowMidNam = Settings.ShowMidNam;
    values.ShMidNam = Settings.ShMidNam;
    values.MaidNam1 = Settings.MaidNam1;
    values.InclNick = Settings.InclNick;
    values.PutBirthDate = Settings.PutBirthDate;
    values.PutDeathDate = Settings.PutDeathDate;
    values.YearOnly = Settings.YearOnly;
    values.PutAge = Settings.PutAge;
    return values;
}

void ConfirmGeneralPage(const CGeneralPageValues& values)
{
    Settings.FileOpen = values.m_bFileOpen;
    Settings.LastFile = values.m_bLastFile;
    if (HasButton(values.m_strLang)) {
        Settings.Lang = values.m_strLang;
        SetLanguage(values.m_strLang);
    }
    CEventInfo::theLabelsLoaded = false;
    CNote::theLabelLoaded = false;
    CEventInfo::LoadEventLabels();
    CNote::LoadNoteLabel();
    Settings.DatForPatr = values.m_bDatForPatr;
    Settings.LevForPatr = LevelFromText(values.m_strLevel);
    if (values.m_nDateFormat == 0 || values.m_nDateFormat == 1)
        Settings.DateFormat = values.m_nDateFormat;
}

void ConfirmDisplayPage(const CDisplayPageValues& values)
{
    Settings.AsInNameTag = values.AsInNameTag;
    Settings.PutSexLetter = values.PutSexLetter;
    Settings._1Name1 = values._1Name1;
    Settings.Sh1Nam = values.Sh1Nam;
    Settings.ShowMidNam = values.ShowMidNam;
    Settings.ShMidNam = values.ShMidNam;
    Settings.MaidNam1 = values.MaidNam1;
    Settings.InclNick = values.InclNick;
    Settings.PutBirthDate = values.PutBirthDate;
    Settings.PutDeathDate = values.PutDeathDate;
    Settings.YearOnly = values.YearOnly;
    Settings.PutAge = values.PutAge;
}
