#pragma once

#include <QWidget>

/// The start screen that fills the main window: the picture centred on black,
/// the product name above it and the name of the file last chosen below it.
class CStartView : public QWidget {
    Q_OBJECT
public:
    explicit CStartView(QWidget* pParent = nullptr);

    /// The line under the picture as it is painted now; empty for none.
    QString FileLine() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};
