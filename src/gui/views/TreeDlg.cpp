#include "gui/views/TreeDlg.h"

#include "core/options/Language.h"
#include "core/model/Document.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/platform/Log.h"
#include "core/platform/WaitCursor.h"
#include "core/text/WideText.h"
#include "gui/views/Navigation.h"
#include "qtcore/platform/QtText.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kFilledRole = Qt::UserRole + 1;

int PersonOf(const QTreeWidgetItem* pItem)
{
    return pItem->data(0, Qt::UserRole).toInt();
}

bool IsFilled(const QTreeWidgetItem* pItem)
{
    return pItem->data(0, kFilledRole).toBool();
}

// An item not yet filled shows the indicator of the children it will get.
bool HasChildren(const QTreeWidgetItem* pItem)
{
    return pItem->childCount() > 0 || pItem->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

// The tree view offers the views of the selected person, not further trees.
void RemoveTreeCommands(QMenuBar* pMenuBar)
{
    for (QAction* pMenuAction : pMenuBar->actions()) {
        QMenu* pMenu = pMenuAction->menu();
        if (!pMenu)
            continue;
        for (QAction* pAction : pMenu->actions()) {
            const int nCommand = pAction->data().toInt();
            if (nCommand == ID_VIEW_ANCESTORS || nCommand == ID_VIEW_DESCENDANTS)
                pMenu->removeAction(pAction);
        }
    }
}

// The boxes of one build beyond the first of each message go to the log.
void LogNotShown(const CDocument& doc, const std::vector<std::wstring>& astrLines)
{
    for (const std::wstring& strLine : astrLines)
        WriteLog(doc.GetFolder(), strLine + L"\r\n");
}

// An expanded item's boxes belong to the window in front, as a look-up's do.
void ShowWalkMessages(const CDocument& doc, const CTreeMessages& messages)
{
    ShowMessages(theTopWindow, messages.m_boxes);
    LogNotShown(doc, messages.m_astrNotShown);
}

} // namespace

CTreeDlg::CTreeDlg(const CDocument& doc, QWidget* pParent) : CViewDlg(doc, pParent)
{
    setObjectName(QStringLiteral("tree"));
    m_countEdit = new QLineEdit(this);
    m_countEdit->setObjectName(QStringLiteral("count"));
    m_countEdit->setReadOnly(true);
    m_countEdit->setAlignment(Qt::AlignCenter);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setExpandsOnDoubleClick(true);
    // The column follows its widest shown item, so deep items scroll into view
    // instead of being cut at the window's edge.
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Layout()->addWidget(m_countEdit);
    Layout()->addWidget(m_tree, 1);
    connect(m_tree, &QTreeWidget::itemExpanded, this, &CTreeDlg::FillChildren);
    // A double click folds and unfolds a branch; on a leaf, and with Enter on
    // any item, it opens the person's page.
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* pItem) {
        if (!HasChildren(pItem))
            RunCommand(ID_VIEW_INFORMATION);
    });
    RunOnEnter(m_tree, [this] { RunCommand(ID_VIEW_INFORMATION); });
}

std::wstring CTreeDlg::GetHelpTopic() const
{
    switch (m_nMode) {
    case Ancestors:
        return L"ancest";
    case Descendants:
        return L"descend";
    default:
        return L"patriarh";
    }
}

bool CTreeDlg::OnInitDialog()
{
    CWaitCursor wait;
    CViewDlg::OnInitDialog();
    if (!AddMenus({IDM_VIEW, IDM_ROW, IDM_HELP}))
        return true;
    RemoveTreeCommands(MenuBar());
    ColourReadOnlyBox(m_countEdit);
    m_pWalker = std::make_unique<CTreeWalker>(Doc(), ViewOptionsFrom(Settings), static_cast<ViewMode>(m_nMode));
    // The log named whole, wherever the file was opened from.
    std::error_code error;
    const std::filesystem::path log = std::filesystem::absolute(GetLogPath(Doc().GetFolder()), error);
    m_pWalker->NameLogInBoxes(Utf8ToWide(log.string()));
    const CTreeContent content = m_pWalker->Build(m_nPerson);
    LogNotShown(Doc(), content.m_astrNotShown);
    ShowMessages(this, content.m_messages);
    if (content.m_bClose)
        return false;
    if (content.m_roots.empty())
        return true;
    setWindowTitle(ToQString(content.m_strCaption));
    m_countEdit->setText(ToQString(content.m_strCountText));
    QList<QTreeWidgetItem*> roots;
    roots.reserve(static_cast<qsizetype>(content.m_roots.size()));
    for (const CTreeNode& node : content.m_roots)
        roots.append(MakeItem(node));
    m_tree->addTopLevelItems(roots);
    if (m_nMode != Patriarchs)
        m_tree->expandItem(roots.front());
    FocusFirstRow(m_tree);
    return true;
}

