#include "views/PersonListDlg.h"

#include "options/Language.h"
#include "options/StringIds.h"
#include "platform/QtText.h"
#include "platform/WaitCursor.h"
#include "views/Navigation.h"

#include <QAbstractListModel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

/// The entries as a model, so that a million of them fill the list at once.
class CPersonListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void SetEntries(std::vector<CPersonListEntry> entries)
    {
        beginResetModel();
        m_entries = std::move(entries);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
    }

    QVariant data(const QModelIndex& index, int nRole) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const CPersonListEntry& entry = m_entries[static_cast<std::size_t>(index.row())];
        if (nRole == Qt::DisplayRole)
            return ToQString(entry.m_strText);
        if (nRole == Qt::UserRole)
            return entry.m_nPerson;
        return {};
    }

private:
    std::vector<CPersonListEntry> m_entries;
};

CPersonListDlg::CPersonListDlg(QWidget* pParent) : CViewDlg(pParent)
{
    setObjectName(QStringLiteral("personList"));
    m_listPersons = new QListView(this);
    m_listPersons->setObjectName(QStringLiteral("persons"));
    m_listPersons->setUniformItemSizes(true);
    m_listPersons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listPersons->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pModel = new CPersonListModel(this);
    m_listPersons->setModel(m_pModel);
    m_editCaption = new QLineEdit(this);
    m_editCaption->setObjectName(QStringLiteral("caption"));
    m_editCaption->setReadOnly(true);
    m_editCaption->setFocusPolicy(Qt::NoFocus);
    Layout()->addWidget(m_listPersons, 1);
    Layout()->addWidget(m_editCaption);

    connect(m_listPersons, &QListView::doubleClicked, this, [this] { RunCommand(ID_VIEW_INFORMATION); });
    RunOnEnter(m_listPersons, [this] { RunCommand(ID_VIEW_INFORMATION); });
}

bool CPersonListDlg::OnInitDialog()
{
    CViewDlg::OnInitDialog();
    CWaitCursor wait;
    setWindowTitle(ToQString(LoadLangString(IDS_SELECT_PERSON)));
    if (!AddMenus({IDM_VIEW, IDM_HELP}))
        return false;
    CPersonListContent content = BuildPersonList(m_criteria);
    if (content.m_entries.empty()) {
        ShowMessage(this, LoadLangString(content.m_nMessageId), LoadLangString(IDS_MESSAGE), CMessageIcon::Exclamation);
        return false;
    }
    m_pModel->SetEntries(std::move(content.m_entries));
    m_editCaption->setText(ToQString(content.m_strCaption));
    ColourReadOnlyBox(m_editCaption);
    return true;
}

bool CPersonListDlg::OnCommand(int nCommand)
{
    switch (nCommand) {
    case ID_VIEW_ANCESTORS:
        OpenTreeView(SelectedListBoxPerson(m_listPersons), 0);
        return true;
    case ID_VIEW_DESCENDANTS:
        OpenTreeView(SelectedListBoxPerson(m_listPersons), 1);
        return true;
    case ID_VIEW_OWN_FAMILY:
        OpenFamilyView(SelectedListBoxPerson(m_listPersons));
        return true;
    case ID_VIEW_PARENTS_FAMILY:
        OpenParentsFamily(SelectedListBoxPerson(m_listPersons));
        return true;
    case ID_VIEW_INFORMATION:
        OpenInfoView(SelectedListBoxPerson(m_listPersons));
        return true;
    default:
        return CViewDlg::OnCommand(nCommand);
    }
}
