#include "gui/platform/QtWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

void CQtWaitCursorSink::Show()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void CQtWaitCursorSink::Hide()
{
    QGuiApplication::restoreOverrideCursor();
}
