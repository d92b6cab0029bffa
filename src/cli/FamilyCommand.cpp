#include "cli/Commands.h"

#include "cli/HtmlText.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"
#include "core/views/FamilyView.h"

namespace {

constexpr wchar_t kSectionRule[] = L"----------\n";

// The boxes end their lines as the edit controls want, with CR LF.
std::wstring BoxText(std::wstring strBox)
{
    ReplaceAll(strBox, L"\r\n", L"\n");
    if (!strBox.empty() && strBox.back() != L'\n')
        strBox += L'\n';
    return strBox;
}

// The sections in the view's order: husband's box, wife's box, the children
// under the list's header (each after its person index, "-" for none), the notes.
std::string FamilyText(const CFamilyContent& content)
{
    std::wstring text = BoxText(content.m_strHusbandBox) + kSectionRule + BoxText(content.m_strWifeBox) + kSectionRule;
    text += LoadLangString(IDS_BIRTHDATE) + L'\t' + LoadLangString(IDS_CHILDREN_NAMES) + L'\n';
    for (const CChildRow& row : content.m_children) {
        if (row.m_nPerson >= 0)
            AppendDecimal(text, row.m_nPerson);
        else
            text += L'-';
        text += L'\t' + row.m_strBirthDate + L'\t' + row.m_strName + L'\n';
    }
    if (!content.m_strNotesHtml.empty())
        text += kSectionRule + HtmlToText(content.m_strNotesHtml);
    return WideToUtf8(text);
}

std::string FamilyJson(int nPerson, const CFamilyContent& content)
{
    CJsonWriter writer;
    writer.BeginObject().Key("person").Int(nPerson);
    writer.Key("husbandBox").String(content.m_strHusbandBox).Key("wifeBox").String(content.m_strWifeBox);
    writer.Key("children").BeginArray();
    for (const CChildRow& row : content.m_children) {
        writer.BeginObject().Key("person");
        if (row.m_nPerson >= 0)
            writer.Int(row.m_nPerson);
        else
            writer.Null();
        writer.Key("birth").String(row.m_strBirthDate).Key("name").String(row.m_strName).EndObject();
    }
    writer.EndArray().Key("notesHtml").String(content.m_strNotesHtml);
    WriteMessage(writer, FirstOf(content.m_messages));
    writer.EndObject();
    std::string strOut;
    FinishDocument(writer, strOut);
    return strOut;
}

int RunFamily(const CCommandCall& call, std::string& strOut)
{
    int nPerson = -1;
    if (const int nStatus = FindPersonByRef(call.Doc(), call.m_astrOperands[0], nPerson); nStatus != kExitDone)
        return nStatus;
    const CFamilyContent content = BuildFamilyView(call.Doc(), nPerson, call.m_viewOptions);
    const bool bEmpty = content.m_bClose;
    PrintMessages(content.m_messages);
    if (call.m_bJson)
        strOut = FamilyJson(nPerson, content);
    else if (!bEmpty)
        strOut = FamilyText(content);
    return bEmpty ? kExitEmpty : kExitDone;
}

} // namespace

CCliCommand FamilyCommand()
{
    return {"family",
            "REF",
            1,
            "the family view of a person: the husband's and the wife's boxes, the children as first listed, the "
            "family notes",
            {},
            RunFamily};
}
