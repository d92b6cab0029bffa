#include "core/app/OpeningMessage.h"

#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"

CMessages GetOpeningMessage(const std::wstring& strPath, const CDocument& doc, bool bRead)
{
    const std::wstring& strFailure = doc.GetReadFailureText();
    if (!bRead && !strFailure.empty())
        return {{LoadLangString(IDS_CANT_OPEN_SOURCE_FILE) + L" " + strPath + L".\n" + strFailure,
                 LoadBaseString(IDS_PRODUCT_NAME), CMessageIcon::Stop}};
    if (!bRead)
        return {};
    // A picture or a letter reads without error but gives nothing to browse.
    if (doc.IsNotGedcom())
        return {{LoadLangString(IDS_NOT_GEDCOM_FILE) + L" " + strPath, LoadLangString(IDS_MESSAGE),
                 CMessageIcon::Exclamation}};
    // Families alone give nothing to browse either: every view starts from a person.
    if (doc.GetLastPersonIndex() < 0)
        return {{LoadLangString(IDS_INPUT_FILE_EMPTY), LoadLangString(IDS_MESSAGE), CMessageIcon::Exclamation}};
    return {};
}
