#pragma once

#include "core/model/GedcomReader.h"
#include "core/views/TreeView.h"

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
    std::int64_t m_nStepBudget = 0;   ///< of each count
};

/// Reads the file and builds, with every display option on, each view a user
/// can open of its first `nFirst` persons and of its last one (list entry,
/// information page, own and parents' family, ancestors and descendants with
/// their first level), then the patriarchs with the first one opened. Boxes go
/// to the current sink. Each count has `nStepBudget` steps.
CPipelineSteps RunViewPipeline(const std::wstring& strPath, int nFirst = 8,
                               std::int64_t nStepBudget = kTreeStepBudget);
/// The same for a document read already.
CPipelineSteps RunViewPipeline(const CReadResult& read, int nFirst = 8, std::int64_t nStepBudget = kTreeStepBudget);

/// Each ancestors or descendants view within its budget of steps, and the
/// patriarchs within a budget for each person walked, and the search's.
bool KeptToTheStepBudget(const CPipelineSteps& steps);
