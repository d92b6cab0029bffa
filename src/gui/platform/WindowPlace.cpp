#include "gui/platform/WindowPlace.h"

#include "core/options/Settings.h"
#include "qtcore/platform/QtText.h"

#include <QByteArray>
#include <QWidget>

namespace {

std::wstring PlaceName(const std::wstring& strKind)
{
    return strKind + L"Place";
}

} // namespace

bool RestoreWindowPlace(QWidget* pWindow, const std::wstring& strKind)
{
    std::wstring strValue;
    if (strKind.empty() || ReadRegString(PlaceName(strKind), strValue) < 0 || strValue.empty())
        return false;
    // The value is text in the store; the window's own record travels as base64.
    const QByteArray geometry = QByteArray::fromBase64(ToQString(strValue).toLatin1());
    return pWindow->restoreGeometry(geometry);
}

void KeepWindowPlace(const QWidget* pWindow, const std::wstring& strKind)
{
    if (strKind.empty())
        return;
    WriteRegString(PlaceName(strKind), FromQString(QString::fromLatin1(pWindow->saveGeometry().toBase64())));
}
