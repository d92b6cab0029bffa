#include "gui/views/PersonListDlg.h"

#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/platform/WaitCursor.h"
#include "core/views/Relationship.h"
#include "gui/views/Navigation.h"
#include "qtcore/platform/QtText.h"

#include <QAbstractListModel>
#include <QFont>
#include <QLineEdit>
#include <QListView>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

/// The entries as a model, so that a million of them fill the list at once.
class CPersonListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void SetEntries(std::vector<CPersonListEntry> entries, int nHome)
    {
        beginResetModel();
        m_entries = std::move(entries);
        m_nHome = nHome;
        endResetModel();
    }

    void SetHome(int nHome)
    {
        m_nHome = nHome;
        emit dataChanged(index(0), index(rowCount() - 1));
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
        // The home person stands out: a house before the name, in bold.
        if (nRole == Qt::DisplayRole)
            return entry.m_nPerson == m_nHome ? QStringLiteral("\u2302 ") + ToQString(entry.m_strText)
                                              : ToQString(entry.m_strText);
        if (nRole == Qt::FontRole && entry.m_nPerson == m_nHome) {
            QFont font;
            font.setBold(true);
            return font;
        }
        if (nRole == Qt::UserRole)
            return entry.m_nPerson;
        return {};
    }

private:
    std::vector<CPersonListEntry> m_entries;
    int m_nHome = -1;
};

namespace {

constexpr int kMinRowWidth = 500;

} // namespace

// The list's rows are as wide as its widest entry and never under 500 pixels,
// so a long entry can be scrolled to its end.
class CWideRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int m_nRowWidth = kMinRowWidth;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::max(size.width(), m_nRowWidth));
        return size;
    }
};

namespace {

// Measuring a million entries would hold the list up for seconds: only the
// longest few hundred are measured, the only ones likely to be widest.
int WidestEntry(const QFontMetrics& metrics, const std::vector<CPersonListEntry>& entries)
{
    constexpr std::size_t kMeasured = 256;
    if (entries.empty())
        return 0;
    std::vector<std::size_t> anLengths;
    anLengths.reserve(entries.size());
    for (const CPersonListEntry& entry : entries)
        anLengths.push_back(entry.m_strText.size());
    const std::size_t nTop = std::min(kMeasured, anLengths.size());
    std::nth_element(anLengths.begin(), anLengths.begin() + static_cast<std::ptrdiff_t>(nTop - 1), anLengths.end(),
                     std::greater<>());
    const std::size_t nShortest = anLengths[nTop - 1];
    int nWidest = 0;
    std::size_t nDone = 0;
    for (const CPersonListEntry& entry : entries) {
        if (entry.m_strText.size() < nShortest)
            continue;
        nWidest = std::max(nWidest, metrics.horizontalAdvance(ToQString(entry.m_strText)));
        if (++nDone == 4 * kMeasured) // many entries of one length
            break;
    }
    return nWidest;
}

} // namespace

CPersonListDlg::CPersonListDlg(const CDocument& doc, QWidget* pParent) : CViewDlg(doc, pParent)
{
    setObjectName(QStringLiteral("personList"));
    m_listPersons = new QListView(this);
    m_listPersons->setObjectName(QStringLiteral("persons"));
    m_listPersons->setUniformItemSizes(true);
    m_listPersons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listPersons->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pModel = new CPersonListModel(this);
    m_listPersons->setModel(m_pModel);
    m_pDelegate = new CWideRowDelegate(m_listPersons);
    m_listPersons->setItemDelegate(m_pDelegate);
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
    setWindowTitle(ToQString(LoadLangString(m_bChoose ? IDS_CHOOSE_PERSON_TO_COMPARE : IDS_SELECT_PERSON)));
    if (!AddMenus({IDM_VIEW, IDM_HELP}))
        return false;
    CPersonListContent content = BuildPersonList(Doc(), m_criteria, ViewOptionsFrom(Settings));
    ShowMessages(this, content.m_messages);
    if (content.m_bClose)
        return false;
    // The margins of the item's text, as the style draws them.
    const int nMargins = 4 * m_listPersons->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_listPersons) + 8;
    m_pDelegate->m_nRowWidth =
        std::max(kMinRowWidth, WidestEntry(m_listPersons->fontMetrics(), content.m_entries) + nMargins);
    m_pModel->SetEntries(std::move(content.m_entries), HomePersonOf(Doc()));
    FocusFirstRow(m_listPersons);
    m_editCaption->setText(ToQString(content.m_strCaption));
    ColourReadOnlyBox(m_editCaption);
    return true;
}

bool CPersonListDlg::OnCommand(int nCommand)
{
    switch (nCommand) {
    case ID_VIEW_ANCESTORS:
        OpenTreeView(Doc(), SelectedListBoxPerson(m_listPersons), 0);
        return true;
    case ID_VIEW_DESCENDANTS:
        OpenTreeView(Doc(), SelectedListBoxPerson(m_listPersons), 1);
        return true;
    case ID_VIEW_OWN_FAMILY:
        OpenFamilyView(Doc(), SelectedListBoxPerson(m_listPersons));
        return true;
    case ID_VIEW_PARENTS_FAMILY:
        OpenParentsFamily(Doc(), SelectedListBoxPerson(m_listPersons));
        return true;
    case ID_VIEW_INFORMATION:
        if (!m_bChoose) {
            OpenInfoView(Doc(), SelectedListBoxPerson(m_listPersons));
        } else if ((m_nChosen = SelectedListBoxPerson(m_listPersons)) >= 0) {
            accept();
        }
        return true;
    case ID_SET_HOME_PERSON:
        if (const int nPerson = SelectedListBoxPerson(m_listPersons); nPerson >= 0) {
            SetHomePerson(Doc(), nPerson);
            m_pModel->SetHome(nPerson);
        }
        return true;
    default:
        return RunPersonCommand(Doc(), nCommand, [this] { return SelectedListBoxPerson(m_listPersons); }) ||
               CViewDlg::OnCommand(nCommand);
    }
}
