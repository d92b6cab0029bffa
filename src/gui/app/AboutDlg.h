#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;

/// The About box: the program's icon, its name, its version and its licence,
/// closed with OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    QLabel* m_pName = nullptr;
    QLabel* m_pVersion = nullptr;
    QLabel* m_pLicence = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
};
