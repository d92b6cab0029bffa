#include "qtcore/platform/QtText.h"

QString ToQString(const std::wstring& strText)
{
    return QString::fromStdWString(strText);
}

std::wstring FromQString(const QString& text)
{
    return text.toStdWString();
}
