#pragma once

#include "core/views/OptionsPages.h"

#include <QDialog>
#include <QFont>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QMenuBar;
class QShortcut;
class QRadioButton;
class QTabWidget;
class COptionsSheet;
struct CLanguage;

/// A page of the options sheet. It fills its controls when it first comes to
/// the front; a page never shown is never read.
class COptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit COptionsPage(COptionsSheet* pSheet);

    /// Fills the controls the first time; later calls do nothing.
    void Open();
    /// Stores the controls, if the page was opened.
    void OnOK();
    bool IsInitialised() const { return m_bInitialised; }
    virtual std::wstring GetHelpTopic() const = 0;
    /// Puts the labels in the language of the moment; the sheet does it for
    /// both pages at once, so that it is laid out for the longer one.
    virtual void SetTexts() = 0;

protected:
    virtual void OnInitDialog() = 0;
    virtual void Store() = 0;
    bool event(QEvent* pEvent) override;

    /// Makes a check box, named and labelled as the table says, for every
    /// plain option the table puts on `page`; the page lays them out.
    void MakeBoxes(EOptionsPage page);
    /// The box of that object name; null for a name the table does not put
    /// on this page, which then shows no box in its place.
    QCheckBox* Box(const char* pszName) const;
    void SetBoxTexts();
    void FillBoxes(const COptionBoxes& boxes);
    COptionBoxes ReadBoxes() const;

private:
    bool m_bInitialised = false;
    std::vector<std::pair<const CStoredOption*, QCheckBox*>> m_boxes;
};

class COptionsPageGeneral : public COptionsPage {
    Q_OBJECT
public:
    explicit COptionsPageGeneral(COptionsSheet* pSheet);
    std::wstring GetHelpTopic() const override { return L"option_gen"; }
    void SetTexts() override;

    QRadioButton* m_radioDayFirst = nullptr;
    QRadioButton* m_radioMonthFirst = nullptr;
    QLineEdit* m_editLevel = nullptr;

protected:
    void OnInitDialog() override;
    void Store() override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void StepLevel(int nStep);
    QWidget* m_pGroupData = nullptr;
    QWidget* m_pGroupLanguage = nullptr;
    QWidget* m_pGroupDate = nullptr;
    QButtonGroup* m_pLanguages = nullptr;
    std::vector<std::pair<const CLanguage*, QRadioButton*>> m_languageButtons;
    QButtonGroup* m_pDateFormats = nullptr;
};

class COptionsPageDisplay : public COptionsPage {
    Q_OBJECT
public:
    explicit COptionsPageDisplay(COptionsSheet* pSheet);
    std::wstring GetHelpTopic() const override { return L"option_dspl"; }
    void SetTexts() override;

    QRadioButton* m_radioAsInNameTag = nullptr;
    QRadioButton* m_radioModifications = nullptr;

    /// Greys the name boxes while names are shown as the NAME tag writes them.
    void ApplyEnableRule();

protected:
    void OnInitDialog() override;
    void Store() override;

private:
    std::vector<QCheckBox*> m_nameBoxes; ///< greyed with names as in the tag
    QWidget* m_pGroupNames = nullptr;
    QWidget* m_pGroupList = nullptr;
};

/// The options: a General and a Display page, OK and Cancel. Confirming
/// stores both pages (those that were shown) and writes every setting once.
class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    explicit COptionsSheet(QWidget* pParent = nullptr);

    /// Tahoma 13 where installed, the default sans otherwise.
    QFont OptionsFont;
    COptionsPageGeneral* m_pPageGeneral = nullptr;
    COptionsPageDisplay* m_pPageDisplay = nullptr;
    QTabWidget* m_pTabs = nullptr;
    QMenuBar* m_pMenuBar = nullptr;
    QShortcut* m_pHelpKey = nullptr; ///< F1 while the bar has no Topic item

    /// The sheet's OK: stores each opened page once, the one in front
    /// first, then saves the settings once and closes.
    void OnOK();

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void ShowHelp();
    void FitToScreen();
    COptionsPage* FrontPage() const;
    COptionsPage* OtherPage(const COptionsPage* pPage) const;
};
