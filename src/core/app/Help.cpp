#include "core/app/Help.h"

const wchar_t* const theHelpFilePrefix = L"Stemmark.htm#";

namespace {

CHelpLauncher* theHelpLauncher = nullptr;

} // namespace

CHelpLauncher* SetHelpLauncher(CHelpLauncher* pLauncher)
{
    CHelpLauncher* pPrevious = theHelpLauncher;
    theHelpLauncher = pLauncher;
    return pPrevious;
}

void ShowHelpTopic(const std::wstring& strTopic)
{
    RunHelpViewer(theHelpFilePrefix, strTopic);
}

void RunHelpViewer(const std::wstring& strFilePrefix, const std::wstring& strTopic)
{
    if (theHelpLauncher)
        theHelpLauncher->Launch(strFilePrefix + strTopic);
}
