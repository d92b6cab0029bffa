#include "core/model/EventInfo.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"

CEventLabels CEventInfo::theLabels;
bool CEventInfo::theLabelsLoaded = false;

CEventInfo::CEventInfo()
{
    LoadEventLabels();
}

CEventInfo::CEventInfo(int nKind, int bDateShown)
    : m_nKind(static_cast<std::int8_t>(nKind)), m_bDateShown(static_cast<std::int8_t>(bDateShown))
{
    LoadEventLabels();
}

void CEventInfo::LoadEventLabels()
{
    if (theLabelsLoaded)
        return;
    theLabelsLoaded = true;
    theLabels.m_strEvents = LoadLangString(IDS_EVENTS);
    theLabels.m_strCause = LoadLangString(IDS_CAUSE);
    theLabels.m_strAge = LoadLangString(IDS_AGE);
    theLabels.m_strPlace = LoadLangString(IDS_PLACE);
    theLabels.m_strBornMale = LoadLangString(IDS_BORN_MALE);
    theLabels.m_strBornFemale = LoadLangString(IDS_BORN_FEMALE);
    theLabels.m_strDiedMale = LoadLangString(IDS_DIED_MALE);
    theLabels.m_strDiedFemale = LoadLangString(IDS_DIED_FEMALE);
    theLabels.m_strChristening = LoadLangString(IDS_CHRISTENING);
    theLabels.m_strOccupation = LoadLangString(IDS_OCCUPATION);
    theLabels.m_strReligion = LoadLangString(IDS_RELIGION);
    theLabels.m_strMarriage = LoadLangString(IDS_MARRIAGE);
    theLabels.m_strDivorced = LoadLangString(IDS_DIVORCED);
    theLabels.m_strFuneral = LoadLangString(IDS_FUNERAL);
    theLabels.m_strWill = LoadLangString(IDS_WILL);
}

std::uint32_t CEventStore::Add(const CEventInfo& event)
{
    if (m_nCount == 0)
        m_nCount = 1; // number 0 is no event
    if ((m_nCount >> kBlockBits) == m_blocks.size())
        m_blocks.push_back(std::make_unique<CEventInfo[]>(kBlockSize));
    const std::uint32_t nEvent = m_nCount++;
    (*this)[nEvent] = event;
    return nEvent;
}
