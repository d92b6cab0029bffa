#include "views/Navigation.h"

#include "model/Tables.h"
#include "views/FamilyDlg.h"
#include "views/PersonInfoDlg.h"
#include "views/PersonList.h"
#include "views/TreeDlg.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QTreeWidget>

void OpenInfoView(int nPerson)
{
    if (nPerson < 0)
        return;
    CPersonInfoDlg page;
    page.m_nPerson = nPerson;
    page.RunModal();
}

void OpenFamilyView(int nPerson)
{
    if (nPerson < 0)
        return;
    CFamilyDlg family;
    family.m_nPerson = nPerson;
    family.RunModal();
}

void OpenTreeView(int nPerson, int nMode)
{
    if (nPerson < 0)
        return;
    CTreeDlg tree;
    tree.m_nPerson = nPerson;
    tree.m_nMode = nMode;
    tree.RunModal();
}

void OpenParentsFamily(int nPerson)
{
    if (nPerson < 0)
        return;
    const int nParent = FindParentIndex(nPerson);
    if (nParent >= 0)
        OpenFamilyView(nParent);
}

int SelectedListBoxPerson(const QListView* pList)
{
    const QModelIndex current = pList->currentIndex();
    const bool bSelected = current.isValid() && pList->selectionModel()->isSelected(current);
    return SelectedPerson(bSelected ? current.data(Qt::UserRole).toInt() : -1);
}

int SelectedListPerson(const QTreeWidget* pList)
{
    const QList<QTreeWidgetItem*> selected = pList->selectedItems();
    return SelectedPerson(selected.isEmpty() ? -1 : selected.front()->data(0, Qt::UserRole).toInt());
}

int SelectedTreePerson(const QTreeWidget* pTree)
{
    return SelectedListPerson(pTree);
}
