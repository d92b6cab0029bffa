#include "qtcore/platform/QtSettingsStore.h"

#include "qtcore/platform/QtText.h"

#include <QVariant>

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillborn"), QStringLiteral("Stemmark"))
{
}

CQtSettingsStore::CQtSettingsStore(const QString& strPath) : m_settings(strPath, QSettings::IniFormat) {}

// Only text counts: a value that QSettings reads as a list or as one of its
// @Variant forms was not written by us and reads as missing.
bool CQtSettingsStore::ReadValue(const std::wstring& strName, std::wstring& strValue)
{
    const QVariant value = m_settings.value(ToQString(strName));
    if (value.typeId() != QMetaType::QString)
        return false;
    strValue = FromQString(value.toString());
    return true;
}

bool CQtSettingsStore::WriteValue(const std::wstring& strName, const std::wstring& strValue)
{
    m_settings.setValue(ToQString(strName), ToQString(strValue));
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
