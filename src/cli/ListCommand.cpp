#include "cli/Commands.h"

#include "core/text/WideText.h"
#include "core/views/PersonList.h"

namespace {

// The criteria of the search form; false after the form's message when a
// birth date cannot be read.
bool TakeCriteria(const CCommandCall& call, CPersonListCriteria& criteria)
{
    criteria.m_strFirstFilter = call.Value("--first");
    criteria.m_strLastFilter = call.Value("--last");
    criteria.m_strFullFilter = call.Value("--full");
    criteria.m_bNoBirthYear = call.Has("--no-birth-year");
    CMessages messages;
    const CDateStyle& dates = call.m_viewOptions.m_dates;
    const bool bTaken = TakeBirthBound(call.Value("--born-from"), criteria.m_strBirthFrom, messages, dates) &&
                        TakeBirthBound(call.Value("--born-to"), criteria.m_strBirthTo, messages, dates);
    PrintMessages(messages);
    return bTaken;
}

std::string ListText(const CPersonListContent& content)
{
    std::wstring text = content.m_strCaption + L'\n';
    for (const CPersonListEntry& entry : content.m_entries) {
        AppendDecimal(text, entry.m_nPerson);
        text += L'\t';
        text += entry.m_strText;
        text += L'\n';
    }
    return WideToUtf8(text);
}

std::string ListJson(const CPersonListContent& content)
{
    CJsonWriter writer;
    writer.BeginObject().Key("caption").String(content.m_strCaption);
    WriteMessage(writer, FirstOf(content.m_messages));
    writer.Key("entries").BeginArray();
    for (const CPersonListEntry& entry : content.m_entries)
        writer.BeginObject().Key("person").Int(entry.m_nPerson).Key("text").String(entry.m_strText).EndObject();
    writer.EndArray().EndObject();
    std::string strOut;
    FinishDocument(writer, strOut);
    return strOut;
}

int RunList(const CCommandCall& call, std::string& strOut)
{
    CPersonListCriteria criteria;
    if (!TakeCriteria(call, criteria))
        return ReportUsageError("a birth date must read as a date");
    const CPersonListContent content = BuildPersonList(call.Doc(), criteria, call.m_viewOptions);
    PrintMessages(content.m_messages);
    if (call.m_bJson)
        strOut = ListJson(content);
    else if (!content.m_entries.empty())
        strOut = ListText(content);
    return content.m_entries.empty() ? kExitEmpty : kExitDone;
}

} // namespace

CCliCommand ListCommand()
{
    return {"list",
            "",
            0,
            "the person list, or the persons the search criteria find: each entry after its person index, under "
            "the caption line",
            {{"--first", "TEXT", "first names containing TEXT"},
             {"--last", "TEXT", "last names containing TEXT"},
             {"--full", "TEXT", "full names containing TEXT"},
             {"--born-from", "DATE", "born on DATE, or from DATE when --born-to is given too"},
             {"--born-to", "DATE", "born on DATE, or up to DATE when --born-from is given too"},
             {"--no-birth-year", nullptr, "the persons without a birth year"}},
            RunList};
}
