#pragma once

#include "cli/JsonWriter.h"
#include "core/model/Document.h"
#include "core/platform/Message.h"
#include "core/views/ViewOptions.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// The commands of stemmark-cli. Each lives in a file of its own
// (ListCommand.cpp, ...) and is entered in the table of Commands.cpp.

enum CExitStatus {
    kExitDone = 0,
    kExitEmpty = 1,      ///< nothing to show: the program would raise a box instead
    kExitUsage = 2,      ///< the command line is wrong
    kExitUnreadable = 3, ///< the file cannot be read
};

/// What a command is run with: its operands and own options as typed, the
/// output form, and how the reading of the file went.
struct CCommandCall {
    std::vector<std::wstring> m_astrOperands;
    std::map<std::string, std::wstring> m_options; ///< own options given; a flag's value is empty
    bool m_bJson = false;
    bool m_bRead = false;
    double m_dReadSeconds = 0;
    std::unique_ptr<CDocument> m_pDocument; ///< what was read; never null while a command runs
    std::wstring m_strFile;                 ///< the file as typed
    CViewOptions m_viewOptions;             ///< the options, stored and typed, as the views take them

    bool Has(const std::string& strOption) const { return m_options.count(strOption) != 0; }
    std::wstring Value(const std::string& strOption) const;
    const CDocument& Doc() const { return *m_pDocument; }
};

/// An option of one command, such as "--last" with a value or "--text" alone.
struct CCommandOption {
    const char* m_pszName;
    const char* m_pszValue; ///< the value's name in the help, nullptr for a flag
    const char* m_pszHelp;
};

/// A command writes its output (UTF-8) to `strOut` and returns the exit status.
/// A long output may be handed on part by part with FlushOutput.
using CCommandRun = int (*)(const CCommandCall& call, std::string& strOut);

struct CCliCommand {
    const char* m_pszName;
    const char* m_pszOperands; ///< as the help shows them: "REF", or ""
    int m_nOperands;
    const char* m_pszSummary;
    std::vector<CCommandOption> m_options;
    CCommandRun m_pfnRun;
    bool m_bRunsUnread = false; ///< run even when the reading failed, to report it
    int m_nOptionalOperands = 0; ///< the last ones of m_nOperands that may be left out
};

CCliCommand ListCommand();
CCliCommand PersonCommand();
CCliCommand FamilyCommand();
CCliCommand TreeCommand();
CCliCommand PatriarchsCommand();
CCliCommand StatsCommand();
CCliCommand CompareCommand();
CCliCommand SourcesCommand();
CCliCommand RelationshipCommand();
CCliCommand MediaCommand();
CCliCommand ChartCommand();

/// Every command, in the order the help lists them.
const std::vector<CCliCommand>& CliCommands();
/// The command of that name, or nullptr.
const CCliCommand* FindCliCommand(const std::string& strName);

/// Writes "stemmark-cli: TEXT" and the pointer to the help to stderr; returns kExitUsage.
int ReportUsageError(const std::string& strText);

/// The person a REF names: a person index, or an id such as @I12@. Returns
/// kExitDone, kExitUsage for a REF of neither form, or kExitEmpty (with a
/// line on stderr) when it names nobody in the file.
int FindPersonByRef(const CDocument& doc, const std::wstring& strRef, int& nPerson);

/// Prints the boxes the program would show, in order, to standard error.
void PrintMessages(const CMessages& messages);
/// The first of the boxes, nullptr when there are none.
const CMessageBox* FirstOf(const CMessages& messages);
/// The "message" member of a document: the box's text, or null when none.
void WriteMessage(CJsonWriter& writer, const CMessageBox* pBox);
/// Ends a document with a line end, as every output does.
void FinishDocument(const CJsonWriter& writer, std::string& strOut);
/// Writes the output so far to stdout and empties `strOut`, so that an output
/// of millions of lines is never held whole.
void FlushOutput(std::string& strOut);
