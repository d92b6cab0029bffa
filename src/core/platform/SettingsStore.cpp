#include "core/platform/SettingsStore.h"

namespace {

CSettingsStore* theSettingsStore = nullptr;

} // namespace

bool CMemorySettingsStore::ReadValue(const std::wstring& strName, std::wstring& strValue)
{
    const auto found = m_values.find(strName);
    if (found == m_values.end())
        return false;
    strValue = found->second;
    return true;
}

bool CMemorySettingsStore::WriteValue(const std::wstring& strName, const std::wstring& strValue)
{
    m_values[strName] = strValue;
    return true;
}

CSettingsStore* SetSettingsStore(CSettingsStore* pStore)
{
    CSettingsStore* pPrevious = theSettingsStore;
    theSettingsStore = pStore;
    return pPrevious;
}

CSettingsStore& GetSettingsStore()
{
    static CMemorySettingsStore theDefault;
    return theSettingsStore ? *theSettingsStore : theDefault;
}
