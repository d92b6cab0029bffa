#include "platform/MenuBar.h"

#include "options/Language.h"
#include "platform/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

bool FillMenuBar(QMenuBar* pBar, const std::vector<int>& anMenuIds, const std::function<void(int)>& onCommand)
{
    std::vector<CMenuBarMenu> menus;
    const bool bComplete = BuildMenuBar(anMenuIds, menus);
    for (const CMenuBarMenu& menu : menus) {
        QMenu* pMenu = pBar->addMenu(ToQString(menu.m_strCaption));
        pMenu->setObjectName(QStringLiteral("menu%1").arg(menu.m_nMenuId));
        for (const CMenuItem& item : menu.m_items) {
            if (item.m_bSeparator) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction = pMenu->addAction(ToQString(item.m_strText));
            pAction->setData(item.m_nCommand);
            const int nCommand = item.m_nCommand;
            QObject::connect(pAction, &QAction::triggered, pBar, [onCommand, nCommand] { onCommand(nCommand); });
        }
    }
    return bComplete;
}

int CommandOf(const QAction* pAction)
{
    return pAction ? pAction->data().toInt() : 0;
}
