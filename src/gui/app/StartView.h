#pragma once

#include <QWidget>

#include <string>

/// The start screen that fills the main window: the picture centred on black,
/// the product name above it and the name of the file loaded now below it.
class CStartView : public QWidget {
    Q_OBJECT
public:
    explicit CStartView(QWidget* pParent = nullptr);

    /// Names the file loaded now (empty for none) and repaints.
    void SetLoadedFile(const std::wstring& strPath);

    /// The line under the picture as it is painted now; empty for none.
    QString FileLine() const;

    /// Names the file's home person under the file line (empty for none).
    void SetHomePerson(const QString& strName);
    /// That line as it is painted now; empty for none.
    QString HomeLine() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    std::wstring m_strLoadedFile;
    QString m_strHomePerson;
};
