#pragma once

#include "core/model/Dates.h"
#include "core/model/Names.h"

struct CSettings;

/// What a person list adds after each name.
struct CListOptions {
    bool m_bBirthDate = false;
    bool m_bDeathDate = false;
    bool m_bAge = false;
    bool m_bYearOnly = false; ///< dates cut to their last four characters
};

/// How the views read: names, dates, list entries and patriarchs, as a value
/// made from the stored options when a view is built.
struct CViewOptions {
    CNameStyle m_names;
    CDateStyle m_dates;
    CListOptions m_list;
    bool m_bSexLetter = false;     ///< the sex after the name on a person's page
    int m_nPatriarchLevel = 3;     ///< least descendant generations of a patriarch
    bool m_bPatriarchData = true;  ///< descendants and generations after each patriarch
};

/// The options as the settings hold them now.
CViewOptions ViewOptionsFrom(const CSettings& settings);
