#pragma once

#include "gui/views/HtmlPane.h"

/// How two persons are related: every way, closest first, with the lines
/// down from each common ancestor; a person's name opens their page, and a
/// link at the end compares with another person.
class CRelationshipDlg : public CHtmlPane {
    Q_OBJECT
public:
    explicit CRelationshipDlg(const CDocument& doc, QWidget* pParent = nullptr);

    /// The two persons, set before the view runs.
    int m_nA = -1;
    int m_nB = -1;

protected:
    bool OnInitDialog() override;
    void OnLinkClicked(const std::wstring& strTarget) override;
    std::wstring GetHelpTopic() const override { return L"relationship"; }
    std::wstring GetPlaceKind() const override { return L"PersonInfo"; }

private:
    void ShowWays();
};
