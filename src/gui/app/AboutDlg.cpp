#include "gui/app/AboutDlg.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "qtcore/platform/QtText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(ToQString(LoadLangString(IDS_ABOUT_STEMMARK)));
    auto* pLayout = new QGridLayout(this);
    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(QIcon(QStringLiteral(":/images/stemmark.png")).pixmap(32, 32));
    pLayout->addWidget(pIcon, 0, 0, 2, 1, Qt::AlignTop);

    // The name comes from the program's own table: the same in every language.
    m_pName = new QLabel(ToQString(LoadBaseString(IDS_PRODUCT_NAME)), this);
    m_pName->setObjectName(QStringLiteral("name"));
    m_pVersion = new QLabel(ToQString(LoadLangString(IDS_VERSION)) + QStringLiteral(" 1.10"), this);
    m_pVersion->setObjectName(QStringLiteral("version"));
    for (QLabel* pLabel : {m_pName, m_pVersion})
        pLabel->setAlignment(Qt::AlignHCenter);
    pLayout->addWidget(m_pName, 0, 1);
    pLayout->addWidget(m_pVersion, 1, 1);
    m_pLicence = new QLabel(ToQString(LoadLangString(IDS_LICENCE)), this);
    m_pLicence->setObjectName(QStringLiteral("licence"));
    pLayout->addWidget(m_pLicence, 2, 0, 1, 2);
    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    pLayout->addWidget(m_pButtons, 3, 0, 1, 2);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}
