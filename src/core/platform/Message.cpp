#include "core/platform/Message.h"

#include "core/text/WideText.h"

#include <cstdio>

CWindowHandle theTopWindow = nullptr;

namespace {

CMessageSink* theMessageSink = nullptr;

} // namespace

CMessageSink* SetMessageSink(CMessageSink* pSink)
{
    CMessageSink* pPrevious = theMessageSink;
    theMessageSink = pSink;
    return pPrevious;
}

void ShowMessage(CWindowHandle owner, const std::wstring& strText,
                 const std::wstring& strCaption, CMessageIcon icon)
{
    if (theMessageSink) {
        theMessageSink->Show(owner, strText, strCaption, icon);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", WideToUtf8(strCaption).c_str(), WideToUtf8(strText).c_str());
}
