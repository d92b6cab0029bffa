#include "views/Navigation.h"

#include "model/Tables.h"
#include "views/PersonInfoDlg.h"
#include "views/PersonList.h"

#include <QItemSelectionModel>
#include <QListView>

// The family view and the trees open here as each comes into being.

void OpenInfoView(int nPerson)
{
    if (nPerson < 0)
        return;
    CPersonInfoDlg page;
    page.m_nPerson = nPerson;
    page.RunModal();
}

void OpenFamilyView(int)
{
}

void OpenTreeView(int, int)
{
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
