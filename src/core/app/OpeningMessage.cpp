#include "core/app/OpeningMessage.h"

#include "core/model/GedcomReader.h"
#include "core/model/Tables.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"

CMessages GetOpeningMessage(const std::wstring& strPath, bool bRead)
{
    if (!bRead && !GetReadFailureText().empty())
        return {{LoadLangString(IDS_CANT_OPEN_SOURCE_FILE) + L" " + strPath + L".\n" + GetReadFailureText(),
                 LoadBaseString(IDS_PRODUCT_NAME), CMessageIcon::Stop}};
    // A picture or a letter reads without error but gives nothing to browse.
    if (bRead && theLastPersonIndex < 0 && theLastFamilyIndex < 0)
        return {{LoadLangString(IDS_INPUT_FILE_EMPTY), LoadLangString(IDS_MESSAGE), CMessageIcon::Exclamation}};
    return {};
}
