#pragma once

#include <QUrl>

#include <functional>

/// Opens a web address in the desktop's browser; tests put a recorder in its place.
using CUrlOpener = std::function<bool(const QUrl&)>;

/// The opener links of pages go through.
CUrlOpener& UrlOpener();
