#include "cli/Commands.h"

#include "cli/HtmlText.h"
#include "core/contacts/ContactsComparison.h"
#include "core/text/WideText.h"
#include "core/views/PersonPage.h"

namespace {

void WritePage(CJsonWriter& writer, const char* pszKey, const std::wstring& strBody)
{
    writer.Key(pszKey);
    if (strBody.empty())
        writer.Null();
    else
        writer.String(MakePageDocument(strBody));
}

// The box goes to standard error as the program would show it; the pages are
// those the program opens one after the other.
int RunCompare(const CCommandCall& call, std::string& strOut)
{
    const CContactsComparison result = CompareWithContacts(call.Doc(), call.m_astrOperands[0], call.m_viewOptions.m_dates);
    if (!result.m_strMessage.empty())
        PrintMessages({{result.m_strMessage, result.m_strCaption, result.m_icon}});
    if (call.m_bJson) {
        CJsonWriter writer;
        writer.BeginObject();
        WritePage(writer, "differencesHtml", result.m_strDifferencesBody);
        WritePage(writer, "matchesHtml", result.m_strMatchesBody);
        writer.Key("message");
        if (result.m_strMessage.empty())
            writer.Null();
        else
            writer.String(result.m_strMessage);
        writer.EndObject();
        FinishDocument(writer, strOut);
    } else {
        std::wstring strText;
        for (const std::wstring* pBody : {&result.m_strDifferencesBody, &result.m_strMatchesBody})
            if (!pBody->empty())
                strText += (strText.empty() ? L"" : L"\n") + HtmlToText(MakePageDocument(*pBody));
        strOut = WideToUtf8(strText);
    }
    return result.m_strDifferencesBody.empty() && result.m_strMatchesBody.empty() ? kExitEmpty : kExitDone;
}

} // namespace

CCliCommand CompareCommand()
{
    return {"compare",
            "CONTACTS",
            1,
            "the file's birth dates against an address book (a .vcf file or a folder of them): the persons "
            "whose dates differ, then every person found by full name, as plain text",
            {},
            RunCompare};
}
