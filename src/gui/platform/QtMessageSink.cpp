#include "gui/platform/QtMessageSink.h"

#include "qtcore/platform/QtText.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

namespace {

// The main window shown, for a box that comes before any window is in front.
QWidget* ShownMainWindow()
{
    for (QWidget* pWindow : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(pWindow) && pWindow->isVisible())
            return pWindow;
    return nullptr;
}

// A window just shown is placed by the window system a moment later; a box
// centred on it before that would stand where the window was asked to be,
// often the top left corner of the screen.
void WaitUntilPlaced(QWidget* pOwner)
{
    constexpr int kWaitMs = 1000;
    const QWindow* pWindow = pOwner->window()->windowHandle();
    if (!pWindow || !pOwner->isVisible())
        return;
    const QDeadlineTimer deadline(kWaitMs);
    while (!pWindow->isExposed() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

} // namespace

void CQtMessageSink::Show(QWidget* pOwner, const CMessageBox& box)
{
    QMessageBox::Icon qtIcon = QMessageBox::Warning;
    if (box.m_icon == CMessageIcon::Information)
        qtIcon = QMessageBox::Information;
    else if (box.m_icon == CMessageIcon::Stop)
        qtIcon = QMessageBox::Critical;
    // A box with no owner named belongs to the window in front, else to the
    // main window: as its child it stands centred over it rather than wherever
    // the desktop puts it.
    QWidget* pParent = pOwner ? pOwner : theTopWindow ? theTopWindow : ShownMainWindow();
    if (pParent)
        WaitUntilPlaced(pParent);
    QMessageBox qtBox(qtIcon, ToQString(box.m_strCaption), ToQString(box.m_strText), QMessageBox::Ok, pParent);
    qtBox.exec();
}
