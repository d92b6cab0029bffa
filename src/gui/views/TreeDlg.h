#pragma once

#include "core/views/TreeView.h"
#include "gui/views/ViewDlg.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

/// The ancestors or the descendants of a person, or the patriarchs of the
/// file with theirs. Items are made when their parent is first expanded, so a
/// tree of millions of entries opens at once.
class CTreeDlg : public CViewDlg {
    Q_OBJECT
public:
    explicit CTreeDlg(const CDocument& doc, QWidget* pParent = nullptr);

    /// The person the view is for (the patriarch view is opened with 0) and
    /// the mode; set before it runs.
    int m_nPerson = -1;
    int m_nMode = Ancestors;

    /// Expand stops making items after this many, so that one tap cannot
    /// freeze the program on a subtree of millions.
    static constexpr int kExpandLimit = 50000;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int nCommand) override;
    std::wstring GetHelpTopic() const override;
    std::wstring GetPlaceKind() const override { return L"Tree"; }

private:
    QTreeWidgetItem* MakeItem(const CTreeNode& node);
    void AddChildren(QTreeWidgetItem* pItem, const std::vector<CTreeNode>& nodes);
    void FillChildren(QTreeWidgetItem* pItem);
    void ExpandAll(QTreeWidgetItem* pItem);
    void CollapseChildren(QTreeWidgetItem* pItem);
    QTreeWidgetItem* SelectedItem() const;

    QLineEdit* m_countEdit = nullptr;
    QTreeWidget* m_tree = nullptr;
    std::unique_ptr<CTreeWalker> m_pWalker;
};
