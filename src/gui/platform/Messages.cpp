#include "gui/platform/Messages.h"

#include "core/text/WideText.h"

#include <cstdio>

QWidget* theTopWindow = nullptr;

namespace {

CMessageSink* theMessageSink = nullptr;

} // namespace

CMessageSink* SetMessageSink(CMessageSink* pSink)
{
    CMessageSink* pPrevious = theMessageSink;
    theMessageSink = pSink;
    return pPrevious;
}

void ShowMessage(QWidget* pOwner, const CMessageBox& box)
{
    if (theMessageSink) {
        theMessageSink->Show(pOwner, box);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", WideToUtf8(box.m_strCaption).c_str(), WideToUtf8(box.m_strText).c_str());
}

void ShowMessage(QWidget* pOwner, const std::wstring& strText, const std::wstring& strCaption,
                 CMessageIcon icon)
{
    ShowMessage(pOwner, CMessageBox{strText, strCaption, icon});
}

void ShowMessages(QWidget* pOwner, const CMessages& messages)
{
    for (const CMessageBox& box : messages)
        ShowMessage(pOwner, box);
}
