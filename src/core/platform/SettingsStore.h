#pragma once

#include <map>
#include <string>

/// Where the options are kept between runs: named text values under one key.
/// An INI file in the program, a map in tests and in the command-line tool.
class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;
    /// False when the value, or the store as a whole, is missing or unreadable.
    virtual bool ReadValue(const std::wstring& strName, std::wstring& strValue) = 0;
    /// False when the value could not be written.
    virtual bool WriteValue(const std::wstring& strName, const std::wstring& strValue) = 0;
};

/// A store that keeps its values in memory for the life of the object.
class CMemorySettingsStore : public CSettingsStore {
public:
    bool ReadValue(const std::wstring& strName, std::wstring& strValue) override;
    bool WriteValue(const std::wstring& strName, const std::wstring& strValue) override;

    std::map<std::wstring, std::wstring> m_values;
};

/// Replaces the store; nullptr restores the default, a process-wide memory
/// store. Returns the store that was in place (nullptr for the default).
CSettingsStore* SetSettingsStore(CSettingsStore* pStore);

/// The store in place.
CSettingsStore& GetSettingsStore();
