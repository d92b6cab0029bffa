#pragma once

#include "core/views/FamilyView.h"
#include "gui/views/ViewDlg.h"

class QPlainTextEdit;
class QTreeWidget;

/// A person with all spouses and all children of the person's own families.
class CFamilyDlg : public CViewDlg {
    Q_OBJECT
public:
    explicit CFamilyDlg(const CDocument& doc, QWidget* pParent = nullptr);

    /// The person the view is for; set before it runs.
    int m_nPerson = -1;

    /// A tap on a column's header: 1 birth date, 2 name; 0 does nothing.
    void SortByColumn(int nColumn);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int nCommand) override;
    std::wstring GetHelpTopic() const override { return L"family"; }
    std::wstring GetPlaceKind() const override { return L"Family"; }
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

private:
    void ShowSide(const wchar_t* pszWantedSex);
    void ShowFamilyNotes();
    void FillChildList();
    void ColourBox(QWidget* pBox, bool bLiving) const;
    void ShowSortIndicator();

    QPlainTextEdit* m_husbandBox = nullptr;
    QPlainTextEdit* m_wifeBox = nullptr;
    QTreeWidget* m_childList = nullptr;
    std::wstring m_strNotesHtml;
    std::vector<CMediaItem> m_notesMedia; ///< the media the notes list, by their keys
    bool m_bChildrenListed = false;
    int m_nSortColumn = 1;
    bool m_bSortAscending = true;
    bool m_abNextAscending[2] = {false, true};
    std::vector<CChildRow> m_rows;
};
