#include "gui/views/RelationshipDlg.h"

#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/platform/WaitCursor.h"
#include "core/views/PersonPage.h"
#include "core/views/RelationshipPage.h"
#include "gui/views/Navigation.h"
#include "qtcore/platform/QtText.h"

CRelationshipDlg::CRelationshipDlg(const CDocument& doc, QWidget* pParent) : CHtmlPane(doc, pParent)
{
    setObjectName(QStringLiteral("relationship"));
    setWindowTitle(ToQString(LoadLangString(IDS_RELATIONSHIP)));
}

bool CRelationshipDlg::OnInitDialog()
{
    CHtmlPane::OnInitDialog();
    if (!AddMenus({IDM_HELP}))
        return false;
    ShowWays();
    return true;
}

void CRelationshipDlg::ShowWays()
{
    CWaitCursor wait;
    const CViewOptions options = ViewOptionsFrom(Settings);
    const CRelationships found = FindRelationships(Doc(), m_nA, m_nB);
    SetHtml(MakePageDocument(BuildRelationshipPage(Doc(), m_nA, m_nB, found, options)));
}

void CRelationshipDlg::OnLinkClicked(const std::wstring& strTarget)
{
    if (strTarget != L"choose:") {
        CHtmlPane::OnLinkClicked(strTarget);
        return;
    }
    const int nOther = ChoosePerson(Doc());
    if (nOther < 0)
        return;
    m_nB = nOther;
    ShowWays();
}
