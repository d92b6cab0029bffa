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
    auto* pName = new QLabel(ToQString(LoadBaseString(IDS_PRODUCT_NAME)), this);
    pName->setObjectName(QStringLiteral("name"));
    auto* pVersion = new QLabel(ToQString(LoadLangString(IDS_VERSION)) + QStringLiteral(" 1.10"), this);
    pVersion->setObjectName(QStringLiteral("version"));
    for (QLabel* pLabel : {pName, pVersion})
        pLabel->setAlignment(Qt::AlignHCenter);
    pLayout->addWidget(pName, 0, 1);
    pLayout->addWidget(pVersion, 1, 1);
    auto* pLicence = new QLabel(ToQString(LoadLangString(IDS_LICENCE)), this);
    pLicence->setObjectName(QStringLiteral("licence"));
    pLayout->addWidget(pLicence, 2, 0, 1, 2);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pButtons->setObjectName(QStringLiteral("buttons"));
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    pLayout->addWidget(pButtons, 3, 0, 1, 2);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}
