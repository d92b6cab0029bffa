#include "ViewPipeline.h"

#include "model/GedcomReader.h"
#include "model/Tables.h"
#include "options/Settings.h"
#include "views/FamilyView.h"
#include "views/PersonList.h"
#include "views/PersonPage.h"
#include "views/TreeView.h"

#include <algorithm>

namespace {

// Names composed from their parts (not as the NAME tag writes them), so that
// every shortening and the nickname run too.
void TurnEveryOptionOn()
{
    Settings._1Name1 = true;
    Settings.MaidNam1 = true;
    Settings.Sh1Nam = true;
    Settings.ShMidNam = true;
    Settings.ShowMidNam = true;
    Settings.InclNick = true;
    Settings.DatForPatr = true;
    Settings.AsInNameTag = false;
    Settings.PutSexLetter = true;
    Settings.PutAge = true;
    Settings.PutBirthDate = true;
    Settings.PutDeathDate = true;
    Settings.YearOnly = true;
}

void OpenFamilyViews(int nPerson)
{
    const CFamilyContent family = BuildFamilyView(nPerson);
    MakePageDocument(family.m_strNotesHtml);
    bool bNoOwnFamily = false;
    FamilySidePersons(nPerson, L"M", bNoOwnFamily);
    FamilySidePersons(nPerson, L"F", bNoOwnFamily);
    if (const int nParent = FindParentIndex(nPerson); nParent >= 0)
        BuildFamilyView(nParent);
}

std::int64_t OpenTreeView(ViewMode mode, int nPerson)
{
    CTreeWalker walker(mode);
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
        steps.m_nMostTreeSteps = std::max(steps.m_nMostTreeSteps, OpenTreeView(mode, nPerson));
    ++steps.m_nPersonsViewed;
}

void OpenPatriarchs(CPipelineSteps& steps)
{
    for (int i = 0; i <= theLastPersonIndex; ++i)
        if (thePersons[i].m_astrFams.GetLast() >= 0)
            ++steps.m_nPatriarchCandidates;
    CTreeWalker walker(Patriarchs);
    const CTreeContent content = walker.Build(0);
    if (!content.m_roots.empty())
        walker.Children({content.m_roots.front().m_nPerson});
    steps.m_nPatriarchSteps = walker.GetStepsTaken();
}

} // namespace

CPipelineSteps RunViewPipeline(const std::wstring& strPath, int nFirst)
{
    const CSettings saved = Settings;
    TurnEveryOptionOn();
    CPipelineSteps steps;
    steps.m_bRead = ReadGedcomFile(strPath);
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
    return steps.m_nMostTreeSteps <= kTreeStepBudget &&
           steps.m_nPatriarchSteps <= (steps.m_nPatriarchCandidates + 1) * kTreeStepBudget;
}
