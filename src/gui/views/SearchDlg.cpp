#include "gui/views/SearchDlg.h"

#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "gui/views/PersonListDlg.h"
#include "qtcore/platform/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* MakeEdit(QWidget* pParent, const char* pszName)
{
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setObjectName(QString::fromLatin1(pszName));
    return pEdit;
}

QLabel* MakeLabel(QWidget* pParent, int nStringId)
{
    return new QLabel(ToQString(LoadLangString(nStringId)), pParent);
}

} // namespace

CSearchDlg::CSearchDlg(const CDocument& doc, QWidget* pParent) : CViewDlg(doc, pParent)
{
    setObjectName(QStringLiteral("search"));
    m_editFirstName = MakeEdit(this, "firstName");
    m_editLastName = MakeEdit(this, "lastName");
    m_editFullName = MakeEdit(this, "fullName");
    m_editBirthFrom = MakeEdit(this, "birthFrom");
    m_editBirthTo = MakeEdit(this, "birthTo");
    m_checkNoBirthYear = new QCheckBox(this);
    m_checkNoBirthYear->setObjectName(QStringLiteral("noBirthYear"));
    m_buttonFind = new QPushButton(this);
    m_buttonFind->setObjectName(QStringLiteral("find"));
    m_buttonFind->setDefault(true);
    m_buttonCancel = new QPushButton(this);
    m_buttonCancel->setObjectName(QStringLiteral("cancel"));
    connect(m_buttonFind, &QPushButton::clicked, this, &CSearchDlg::OnFind);
    connect(m_buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool CSearchDlg::OnInitDialog()
{
    CViewDlg::OnInitDialog();
    setWindowTitle(ToQString(LoadLangString(IDS_SEARCH)));
    if (!AddMenus({IDM_HELP}))
        return false;

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(MakeLabel(this, IDS_FIRST_NAME), 0, 0);
    pGrid->addWidget(MakeLabel(this, IDS_LAST_NAME), 0, 1);
    pGrid->addWidget(m_editFirstName, 1, 0);
    pGrid->addWidget(m_editLastName, 1, 1);
    pGrid->addWidget(MakeLabel(this, IDS_FULL_NAME), 2, 0, 1, 2);
    pGrid->addWidget(m_editFullName, 3, 0, 1, 2);
    pGrid->addWidget(MakeLabel(this, IDS_BIRTH_DATE_BETWEEN), 4, 0, 1, 2);
    auto* pRange = new QHBoxLayout;
    QLabel* pAnd = MakeLabel(this, IDS_AND);
    pAnd->setAlignment(Qt::AlignCenter);
    pRange->addWidget(m_editBirthFrom, 2);
    pRange->addWidget(pAnd, 1);
    pRange->addWidget(m_editBirthTo, 2);
    pGrid->addLayout(pRange, 5, 0, 1, 2);
    m_checkNoBirthYear->setText(ToQString(LoadLangString(IDS_PERSONS_WITHOUT_BIRTH_YEAR)));
    pGrid->addWidget(m_checkNoBirthYear, 6, 0, 1, 2);
    Layout()->addLayout(pGrid);
    Layout()->addStretch(1);

    m_buttonFind->setText(ToQString(LoadLangString(IDS_FIND)));
    m_buttonCancel->setText(ToQString(LoadLangString(IDS_CANCEL)));
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    pButtons->addWidget(m_buttonFind);
    pButtons->addWidget(m_buttonCancel);
    Layout()->addLayout(pButtons);
    return true;
}

bool CSearchDlg::TakeBirthDate(const QLineEdit* pEdit, std::wstring& strBound)
{
    CMessages messages;
    const bool bTaken = TakeBirthBound(FromQString(pEdit->text()), strBound, messages, ViewOptionsFrom(Settings).m_dates);
    ShowMessages(this, messages);
    return bTaken;
}

// The names go to the list as typed; the list does the matching.
void CSearchDlg::OnFind()
{
    CPersonListDlg list(Doc());
    list.m_criteria.m_strFirstFilter = FromQString(m_editFirstName->text());
    list.m_criteria.m_strLastFilter = FromQString(m_editLastName->text());
    list.m_criteria.m_strFullFilter = FromQString(m_editFullName->text());
    list.m_criteria.m_bNoBirthYear = m_checkNoBirthYear->isChecked();
    if (!TakeBirthDate(m_editBirthFrom, list.m_criteria.m_strBirthFrom) ||
        !TakeBirthDate(m_editBirthTo, list.m_criteria.m_strBirthTo))
        return;
    list.RunModal();
}
