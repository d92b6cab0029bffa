#include "gui/platform/UrlOpener.h"

#include <QDesktopServices>

CUrlOpener& UrlOpener()
{
    static CUrlOpener theOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return theOpener;
}
