#include "gui/views/FamilyDlg.h"

#include "core/model/EventInfo.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "gui/views/Navigation.h"
#include "gui/views/PersonInfoDlg.h"
#include "qtcore/platform/QtText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

QPlainTextEdit* MakeBox(QWidget* pParent, const char* pszName)
{
    auto* pBox = new QPlainTextEdit(pParent);
    pBox->setObjectName(QString::fromLatin1(pszName));
    pBox->setReadOnly(true);
    return pBox;
}

QIcon ChildIcon(int nImage)
{
    if (nImage == 0)
        return QIcon(QStringLiteral(":/images/child-male.png"));
    if (nImage == 1)
        return QIcon(QStringLiteral(":/images/child-other.png"));
    return {};
}

} // namespace

CFamilyDlg::CFamilyDlg(const CDocument& doc, QWidget* pParent) : CViewDlg(doc, pParent)
{
    setObjectName(QStringLiteral("family"));
    m_husbandBox = MakeBox(this, "husbandBox");
    m_wifeBox = MakeBox(this, "wifeBox");
    m_childList = new QTreeWidget(this);
    m_childList->setObjectName(QStringLiteral("children"));
    m_childList->setRootIsDecorated(false);
    m_childList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_childList->setIconSize(QSize(16, 16));
    m_childList->header()->setSectionsClickable(true);
    m_childList->header()->setSortIndicatorShown(true);
    auto* pBoxes = new QHBoxLayout;
    pBoxes->addWidget(m_husbandBox);
    pBoxes->addWidget(m_wifeBox);
    Layout()->addLayout(pBoxes, 4);
    Layout()->addWidget(m_childList, 3);
    connect(m_childList->header(), &QHeaderView::sectionClicked, this, &CFamilyDlg::SortByColumn);
    connect(m_childList, &QTreeWidget::itemDoubleClicked, this, [this] { RunCommand(ID_INFO_CHILD); });
    RunOnEnter(m_childList, [this] { RunCommand(ID_INFO_CHILD); });
}

bool CFamilyDlg::OnInitDialog()
{
    CViewDlg::OnInitDialog();
    setWindowTitle(ToQString(LoadLangString(IDS_FAMILY)));
    if (!AddMenus({IDM_INFO, IDM_HELP}))
        return true;
    CEventInfo::LoadEventLabels();
    CFamilyContent content = BuildFamilyView(Doc(), m_nPerson, ViewOptionsFrom(Settings));
    ShowMessages(this, content.m_messages);
    if (content.m_bClose)
        return false;
    m_husbandBox->setPlainText(ToQString(content.m_strHusbandBox));
    m_wifeBox->setPlainText(ToQString(content.m_strWifeBox));
    // Living persons are drawn on a text field's background, the deceased on the dialog's colour.
    QPlainTextEdit* pOwnBox = content.m_bPersonOnHusbandSide ? m_husbandBox : m_wifeBox;
    QPlainTextEdit* pOtherBox = content.m_bPersonOnHusbandSide ? m_wifeBox : m_husbandBox;
    ColourBox(pOwnBox, !content.m_bPersonDeceased);
    ColourBox(pOtherBox, !content.m_bSpousesDeceased);
    m_strNotesHtml = std::move(content.m_strNotesHtml);
    m_notesMedia = std::move(content.m_notesMedia);
    m_bChildrenListed = content.m_bChildrenListed;
    m_rows = std::move(content.m_children);

    m_childList->setHeaderLabels({QString(), ToQString(LoadLangString(IDS_BIRTHDATE)),
                                  ToQString(LoadLangString(IDS_CHILDREN_NAMES))});
    FillChildList();
    ShowSortIndicator();
    FocusFirstRow(m_childList);
    for (int nColumn = 0; nColumn < 3; ++nColumn)
        m_childList->resizeColumnToContents(nColumn);
    return true;
}

void CFamilyDlg::ColourBox(QWidget* pBox, bool bLiving) const
{
    if (bLiving)
        ColourReadOnlyBox(pBox);
    else
        ColourPlainReadOnlyBox(pBox);
}

