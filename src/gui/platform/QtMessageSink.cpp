#include "platform/QtMessageSink.h"

#include "platform/QtText.h"

#include <QMessageBox>

void CQtMessageSink::Show(CWindowHandle owner, const std::wstring& strText, const std::wstring& strCaption,
                          CMessageIcon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::Warning;
    if (icon == CMessageIcon::Information)
        qtIcon = QMessageBox::Information;
    else if (icon == CMessageIcon::Stop)
        qtIcon = QMessageBox::Critical;
    QMessageBox box(qtIcon, ToQString(strCaption), ToQString(strText), QMessageBox::Ok,
                    static_cast<QWidget*>(owner));
    box.exec();
}
