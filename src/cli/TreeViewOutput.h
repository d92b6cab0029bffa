#pragma once

#include "cli/Commands.h"
#include "core/views/TreeView.h"

/// --depth of `tree` and `patriarchs`: the levels shown below the top one, -1
/// for all. Returns kExitDone, or kExitUsage after saying what is wrong.
int TakeTreeDepth(const CCommandCall& call, int& nMaxDepth);

/// Opens the tree view of `mode` on the person, raises the box it shows, and
/// writes the count line and the items indented by level, or the JSON
/// document, as the walk goes. kExitEmpty when the view would close.
/// A walk stops after `nItemLimit` items with the box the program shows for a
/// branch too large to open: a knot of a few persons has more paths than any
/// output could hold.
int RunTreeView(const CDocument& doc, const CViewOptions& options, ViewMode mode, int nPerson, int nMaxDepth,
                bool bJson, std::string& strOut, std::int64_t nItemLimit = kTreeStepBudget);
