#include "core/options/OptionTable.h"

#include "core/options/StringIds.h"

namespace {

constexpr auto General = EOptionsPage::General;
constexpr auto Display = EOptionsPage::Display;
constexpr auto CheckBox = EOptionControl::CheckBox;
constexpr auto Buttons = EOptionControl::Buttons;
constexpr auto Field = EOptionControl::Field;

// Saved in this order since settings were first written; LastFile comes
// before LastFileName, which is read only while it is on.
const CStoredOption theOptions[] = {
    {L"LastFile", &CSettings::LastFile, General, CheckBox, "lastFile", IDS_OPEN_THE_LAST_USED_FILE},
    {.m_pszName = L"LastFileName", .m_member = &CSettings::LastFileName, .m_pbKeptWhile = &CSettings::LastFile},
    {L"FileOpen", &CSettings::FileOpen, General, CheckBox, "fileOpen", IDS_START_WITH_SOURCE_FILE_SELECTION},
    {L"1Name1", &CSettings::_1Name1, Display, CheckBox, "firstNameFirst", IDS_FIRST_NAME_IS_THE_1ST},
    {L"MaidNam1", &CSettings::MaidNam1, Display, CheckBox, "maidenNameFirst", IDS_MAIDEN_NAME_IS_THE_1ST},
    {L"Sh1Nam", &CSettings::Sh1Nam, Display, CheckBox, "firstNameShort", IDS_FIRST_NAME_IS_SHORTENED},
    {L"ShowMidNam", &CSettings::ShowMidNam, Display, CheckBox, "middleName", IDS_SHOW_MIDDLE_NAME},
    {L"ShMidNam", &CSettings::ShMidNam, Display, CheckBox, "middleNameShort", IDS_MIDDLE_NAME_IS_SHORTENED},
    {L"DatForPatr", &CSettings::DatForPatr, General, CheckBox, "datForPatr", IDS_DATA_FOR_PATRIARCHS},
    {L"LevForPatr", &CSettings::LevForPatr, General, Field, "level"},
    {L"InclNick", &CSettings::InclNick, Display, CheckBox, "nickname", IDS_INCLUDE_NICKNAME_AFTER_LAST_NAME},
    {L"AsInNameTag", &CSettings::AsInNameTag, Display, Buttons, "asInNameTag", IDS_NAME_AS_IN_NAME_TAG},
    {L"PutSexLetter", &CSettings::PutSexLetter, Display, CheckBox, "sexLetter", IDS_PUT_SEX_LETTER_AFTER_NAME},
    {L"PutAge", &CSettings::PutAge, Display, CheckBox, "age", IDS_AGE_COLUMN},
    {L"PutBirthDate", &CSettings::PutBirthDate, Display, CheckBox, "birthDate", IDS_BIRTH_DATE},
    {L"PutDeathDate", &CSettings::PutDeathDate, Display, CheckBox, "deathDate", IDS_DEATH_DATE},
    {L"YearOnly", &CSettings::YearOnly, Display, CheckBox, "yearOnly", IDS_YEAR_ONLY},
    {L"DateFormat", &CSettings::DateFormat, General, Buttons, "dayFirst", IDS_DATE},
    {L"Lang", &CSettings::Lang, General, Buttons, "english", IDS_LANGUAGE, 2},
    {L"ContactsPath", &CSettings::ContactsPath},
};

} // namespace

std::span<const CStoredOption> StoredOptions()
{
    return theOptions;
}

const CStoredOption* FindStoredOption(std::wstring_view strName)
{
    for (const CStoredOption& option : theOptions) {
        if (strName == option.m_pszName)
            return &option;
    }
    return nullptr;
}

std::vector<const CStoredOption*> OptionsOnPage(EOptionsPage page, EOptionControl control)
{
    std::vector<const CStoredOption*> options;
    for (const CStoredOption& option : theOptions) {
        if (option.m_page == page && option.m_control == control)
            options.push_back(&option);
    }
    return options;
}
