#pragma once

#include "gui/views/ViewDlg.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

/// The search form: names, a range of birth dates, or the persons without a
/// birth year; Find runs a person list of the matches on top of it.
class CSearchDlg : public CViewDlg {
    Q_OBJECT
public:
    explicit CSearchDlg(const CDocument& doc, QWidget* pParent = nullptr);

    void OnFind();

protected:
    bool OnInitDialog() override;
    std::wstring GetHelpTopic() const override { return L"search"; }
    std::wstring GetPlaceKind() const override { return L"Search"; }

private:
    /// The normal form of a typed bound into `strBound`; false, after the
    /// formats message, when the text is not a date.
    bool TakeBirthDate(const QLineEdit* pEdit, std::wstring& strBound);

    QLineEdit* m_editFirstName = nullptr;
    QLineEdit* m_editLastName = nullptr;
    QLineEdit* m_editFullName = nullptr;
    QLineEdit* m_editBirthFrom = nullptr;
    QLineEdit* m_editBirthTo = nullptr;
    QCheckBox* m_checkNoBirthYear = nullptr;
    QPushButton* m_buttonFind = nullptr;
    QPushButton* m_buttonCancel = nullptr;
};