QTreeWidgetItem* CTreeDlg::MakeItem(const CTreeNode& node)
{
    auto* pItem = new QTreeWidgetItem;
    pItem->setText(0, ToQString(node.m_strText));
    pItem->setData(0, Qt::UserRole, node.m_nPerson);
    pItem->setChildIndicatorPolicy(node.m_bHasChildren ? QTreeWidgetItem::ShowIndicator
                                                       : QTreeWidgetItem::DontShowIndicator);
    return pItem;
}

void CTreeDlg::AddChildren(QTreeWidgetItem* pItem, const std::vector<CTreeNode>& nodes)
{
    pItem->setData(0, kFilledRole, true);
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(nodes.size()));
    for (const CTreeNode& node : nodes)
        children.append(MakeItem(node));
    pItem->addChildren(children);
    pItem->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void CTreeDlg::FillChildren(QTreeWidgetItem* pItem)
{
    if (IsFilled(pItem))
        return;
    std::vector<int> anPath;
    for (QTreeWidgetItem* pAbove = pItem; pAbove; pAbove = pAbove->parent())
        anPath.push_back(PersonOf(pAbove));
    std::reverse(anPath.begin(), anPath.end());
    // A box comes before the items it speaks of appear.
    m_pWalker->BeginMessages();
    const std::vector<CTreeNode> children = m_pWalker->Children(anPath);
    ShowWalkMessages(Doc(), m_pWalker->EndMessages());
    AddChildren(pItem, children);
}

// Depth first in the order shown, so that a cut leaves the top of the subtree
// open. The walker is told the path an item at a time, so a line of any depth
// costs no more than its length.
void CTreeDlg::ExpandAll(QTreeWidgetItem* pItem)
{
    CWaitCursor wait;
    m_pWalker->BeginMessages();
    std::vector<QTreeWidgetItem*> above;
    for (QTreeWidgetItem* pAbove = pItem->parent(); pAbove; pAbove = pAbove->parent())
        above.push_back(pAbove);
    for (auto it = above.rbegin(); it != above.rend(); ++it)
        m_pWalker->Enter(PersonOf(*it));
    struct CStep {
        QTreeWidgetItem* m_pItem;
        int m_nNext;
    };
    std::vector<CStep> steps;
    int nMade = 0;
    bool bCut = false;
    const auto enter = [&](QTreeWidgetItem* pNext) {
        m_pWalker->Enter(PersonOf(pNext));
        if (!IsFilled(pNext)) {
            bCut = nMade >= kExpandLimit;
            if (!bCut) {
                AddChildren(pNext, m_pWalker->ChildrenOfEntered());
                nMade += pNext->childCount();
            }
        }
        if (IsFilled(pNext))
            pNext->setExpanded(true);
        steps.push_back({pNext, 0});
    };
    enter(pItem);
    while (!steps.empty()) {
        CStep& step = steps.back();
        if (!bCut && step.m_nNext < step.m_pItem->childCount()) {
            enter(step.m_pItem->child(step.m_nNext++));
            continue;
        }
        m_pWalker->Leave();
        steps.pop_back();
    }
    for (std::size_t i = 0; i < above.size(); ++i)
        m_pWalker->Leave();
    ShowWalkMessages(Doc(), m_pWalker->EndMessages());
    if (bCut)
        ShowMessage(this, LoadLangString(IDS_TREE_TOO_LARGE), LoadLangString(IDS_MESSAGE), CMessageIcon::Information);
}

void CTreeDlg::CollapseChildren(QTreeWidgetItem* pItem)
{
    for (int i = 0; i < pItem->childCount(); ++i)
        pItem->child(i)->setExpanded(false);
}

QTreeWidgetItem* CTreeDlg::SelectedItem() const
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

bool CTreeDlg::OnCommand(int nCommand)
{
    QTreeWidgetItem* pSelected = SelectedItem();
    // Without a selection the rows act on the one root; the patriarchs have none.
    QTreeWidgetItem* pRoot = m_nMode == Patriarchs ? nullptr : m_tree->topLevelItem(0);
    QTreeWidgetItem* pItem = pSelected ? pSelected : pRoot;
    switch (nCommand) {
    case ID_VIEW_OWN_FAMILY:
        OpenFamilyView(Doc(), SelectedTreePerson(m_tree));
        return true;
    case ID_VIEW_PARENTS_FAMILY:
        OpenParentsFamily(Doc(), SelectedTreePerson(m_tree));
        return true;
    case ID_VIEW_INFORMATION:
        OpenInfoView(Doc(), SelectedTreePerson(m_tree));
        return true;
    case ID_ROW_EXPAND:
        if (pItem)
            ExpandAll(pItem);
        return true;
    case ID_ROW_COLLAPSE:
        // Among the patriarchs nothing selected folds them all back.
        if (pItem)
            CollapseChildren(pItem);
        else
            CollapseChildren(m_tree->invisibleRootItem());
        return true;
    default:
        return RunPersonCommand(Doc(), nCommand, [this] { return SelectedTreePerson(m_tree); }) ||
               CViewDlg::OnCommand(nCommand);
    }
}
