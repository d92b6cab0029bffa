#include "gui/platform/QtMessageSink.h"

#include "qtcore/platform/QtText.h"

#include <QMessageBox>
#include <QWidget>

void CQtMessageSink::Show(QWidget* pOwner, const CMessageBox& box)
{
    QMessageBox::Icon qtIcon = QMessageBox::Warning;
    if (box.m_icon == CMessageIcon::Information)
        qtIcon = QMessageBox::Information;
    else if (box.m_icon == CMessageIcon::Stop)
        qtIcon = QMessageBox::Critical;
    // A box with no owner named belongs to the window in front: as its child
    // it sits centred over it rather than wherever the desktop puts it.
    QMessageBox qtBox(qtIcon, ToQString(box.m_strCaption), ToQString(box.m_strText), QMessageBox::Ok,
                      pOwner ? pOwner : theTopWindow);
    qtBox.exec();
}
