#pragma once

#include <cstdint>
#include <string>

/// What opening every view of a file cost the tree counts, in links followed.
struct CPipelineSteps {
    bool m_bRead = false; ///< ReadGedcomFile's result
    int m_nPersons = 0;   ///< persons read
    int m_nPersonsViewed = 0;
    std::int64_t m_nMostTreeSteps = 0; ///< the most one ancestors or descendants view took
    std::int64_t m_nPatriarchSteps = 0;
    int m_nPatriarchCandidates = 0; ///< persons with an own family, each walked for its depth
};

/// Reads the file and builds, with every display option on, each view a user
/// can open of its first `nFirst` persons and of its last one (list entry,
/// information page, own and parents' family, ancestors and descendants with
/// their first level), then the patriarchs with the first one opened. Boxes go
/// to the current sink; the options are restored and the tables emptied at
/// the end.
CPipelineSteps RunViewPipeline(const std::wstring& strPath, int nFirst = 8);

/// Each ancestors or descendants view within kTreeStepBudget steps, and the
/// patriarchs within a budget for each person walked and one more.
bool KeptToTheStepBudget(const CPipelineSteps& steps);
