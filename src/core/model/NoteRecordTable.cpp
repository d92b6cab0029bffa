#include "core/model/NoteRecordTable.h"

void CNoteRecordTable::Append(std::wstring_view id, std::wstring_view text)
{
    CRecord& record = m_records.emplace_back();
    record.m_strIdAndText.reserve(id.size() + text.size());
    record.m_strIdAndText.append(id).append(text);
    record.m_nIdLength = id.size();
}

std::optional<std::wstring_view> CNoteRecordTable::FindText(std::wstring_view id) const
{
    const int nRecord =
        m_index.Find(id, m_records.size(), [this](std::size_t nIndex) { return IdOf(nIndex); });
    if (nRecord < 0)
        return std::nullopt;
    const CRecord& record = m_records[static_cast<std::size_t>(nRecord)];
    return std::wstring_view(record.m_strIdAndText).substr(record.m_nIdLength);
}

std::wstring_view CNoteRecordTable::IdOf(std::size_t nRecord) const
{
    const CRecord& record = m_records[nRecord];
    return std::wstring_view(record.m_strIdAndText).substr(0, record.m_nIdLength);
}
