#include "cli/CliApp.h"

#include "cli/CliArguments.h"
#include "cli/FixedClock.h"
#include "cli/ReadOnlySettingsStore.h"
#include "cli/TerminalProgress.h"
#include "core/app/OpeningMessage.h"
#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/text/WideText.h"
#include "qtcore/platform/GedzipReader.h"
#include "qtcore/platform/IcuCollator.h"
#include "qtcore/platform/QtSettingsStore.h"

#include <chrono>
#include <cstdio>
#include <unistd.h>

#include <QLocale>

namespace {

// The stored options as the program reads them at start, then those of the
// command line over them.
int ApplySettings(const CCliArguments& arguments)
{
    LoadOwnResources();
    LoadSettings();
    for (const auto& [strName, strValue] : arguments.m_settings) {
        if (!SetSettingFromText(strName, strValue))
            return ReportUsageError("no option " + WideToUtf8(strName) + " takes the value '" +
                                    WideToUtf8(strValue) + "'");
    }
    SetLanguage(Settings.Lang);
    return kExitDone;
}

void ReadFile(const std::string& strFile, CCommandCall& call)
{
    const auto start = std::chrono::steady_clock::now();
    CReadResult read = ReadFamilyFile(Utf8ToWide(strFile));
    call.m_dReadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    call.m_bRead = read.m_bRead;
    call.m_strFile = Utf8ToWide(strFile);
    call.m_pDocument = std::move(read.m_pDocument);
    call.m_viewOptions = ViewOptionsFrom(Settings);
    PrintMessages(read.m_messages);
}

// The program's box for a file that cannot be opened, with the system's
// reason; false when the reading failed otherwise (a level above 9 has shown
// its own box).
bool ShowCantOpen(const std::string& strFile, const CDocument& doc)
{
    const CMessages messages = GetOpeningMessage(Utf8ToWide(strFile), doc, false);
    PrintMessages(messages);
    return !messages.empty();
}

int RunCommand(CCliArguments& arguments)
{
    const CCliCommand& command = *arguments.m_pCommand;
    if (const int nStatus = ApplySettings(arguments); nStatus != kExitDone)
        return nStatus;
    ReadFile(arguments.m_strFile, arguments.m_call);
    if (!arguments.m_call.m_bRead) {
        const bool bShown = ShowCantOpen(arguments.m_strFile, arguments.m_call.Doc());
        if (!command.m_bRunsUnread) {
            if (!bShown)
                std::fprintf(stderr, "stemmark-cli: cannot read %s\n", arguments.m_strFile.c_str());
            return kExitUnreadable;
        }
    }
    std::string strOut;
    const int nStatus = command.m_pfnRun(arguments.m_call, strOut);
    FlushOutput(strOut);
    std::fflush(stdout);
    return nStatus;
}

} // namespace

int RunCli(const std::vector<std::string>& astrArgs)
{
    CCliArguments arguments;
    if (const int nStatus = ParseCliArguments(astrArgs, arguments); nStatus != kExitDone)
        return nStatus;
    if (arguments.m_bHelp) {
        std::fputs(CliHelp(arguments.m_pCommand).c_str(), stdout);
        return kExitDone;
    }

    CQtSettingsStore userStore;
    CReadOnlySettingsStore store(userStore);
    CSettingsStore* pPreviousStore = SetSettingsStore(&store);
    std::optional<CFixedClock> clock;
    if (arguments.m_today)
        clock.emplace(*arguments.m_today);
    CClock* pPreviousClock = SetClock(clock ? &*clock : nullptr);
    // The list sorts as the program does in the user's locale.
    CIcuCollator collator(QLocale::system().name().toUtf8().constData());
    CCollator* pPreviousCollator = SetCollator(&collator);
    CTerminalProgress progress;
    CProgressSink* pPreviousProgress = SetProgressSink(isatty(STDERR_FILENO) ? &progress : nullptr);
    const int nStatus = RunCommand(arguments);
    SetProgressSink(pPreviousProgress);
    SetCollator(pPreviousCollator);
    SetClock(pPreviousClock);
    SetSettingsStore(pPreviousStore);
    return nStatus;
}
