#include "core/views/OptionsPages.h"

#include "core/model/EventInfo.h"
#include "core/model/Note.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <climits>

namespace {

// Each language of the table has its button; a stored code not in it checks none.
bool HasButton(const std::wstring& strLang)
{
    return FindLanguage(strLang) != nullptr;
}

// Every plain check box of the page, as its option stands.
COptionBoxes OpenBoxes(EOptionsPage page)
{
    COptionBoxes boxes;
    for (const CStoredOption* pOption : OptionsOnPage(page, EOptionControl::CheckBox))
        boxes[pOption] = *SettingOf<bool>(*pOption);
    return boxes;
}

void ConfirmBoxes(const COptionBoxes& boxes)
{
    for (const auto& [pOption, bChecked] : boxes)
        *SettingOf<bool>(*pOption) = bChecked;
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
    values.m_boxes = OpenBoxes(EOptionsPage::General);
    if (HasButton(Settings.Lang)) {
        values.m_strLang = Settings.Lang;
        ResetLanguageOffsets(Settings.Lang);
    }
    values.m_strLevel = std::to_wstring(Settings.LevForPatr);
    values.m_nDateFormat = Settings.DateFormat == 0 || Settings.DateFormat == 1 ? Settings.DateFormat : -1;
    return values;
}

CDisplayPageValues OpenDisplayPage()
{
    CDisplayPageValues values;
    values.m_boxes = OpenBoxes(EOptionsPage::Display);
    values.m_bAsInNameTag = Settings.AsInNameTag;
    return values;
}

void ConfirmGeneralPage(const CGeneralPageValues& values)
{
    ConfirmBoxes(values.m_boxes);
    if (HasButton(values.m_strLang)) {
        Settings.Lang = values.m_strLang;
        SetLanguage(values.m_strLang);
    }
    CEventInfo::theLabelsLoaded = false;
    CNote::theLabelLoaded = false;
    CEventInfo::LoadEventLabels();
    CNote::LoadNoteLabel();
    Settings.LevForPatr = LevelFromText(values.m_strLevel);
    if (values.m_nDateFormat == 0 || values.m_nDateFormat == 1)
        Settings.DateFormat = values.m_nDateFormat;
}

void ConfirmDisplayPage(const CDisplayPageValues& values)
{
    ConfirmBoxes(values.m_boxes);
    Settings.AsInNameTag = values.m_bAsInNameTag;
}
