#include "gui/views/Navigation.h"

#include "core/model/Document.h"
#include "core/options/HomePerson.h"
#include "core/options/StringIds.h"
#include "core/views/Relationship.h"
#include "core/views/PersonList.h"
#include "gui/platform/Messages.h"
#include "gui/views/FamilyDlg.h"
#include "gui/views/ChartDlg.h"
#include "gui/views/PersonInfoDlg.h"
#include "gui/views/PersonListDlg.h"
#include "gui/views/RelationshipDlg.h"
#include "gui/views/TreeDlg.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QTreeWidget>

namespace {

class CEnterFilter : public QObject {
public:
    CEnterFilter(QObject* pParent, std::function<void()> fnEnter) : QObject(pParent), m_fnEnter(std::move(fnEnter)) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::KeyPress) {
            const auto* pKey = static_cast<QKeyEvent*>(pEvent);
            if (pKey->key() == Qt::Key_Return || pKey->key() == Qt::Key_Enter) {
                m_fnEnter();
                return true;
            }
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    std::function<void()> m_fnEnter;
};

int SelectedPersonOrWarn(int nSelected)
{
    CMessages messages;
    const int nPerson = SelectedPerson(nSelected, messages);
    ShowMessages(theTopWindow, messages);
    return nPerson;
}

} // namespace

void RunOnEnter(QWidget* pWidget, std::function<void()> fnEnter)
{
    pWidget->installEventFilter(new CEnterFilter(pWidget, std::move(fnEnter)));
}

void FocusFirstRow(QAbstractItemView* pView)
{
    const QModelIndex first = pView->model()->index(0, 0);
    if (first.isValid())
        pView->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    pView->setFocus();
}

void SetHomePerson(const CDocument& doc, int nPerson)
{
    if (nPerson >= 0)
        WriteHomePerson(doc.GetPath(), doc.Str(doc.Persons()[nPerson].m_strId));
}

int ChoosePerson(const CDocument& doc)
{
    CPersonListDlg list(doc);
    list.m_bChoose = true;
    list.RunModal();
    return list.m_nChosen;
}

void OpenRelationship(const CDocument& doc, int nPerson)
{
    if (nPerson < 0)
        return;
    const int nHome = HomePersonOf(doc);
    const int nOther = nHome >= 0 && nHome != nPerson ? nHome : ChoosePerson(doc);
    if (nOther < 0)
        return;
    CRelationshipDlg view(doc);
    view.m_nA = nPerson;
    view.m_nB = nOther;
    view.RunModal();
}

void OpenChart(const CDocument& doc, int nPerson, int nKind)
{
    if (nPerson < 0)
        return;
    CChartDlg view(doc);
    view.m_nPerson = nPerson;
    view.m_kind = nKind == 0 ? CChartKind::Ancestors : CChartKind::Descendants;
    view.RunModal();
}

bool RunPersonCommand(const CDocument& doc, int nCommand, const std::function<int()>& fnPerson)
{
    switch (nCommand) {
    case ID_SET_HOME_PERSON:
        SetHomePerson(doc, fnPerson());
        return true;
    case ID_VIEW_RELATIONSHIP:
        OpenRelationship(doc, fnPerson());
        return true;
    case ID_VIEW_ANCESTOR_CHART:
    case ID_VIEW_DESCENDANT_CHART:
        OpenChart(doc, fnPerson(), nCommand == ID_VIEW_ANCESTOR_CHART ? 0 : 1);
        return true;
    default:
        return false;
    }
}

void OpenInfoView(const CDocument& doc, int nPerson)
{
    if (nPerson < 0)
        return;
    CPersonInfoDlg page(doc);
    page.m_nPerson = nPerson;
    page.RunModal();
}

void OpenFamilyView(const CDocument& doc, int nPerson)
{
    if (nPerson < 0)
        return;
    CFamilyDlg family(doc);
    family.m_nPerson = nPerson;
    family.RunModal();
}

void OpenTreeView(const CDocument& doc, int nPerson, int nMode)
{
    if (nPerson < 0)
        return;
    CTreeDlg tree(doc);
    tree.m_nPerson = nPerson;
    tree.m_nMode = nMode;
    tree.RunModal();
}

void OpenParentsFamily(const CDocument& doc, int nPerson)
{
    if (nPerson < 0)
        return;
    CMessages messages;
    const int nParent = doc.FindParentIndex(nPerson, messages);
    ShowMessages(theTopWindow, messages);
    if (nParent >= 0)
        OpenFamilyView(doc, nParent);
}

int SelectedListBoxPerson(const QListView* pList)
{
    const QModelIndex current = pList->currentIndex();
    const bool bSelected = current.isValid() && pList->selectionModel()->isSelected(current);
    return SelectedPersonOrWarn(bSelected ? current.data(Qt::UserRole).toInt() : -1);
}

int SelectedListPerson(const QTreeWidget* pList)
{
    const QList<QTreeWidgetItem*> selected = pList->selectedItems();
    return SelectedPersonOrWarn(selected.isEmpty() ? -1 : selected.front()->data(0, Qt::UserRole).toInt());
}

int SelectedTreePerson(const QTreeWidget* pTree)
{
    return SelectedListPerson(pTree);
}
