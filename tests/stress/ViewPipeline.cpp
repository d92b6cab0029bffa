#include "ViewPipeline.h"

#include "core/model/GedcomReader.h"
#include "core/model/Tables.h"
#include "core/options/Settings.h"
#include "core/views/FamilyView.h"
#include "core/views/PersonList.h"
#include "core/views/PersonPage.h"
#include "core/views/TreeView.h"

#include <algorithm>

namespace {

// Names composed from their parts (not as the NAME tag writes them), so that
// every shortening and the nickname run too.
void TurnEveryOptionOn()
{
    Settings._1Name1 = Settings.MaidNam1 = Settings.Sh1Nam = Settings.ShMidNam = Settings.ShowMidNam = true;
    Settings.InclNick = Settings.DatForPatr = Settings.PutSexLetter = Settings.PutAge = true;
    Settings.PutBirthDate = Settings.PutDeathDate = Settings.YearOnly = true;
    Settings.AsInNameTag = false;
}

void OpenFamilyViews(int nPerson)
{
    const CFamilyContent family = BuildFamilyView(nPerson);
    MakePageDocument(family.m_strNotesHtml);
    bool bNoOwnFamily = false;
    FamilySidePersons(nPerson, L"M", bNoOwnFamily);
    FamilySidePersons(nPerson, L"F", bNoOwnFamily);
    CMessages messages;
    if (const int nParent = FindParentIndex(nPerson, messages); nParent >= 0)
        BuildFamilyView(nParent);
}

std::int64_t OpenTreeView(ViewMode mode, int nPerson, std::int64_t nStepBudget)
{
    CTreeWalker walker(mode, nStepBudget);
    if (!walker.Build(nPerson).m_bClose)
        walker.Children({nPerson});
    return walker.GetStepsTaken();
}

void OpenEveryView(int nPerson, CPipelineSteps& steps)
{
    FormatPersonListEntry(thePersons[nPerson]);
    MakePageDocument(BuildPersonPageBody(nPerson));
    OpenFamilyViews(nPerson);
    for (const ViewMode mode : {Ancestors, Descendants})
        steps.m_nMostTreeSteps = std::max(steps.m_nMostTreeSteps, OpenTreeView(mode, nPerson, steps.m_nStepBudget));
    ++steps.m_nPersonsViewed;
}

void OpenPatriarchs(CPipelineSteps& steps)
{
    for (int i = 0; i <= theLastPersonIndex; ++i)
        if (thePersons[i].m_astrFams.GetLast() >= 0)
            ++steps.m_nPatriarchCandidates;
    CTreeWalker walker(Patriarchs, steps.m_nStepBudget);
    const CTreeContent content = walker.Build(0);
    if (!content.m_roots.empty())
        walker.Children({content.m_roots.front().m_nPerson});
    steps.m_nPatriarchSteps = walker.GetStepsTaken();
}

} // namespace

CPipelineSteps RunViewPipeline(const std::wstring& strPath, int nFirst, std::int64_t nStepBudget)
{
    const CSettings saved = Settings;
    TurnEveryOptionOn();
    CPipelineSteps steps;
    steps.m_nStepBudget = nStepBudget;
    steps.m_bRead = ReadGedcomFile(strPath).m_bRead;
    steps.m_nPersons = theLastPersonIndex + 1;
    const int nSample = std::min(nFirst, steps.m_nPersons);
    for (int i = 0; i < nSample; ++i)
        OpenEveryView(i, steps);
    if (theLastPersonIndex >= nSample)
        OpenEveryView(theLastPersonIndex, steps);
    OpenPatriarchs(steps);
    ClearTables();
    Settings = saved;
    return steps;
}

bool KeptToTheStepBudget(const CPipelineSteps& steps)
{
    const std::int64_t nWalks = std::min<std::int64_t>(steps.m_nPatriarchCandidates, kPatriarchSearchBudgets);
    return steps.m_nMostTreeSteps <= steps.m_nStepBudget &&
           steps.m_nPatriarchSteps <= (nWalks + 1) * steps.m_nStepBudget;
}
