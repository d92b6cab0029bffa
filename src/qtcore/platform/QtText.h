#pragma once

#include <QString>

#include <string>

// The one crossing between the core's wide text and Qt's.

QString ToQString(const std::wstring& strText);
std::wstring FromQString(const QString& text);
