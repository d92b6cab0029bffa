#pragma once

#include "core/views/PersonList.h"
#include "gui/views/ViewDlg.h"

class QLineEdit;
class QListView;
class CPersonListModel;
class CWideRowDelegate;

/// "Select person": the persons of the file, or of a search, sorted by their
/// entry texts, from which the user opens the other views of one of them.
class CPersonListDlg : public CViewDlg {
    Q_OBJECT
public:
    explicit CPersonListDlg(const CDocument& doc, QWidget* pParent = nullptr);

    /// Set by the search form before the list runs; empty lists everyone.
    CPersonListCriteria m_criteria;
    /// Set to have the user choose a person: Enter or a double click ends the
    /// list with m_nChosen.
    bool m_bChoose = false;
    int m_nChosen = -1;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int nCommand) override;
    std::wstring GetHelpTopic() const override { return L"selperson"; }
    std::wstring GetPlaceKind() const override { return L"PersonList"; }

private:
    QLineEdit* m_editCaption = nullptr;
    QListView* m_listPersons = nullptr;
    CPersonListModel* m_pModel = nullptr;
    CWideRowDelegate* m_pDelegate = nullptr;
};
