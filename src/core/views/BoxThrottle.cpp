#include "core/views/BoxThrottle.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"

#include <algorithm>

void CBoxThrottle::Begin()
{
    m_shownInBuild.clear();
    m_held.clear();
    m_messages = {};
}

CTreeMessages CBoxThrottle::End()
{
    CTreeMessages messages = std::move(m_messages);
    for (const CHeldBoxes& held : m_held) {
        const std::wstring strMessage = LoadLangString(held.m_nStringId);
        messages.m_astrNotShown.push_back(strMessage + L": " + std::to_wstring(held.m_nCount) + L" " +
                                          LoadLangString(IDS_MORE_NOT_SHOWN));
        const auto first = std::find_if(messages.m_boxes.begin(), messages.m_boxes.end(),
                                        [&](const CMessageBox& box) { return box.m_strText == strMessage; });
        if (first != messages.m_boxes.end() && !m_strLogPath.empty())
            first->m_strText += L"\n\n" + FillIn(LoadLangString(IDS_MORE_IN_LOG),
                                                  {std::to_wstring(held.m_nCount), m_strLogPath});
    }
    Begin();
    return messages;
}

void CBoxThrottle::Report(int nStringId, CMessageIcon icon, const std::wstring& strId)
{
    if (!m_reported.emplace(nStringId, strId).second)
        return;
    if (m_shownInBuild.insert(nStringId).second) {
        Show(nStringId, icon);
        return;
    }
    m_messages.m_astrNotShown.push_back(LoadLangString(nStringId) + L": " + strId);
    const auto held = std::find_if(m_held.begin(), m_held.end(),
                                   [&](const CHeldBoxes& boxes) { return boxes.m_nStringId == nStringId; });
    if (held == m_held.end())
        m_held.push_back({nStringId, 1});
    else
        ++held->m_nCount;
}

void CBoxThrottle::Show(int nStringId, CMessageIcon icon)
{
    m_messages.m_boxes.push_back({LoadLangString(nStringId), LoadLangString(IDS_MESSAGE), icon});
}
