#pragma once

#include "core/platform/SettingsStore.h"

#include <QSettings>
#include <QString>

/// The options kept in an INI file, by default the user's
/// Quillborn/Stemmark.ini in the configuration folder ($XDG_CONFIG_HOME, else
/// ~/.config). A missing, unreadable or damaged file reads as values missing.
class CQtSettingsStore : public CSettingsStore {
public:
    CQtSettingsStore();
    /// The file at `strPath` instead of the user's.
    explicit CQtSettingsStore(const QString& strPath);

    bool ReadValue(const std::wstring& strName, std::wstring& strValue) override;
    bool WriteValue(const std::wstring& strName, const std::wstring& strValue) override;

    QString FileName() const { return m_settings.fileName(); }

private:
    QSettings m_settings;
};
