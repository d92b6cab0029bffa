#pragma once

#include <string>

class QWidget;

/// Puts a window where the last window of its kind stood when it closed.
/// False when nothing is kept for the kind (or `strKind` is empty): the caller
/// then places the window itself.
bool RestoreWindowPlace(QWidget* pWindow, const std::wstring& strKind);

/// Keeps the window's size and place for the next window of its kind, in the
/// stored value "<kind>Place". An empty kind keeps nothing.
void KeepWindowPlace(const QWidget* pWindow, const std::wstring& strKind);