void CFamilyDlg::FillChildList()
{
    m_childList->clear();
    for (const CChildRow& row : m_rows) {
        auto* pItem = new QTreeWidgetItem(m_childList);
        pItem->setIcon(0, ChildIcon(row.m_nImage));
        pItem->setText(1, ToQString(row.m_strBirthDate));
        pItem->setText(2, ToQString(row.m_strName));
        pItem->setData(0, Qt::UserRole, row.m_nPerson);
    }
}

// The header turns its arrow on every click by itself; the arrow follows the
// order the rows are in instead.
void CFamilyDlg::ShowSortIndicator()
{
    m_childList->header()->setSortIndicator(m_nSortColumn, m_bSortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CFamilyDlg::SortByColumn(int nColumn)
{
    if (nColumn != 1 && nColumn != 2) {
        ShowSortIndicator();
        return;
    }
    // The selected child stays selected, so that Child still opens it.
    const QTreeWidgetItem* pSelected = m_childList->selectedItems().value(0);
    const bool bSelected = pSelected != nullptr;
    const QVariant person = bSelected ? pSelected->data(0, Qt::UserRole) : QVariant();
    const QString strName = bSelected ? pSelected->text(2) : QString();
    m_nSortColumn = nColumn;
    m_bSortAscending = m_abNextAscending[nColumn - 1];
    m_abNextAscending[nColumn - 1] = !m_abNextAscending[nColumn - 1];
    SortChildRows(m_rows, m_nSortColumn, m_bSortAscending);
    FillChildList();
    ShowSortIndicator();
    if (!bSelected)
        return;
    for (int i = 0; i < m_childList->topLevelItemCount(); ++i) {
        QTreeWidgetItem* pItem = m_childList->topLevelItem(i);
        if (pItem->data(0, Qt::UserRole) == person && pItem->text(2) == strName) {
            m_childList->setCurrentItem(pItem);
            break;
        }
    }
}

bool CFamilyDlg::OnCommand(int nCommand)
{
    switch (nCommand) {
    case ID_INFO_HUSBAND:
        ShowSide(L"M");
        return true;
    case ID_INFO_WIFE:
        ShowSide(L"F");
        return true;
    case ID_INFO_CHILD:
        if (m_bChildrenListed)
            OpenInfoView(Doc(), SelectedListPerson(m_childList));
        return true;
    case ID_INFO_FAMILY_NOTES:
        ShowFamilyNotes();
        return true;
    // The keyboard's way to the header: each turns the order as a click on
    // the column does.
    case ID_SORT_BY_BIRTH_DATE:
        SortByColumn(1);
        return true;
    case ID_SORT_BY_NAME:
        SortByColumn(2);
        return true;
    default:
        return CViewDlg::OnCommand(nCommand);
    }
}

void CFamilyDlg::ShowSide(const wchar_t* pszWantedSex)
{
    bool bNoOwnFamily = false;
    const std::vector<int> anPersons = FamilySidePersons(Doc(), m_nPerson, pszWantedSex, bNoOwnFamily);
    if (bNoOwnFamily) {
        ShowMessage(this, LoadLangString(IDS_NO_INFORMATION_ABOUT_SPOUSE), LoadLangString(IDS_WARNING),
                    CMessageIcon::Exclamation);
        return;
    }
    for (const int nPerson : anPersons)
        OpenInfoView(Doc(), nPerson);
}

void CFamilyDlg::ShowFamilyNotes()
{
    if (m_strNotesHtml.empty()) {
        ShowMessage(this, LoadLangString(IDS_NO_FAMILY_NOTES), LoadLangString(IDS_MESSAGE), CMessageIcon::Information);
        return;
    }
    CPersonInfoDlg page(Doc());
    page.m_nPerson = -1;
    page.m_strTextTopic = GetHelpTopic();
    page.m_strHtml = m_strNotesHtml;
    page.m_media = m_notesMedia;
    page.RunModal();
}

// A double tap on the view itself, beside the boxes and the list, asks for the
// side it falls on.
void CFamilyDlg::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    RunCommand(pEvent->position().x() < width() / 2.0 ? ID_INFO_HUSBAND : ID_INFO_WIFE);
}
