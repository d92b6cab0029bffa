#include "cli/Commands.h"

#include "core/model/Document.h"
#include "core/text/WideText.h"

#include <cstdio>

namespace {

std::vector<CCliCommand> MakeCommands()
{
    return {
        ListCommand(),
        PersonCommand(),
        MediaCommand(),
        FamilyCommand(),
        SourcesCommand(),
        RelationshipCommand(),
        ChartCommand(),
        TreeCommand(),
        PatriarchsCommand(),
        CompareCommand(),
        StatsCommand(),
    };
}

} // namespace

std::wstring CCommandCall::Value(const std::string& strOption) const
{
    const auto it = m_options.find(strOption);
    return it == m_options.end() ? std::wstring() : it->second;
}

const std::vector<CCliCommand>& CliCommands()
{
    static const std::vector<CCliCommand> theCommands = MakeCommands();
    return theCommands;
}

const CCliCommand* FindCliCommand(const std::string& strName)
{
    for (const CCliCommand& command : CliCommands()) {
        if (strName == command.m_pszName)
            return &command;
    }
    return nullptr;
}

int ReportUsageError(const std::string& strText)
{
    std::fprintf(stderr, "stemmark-cli: %s\nTry 'stemmark-cli --help'.\n", strText.c_str());
    return kExitUsage;
}

int FindPersonByRef(const CDocument& doc, const std::wstring& strRef, int& nPerson)
{
    std::size_t nDigits = 0;
    const long long nIndex = LeadingNumber(strRef, &nDigits);
    if (nDigits > 0 && nDigits == strRef.size()) {
        nPerson = nIndex <= doc.GetLastPersonIndex() ? static_cast<int>(nIndex) : -1;
    } else if (strRef.size() > 2 && strRef.front() == L'@' && strRef.back() == L'@') {
        nPerson = doc.FindPersonById(strRef);
    } else {
        return ReportUsageError("a person is a number or an id such as @I12@, not '" + WideToUtf8(strRef) + "'");
    }
    if (nPerson >= 0)
        return kExitDone;
    std::fprintf(stderr, "stemmark-cli: no person %s in the file\n", WideToUtf8(strRef).c_str());
    return kExitEmpty;
}

// A box is a line of its own, after its caption, whatever its icon.
void PrintMessages(const CMessages& messages)
{
    for (const CMessageBox& box : messages)
        std::fprintf(stderr, "%s: %s\n", WideToUtf8(box.m_strCaption).c_str(),
                     WideToUtf8(box.m_strText).c_str());
}

const CMessageBox* FirstOf(const CMessages& messages)
{
    return messages.empty() ? nullptr : &messages.front();
}

void WriteMessage(CJsonWriter& writer, const CMessageBox* pBox)
{
    writer.Key("message");
    if (pBox)
        writer.String(pBox->m_strText);
    else
        writer.Null();
}

void FinishDocument(const CJsonWriter& writer, std::string& strOut)
{
    strOut += writer.Text();
    strOut += '\n';
}

void FlushOutput(std::string& strOut)
{
    std::fwrite(strOut.data(), 1, strOut.size(), stdout);
    strOut.clear();
}
