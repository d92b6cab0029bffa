#pragma once

#include "cli/Commands.h"
#include "core/views/TreeView.h"

/// --depth of `tree` and `patriarchs`: the levels shown below the top one, -1
/// for all. Returns kExitDone, or kExitUsage after saying what is wrong.
int TakeTreeDepth(const CCommandCall& call, int& nMaxDepth);

/// Opens the tree view of `mode` on the person, raises the box it shows, and
/// writes the count line and the items indented by level, or the JSON
/// document, as the walk goes. kExitEmpty when the view would close.
int RunTreeView(ViewMode mode, int nPerson, int nMaxDepth, bool bJson, std::string& strOut);
