#pragma once

#include "core/platform/SettingsStore.h"

/// The user's stored options, read but never written: what the command line
/// sets holds for one run only.
class CReadOnlySettingsStore : public CSettingsStore {
public:
    explicit CReadOnlySettingsStore(CSettingsStore& store) : m_store(store) {}

    bool ReadValue(const std::wstring& strName, std::wstring& strValue) override
    {
        return m_store.ReadValue(strName, strValue);
    }
    bool WriteValue(const std::wstring&, const std::wstring&) override { return false; }

private:
    CSettingsStore& m_store;
};
