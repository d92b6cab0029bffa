#pragma once

#include <functional>

class CDocument;
class QAbstractItemView;
class QListView;
class QWidget;
class QTreeWidget;

// How one view opens another. Each runs the new view modally on top and
// returns when it closes; a person index below 0 opens nothing.

void OpenInfoView(const CDocument& doc, int nPerson);
void OpenFamilyView(const CDocument& doc, int nPerson);
/// nMode: 0 ancestors, 1 descendants, 2 patriarchs.
void OpenTreeView(const CDocument& doc, int nPerson, int nMode);
/// The family of the person's father, else mother.
void OpenParentsFamily(const CDocument& doc, int nPerson);

/// Keeps the person as the home person of the document's file.
void SetHomePerson(const CDocument& doc, int nPerson);
/// How the person is related to the home person, or, without one (or when
/// it is the person), to a person the user chooses.
void OpenRelationship(const CDocument& doc, int nPerson);
/// The person's chart; nKind: 0 ancestors, 1 descendants.
void OpenChart(const CDocument& doc, int nPerson, int nKind);
/// The commands every view of a person offers the same way: Set as Home
/// Person, Relationship and the two charts, for the person `fnPerson` gives
/// (asked only for these, so its warning comes only then). False for any
/// other command.
bool RunPersonCommand(const CDocument& doc, int nCommand, const std::function<int()>& fnPerson);
/// A person the user chooses in the person list, or -1.
int ChoosePerson(const CDocument& doc);

/// The person of the list's current entry, or -1 after the "Please select a
/// person" warning.
int SelectedListBoxPerson(const QListView* pList);

/// The person of the first selected row of a report list, or -1 after the
/// "Please select a person" warning.
int SelectedListPerson(const QTreeWidget* pList);
/// The person of the tree's selected item, or -1 after the same warning.
int SelectedTreePerson(const QTreeWidget* pTree);

/// Enter or Return on the widget runs `fnEnter` instead of reaching the view,
/// as a double click on the selected row does.
void RunOnEnter(QWidget* pWidget, std::function<void()> fnEnter);

/// The view's first row becomes current and selected, and the view takes the
/// focus: Enter then acts on the row the user sees marked.
void FocusFirstRow(QAbstractItemView* pView);
