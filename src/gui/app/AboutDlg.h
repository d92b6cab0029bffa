#pragma once

#include <QDialog>

/// The About box: the program's icon, its name, its version and its licence,
/// closed with OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
