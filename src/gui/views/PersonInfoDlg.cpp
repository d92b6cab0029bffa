#include "gui/views/PersonInfoDlg.h"

#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/views/PersonPage.h"
#include "gui/platform/MenuBar.h"
#include "gui/views/Navigation.h"
#include "qtcore/platform/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

CPersonInfoDlg::CPersonInfoDlg(const CDocument& doc, QWidget* pParent) : CHtmlPane(doc, pParent)
{
    setObjectName(QStringLiteral("personInfo"));
    setWindowTitle(ToQString(LoadLangString(IDS_PERSON_INFORMATION)));
}

bool CPersonInfoDlg::OnInitDialog()
{
    CHtmlPane::OnInitDialog();
    if (m_nPerson >= 0) {
        if (!AddMenus({IDM_VIEW, IDM_HELP}))
            return false;
        // The page is the information already: the View menu keeps only the roads onward.
        for (QAction* pTitle : MenuBar()->actions()) {
            for (QAction* pAction : pTitle->menu()->actions()) {
                const int nCommand = CommandOf(pAction);
                if (nCommand == ID_PATRIARCHY || nCommand == ID_PERSON_LIST || nCommand == ID_VIEW_INFORMATION)
                    pTitle->menu()->removeAction(pAction);
            }
        }
        m_media = CollectMedia(Doc(), CCitedKind::Person, m_nPerson);
        m_strHtml = BuildPersonPageBody(Doc(), m_nPerson, ViewOptionsFrom(Settings), m_media);
    } else if (!AddMenus({IDM_HELP})) {
        return false;
    }
    m_strHtml = MakePageDocument(m_strHtml);
    SetHtml(m_strHtml);
    return true;
}

bool CPersonInfoDlg::OnCommand(int nCommand)
{
    if (m_nPerson < 0)
        return CHtmlPane::OnCommand(nCommand);
    switch (nCommand) {
    case ID_VIEW_ANCESTORS:
        OpenTreeView(Doc(), m_nPerson, 0);
        return true;
    case ID_VIEW_DESCENDANTS:
        OpenTreeView(Doc(), m_nPerson, 1);
        return true;
    case ID_VIEW_OWN_FAMILY:
        OpenFamilyView(Doc(), m_nPerson);
        return true;
    case ID_VIEW_PARENTS_FAMILY:
        OpenParentsFamily(Doc(), m_nPerson);
        return true;
    default:
        return RunPersonCommand(Doc(), nCommand, [this] { return m_nPerson; }) || CHtmlPane::OnCommand(nCommand);
    }
}
