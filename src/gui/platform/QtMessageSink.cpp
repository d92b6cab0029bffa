#include "gui/platform/QtMessageSink.h"

#include "qtcore/platform/QtText.h"

#include <QMessageBox>
#include <QWidget>

void CQtMessageSink::Show(CWindowHandle owner, const std::wstring& strText, const std::wstring& strCaption,
                          CMessageIcon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::Warning;
    if (icon == CMessageIcon::Information)
        qtIcon = QMessageBox::Information;
    else if (icon == CMessageIcon::Stop)
        qtIcon = QMessageBox::Critical;
    // A box with no owner named belongs to the window in front: as its child
    // it sits centred over it rather than wherever the desktop puts it.
    auto* pOwner = static_cast<QWidget*>(owner ? owner : theTopWindow);
    QMessageBox box(qtIcon, ToQString(strCaption), ToQString(strText), QMessageBox::Ok, pOwner);
    box.exec();
}
