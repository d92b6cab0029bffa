#include "core/views/ViewOptions.h"

#include "core/options/Settings.h"

CViewOptions ViewOptionsFrom(const CSettings& settings)
{
    CViewOptions options;
    options.m_names.m_bFirstFirst = settings._1Name1;
    options.m_names.m_bMaidenFirst = settings.MaidNam1;
    options.m_names.m_bFirstInitial = settings.Sh1Nam;
    options.m_names.m_bMiddleInitial = settings.ShMidNam;
    options.m_names.m_bShowMiddle = settings.ShowMidNam;
    options.m_names.m_bNick = settings.InclNick;
    options.m_names.m_bAsInNameTag = settings.AsInNameTag;
    options.m_dates.m_nFormat = settings.DateFormat;
    options.m_list.m_bBirthDate = settings.PutBirthDate;
    options.m_list.m_bDeathDate = settings.PutDeathDate;
    options.m_list.m_bAge = settings.PutAge;
    options.m_list.m_bYearOnly = settings.YearOnly;
    options.m_bSexLetter = settings.PutSexLetter;
    options.m_nPatriarchLevel = settings.LevForPatr;
    options.m_bPatriarchData = settings.DatForPatr;
    return options;
}
