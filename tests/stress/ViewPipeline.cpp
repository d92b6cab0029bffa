#include "ViewPipeline.h"

#include "core/model/GedcomReader.h"
#include "core/model/Document.h"
#include "core/views/FamilyView.h"
#include "core/views/PersonList.h"
#include "core/views/PersonPage.h"
#include "core/views/RelationshipPage.h"
#include "core/views/TreeView.h"

#include <algorithm>

namespace {

// Names composed from their parts (not as the NAME tag writes them), so that
// every shortening and the nickname run too.
CViewOptions EveryOptionOn()
{
    CViewOptions options;
    CNameStyle& names = options.m_names;
    names.m_bFirstFirst = names.m_bMaidenFirst = names.m_bFirstInitial = names.m_bMiddleInitial = true;
    names.m_bShowMiddle = names.m_bNick = true;
    names.m_bAsInNameTag = false;
    options.m_bPatriarchData = options.m_bSexLetter = true;
    options.m_list = {true, true, true, true};
    return options;
}

struct CPipeline {
    const CDocument& m_doc;
    const CViewOptions m_options = EveryOptionOn();
    CPipelineSteps& m_steps;

    void OpenFamilyViews(int nPerson) const
    {
        const CFamilyContent family = BuildFamilyView(m_doc, nPerson, m_options);
        MakePageDocument(family.m_strNotesHtml);
        bool bNoOwnFamily = false;
        FamilySidePersons(m_doc, nPerson, L"M", bNoOwnFamily);
        FamilySidePersons(m_doc, nPerson, L"F", bNoOwnFamily);
        CMessages messages;
        if (const int nParent = m_doc.FindParentIndex(nPerson, messages); nParent >= 0)
            BuildFamilyView(m_doc, nParent, m_options);
    }

    std::int64_t OpenTreeView(ViewMode mode, int nPerson) const
    {
        CTreeWalker walker(m_doc, m_options, mode, m_steps.m_nStepBudget);
        if (!walker.Build(nPerson).m_bClose)
            walker.Children({nPerson});
        return walker.GetStepsTaken();
    }

    void OpenEveryView(int nPerson) const
    {
        FormatPersonListEntry(m_doc, m_doc.Persons()[nPerson], m_options);
        MakePageDocument(BuildPersonPageBody(m_doc, nPerson, m_options));
        OpenFamilyViews(nPerson);
        for (const ViewMode mode : {Ancestors, Descendants})
            m_steps.m_nMostTreeSteps = std::max(m_steps.m_nMostTreeSteps, OpenTreeView(mode, nPerson));
        // How the person is related to the file's first.
        const CRelationships found = FindRelationships(m_doc, nPerson, 0, 20, m_steps.m_nStepBudget);
        MakePageDocument(BuildRelationshipPage(m_doc, nPerson, 0, found, m_options));
        ++m_steps.m_nPersonsViewed;
    }

    void OpenPatriarchs() const
    {
        for (int i = 0; i <= m_doc.GetLastPersonIndex(); ++i)
            if (!m_doc.Persons()[i].m_astrFams.IsEmpty())
                ++m_steps.m_nPatriarchCandidates;
        CTreeWalker walker(m_doc, m_options, Patriarchs, m_steps.m_nStepBudget);
        const CTreeContent content = walker.Build(0);
        if (!content.m_roots.empty())
            walker.Children({content.m_roots.front().m_nPerson});
        m_steps.m_nPatriarchSteps = walker.GetStepsTaken();
    }
};

} // namespace

CPipelineSteps RunViewPipeline(const CReadResult& read, int nFirst, std::int64_t nStepBudget)
{
    const CDocument& doc = *read.m_pDocument;
    CPipelineSteps steps;
    steps.m_nStepBudget = nStepBudget;
    steps.m_bRead = read.m_bRead;
    steps.m_nPersons = doc.GetLastPersonIndex() + 1;
    const CPipeline pipeline{doc, EveryOptionOn(), steps};
    const int nSample = std::min(nFirst, steps.m_nPersons);
    for (int i = 0; i < nSample; ++i)
        pipeline.OpenEveryView(i);
    if (doc.GetLastPersonIndex() >= nSample)
        pipeline.OpenEveryView(doc.GetLastPersonIndex());
    pipeline.OpenPatriarchs();
    return steps;
}

CPipelineSteps RunViewPipeline(const std::wstring& strPath, int nFirst, std::int64_t nStepBudget)
{
    return RunViewPipeline(ReadGedcomFile(strPath), nFirst, nStepBudget);
}

bool KeptToTheStepBudget(const CPipelineSteps& steps)
{
    const std::int64_t nWalks = std::min<std::int64_t>(steps.m_nPatriarchCandidates, kPatriarchSearchBudgets);
    return steps.m_nMostTreeSteps <= steps.m_nStepBudget &&
           steps.m_nPatriarchSteps <= (nWalks + 1) * steps.m_nStepBudget;
}
