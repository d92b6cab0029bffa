#pragma once

#include <QDialog>

class QLabel;

/// The About box: the program's icon, its name and its version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    QLabel* m_pName = nullptr;
    QLabel* m_pVersion = nullptr;
};
