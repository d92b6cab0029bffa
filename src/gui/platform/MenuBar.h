#pragma once

#include <functional>
#include <vector>

class QMenuBar;

/// Fills `pBar` with the menus of English ids `anMenuIds` in the current
/// language; each action carries its command id and reports it to `onCommand`.
/// False, with the bar left as far as it got, when a menu is missing.
bool FillMenuBar(QMenuBar* pBar, const std::vector<int>& anMenuIds, const std::function<void(int)>& onCommand);

/// The command id an action of such a bar carries.
int CommandOf(const class QAction* pAction);
