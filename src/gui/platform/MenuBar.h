#pragma once

#include <QStringList>

#include <functional>
#include <vector>

class QMenuBar;

/// Fills `pBar` with the menus of English ids `anMenuIds` in the current
/// language; each action carries its command id and reports it to `onCommand`.
/// The captions get their Alt letters, Open and Topic their keys, and F10 in
/// the bar's window opens the first menu.
/// False, with the bar left as far as it got, when a menu is missing.
bool FillMenuBar(QMenuBar* pBar, const std::vector<int>& anMenuIds, const std::function<void(int)>& onCommand);

/// The captions of one bar with an '&' before the first letter of each that no
/// caption before it has taken; a caption that marks its own letter keeps it.
QStringList WithMnemonics(const QStringList& captions);

/// True when an item of the bar runs the command.
bool BarCarries(const QMenuBar* pBar, int nCommand);

/// The command id an action of such a bar carries.
int CommandOf(const class QAction* pAction);
