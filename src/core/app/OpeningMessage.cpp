#include "core/app/OpeningMessage.h"

#include "core/model/GedcomReader.h"
#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"

COpeningMessage GetOpeningMessage(const std::wstring& strPath, bool bRead)
{
    COpeningMessage message;
    if (!bRead && !GetReadFailureText().empty()) {
        message.m_strText = LoadLangString(IDS_CANT_OPEN_SOURCE_FILE) + L" " + strPath + L".\n" + GetReadFailureText();
        message.m_strCaption = LoadBaseString(IDS_PRODUCT_NAME);
        message.m_icon = CMessageIcon::Stop;
    } else if (bRead && theLastPersonIndex < 0 && theLastFamilyIndex < 0) {
        // A picture or a letter reads without error but gives nothing to browse.
        message.m_strText = LoadLangString(IDS_INPUT_FILE_EMPTY);
        message.m_strCaption = LoadLangString(IDS_MESSAGE);
    }
    return message;
}
