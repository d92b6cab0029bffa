#pragma once

#include "gui/views/HtmlPane.h"

/// The information page: a person's page, or a text handed in (family notes,
/// reports) shown the same way.
class CPersonInfoDlg : public CHtmlPane {
    Q_OBJECT
public:
    explicit CPersonInfoDlg(const CDocument& doc, QWidget* pParent = nullptr);

    /// The page body: set by the creator for a text, built here for a person;
    /// the whole document once the page is shown.
    std::wstring m_strHtml;
    /// The person shown, or -1 for a text.
    int m_nPerson = -1;
    /// The help anchor of a text's page: F1 and Help › Topic open it.
    std::wstring m_strTextTopic;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int nCommand) override;
    std::wstring GetHelpTopic() const override { return m_nPerson < 0 ? m_strTextTopic : L"info"; }
    std::wstring GetPlaceKind() const override { return L"PersonInfo"; }
};
