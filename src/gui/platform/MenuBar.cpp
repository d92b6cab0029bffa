#include "gui/platform/MenuBar.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "qtcore/platform/QtText.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QShortcut>

namespace {

// The letter a caption already marks with '&', or a null char; "&&" is a
// literal ampersand, as in the item texts.
QChar MarkedLetter(const QString& strCaption)
{
    for (qsizetype i = 0; i + 1 < strCaption.size(); ++i) {
        if (strCaption[i] != QLatin1Char('&'))
            continue;
        if (strCaption[i + 1] != QLatin1Char('&'))
            return strCaption[i + 1].toLower();
        ++i; // "&&" is a literal ampersand
    }
    return {};
}

// The keys the program answers everywhere; the bar shows them beside their items.
QKeySequence ShortcutOf(int nCommand)
{
    switch (nCommand) {
    case ID_FILE_OPEN:
        return QKeySequence::Open;
    case ID_FILE_OPEN_NEW_WINDOW:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    case ID_HELP_TOPIC:
        return QKeySequence::HelpContents;
    default:
        return {};
    }
}

} // namespace

QStringList WithMnemonics(const QStringList& captions)
{
    QSet<QChar> taken;
    for (const QString& strCaption : captions)
        if (const QChar marked = MarkedLetter(strCaption); !marked.isNull())
            taken.insert(marked);
    QStringList result;
    for (const QString& strCaption : captions) {
        QString strMarked = strCaption;
        if (MarkedLetter(strCaption).isNull()) {
            for (qsizetype i = 0; i < strMarked.size(); ++i) {
                const QChar letter = strMarked[i].toLower();
                if (strMarked[i] == QLatin1Char('&'))
                    ++i; // past the second of "&&"
                else if (strMarked[i].isLetter() && !taken.contains(letter)) {
                    taken.insert(letter);
                    strMarked.insert(i, QLatin1Char('&'));
                    break;
                }
            }
        }
        result << strMarked;
    }
    return result;
}

bool FillMenuBar(QMenuBar* pBar, const std::vector<int>& anMenuIds, const std::function<void(int)>& onCommand)
{
    std::vector<CMenuBarMenu> menus;
    const bool bComplete = BuildMenuBar(anMenuIds, menus);
    QStringList captions;
    for (const CMenuBarMenu& menu : menus)
        captions << ToQString(menu.m_strCaption);
    captions = WithMnemonics(captions);
    for (std::size_t nMenu = 0; nMenu < menus.size(); ++nMenu) {
        const CMenuBarMenu& menu = menus[nMenu];
        QMenu* pMenu = pBar->addMenu(captions[static_cast<qsizetype>(nMenu)]);
        pMenu->setObjectName(QStringLiteral("menu%1").arg(menu.m_nMenuId));
        for (const CMenuItem& item : menu.m_items) {
            if (item.m_bSeparator) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction = pMenu->addAction(ToQString(item.m_strText));
            pAction->setData(item.m_nCommand);
            pAction->setShortcut(ShortcutOf(item.m_nCommand));
            const int nCommand = item.m_nCommand;
            QObject::connect(pAction, &QAction::triggered, pBar, [onCommand, nCommand] { onCommand(nCommand); });
        }
    }
    // F10 opens the first menu; the arrows then walk the bar.
    auto* pF10 = new QShortcut(QKeySequence(Qt::Key_F10), pBar);
    pF10->setObjectName(QStringLiteral("menuBarKey"));
    QObject::connect(pF10, &QShortcut::activated, pBar, [pBar] {
        if (!pBar->actions().isEmpty())
            pBar->setActiveAction(pBar->actions().first());
    });
    return bComplete;
}

bool BarCarries(const QMenuBar* pBar, int nCommand)
{
    for (const QAction* pTitle : pBar->actions()) {
        if (!pTitle->menu())
            continue;
        for (const QAction* pAction : pTitle->menu()->actions())
            if (!pAction->isSeparator() && CommandOf(pAction) == nCommand)
                return true;
    }
    return false;
}

int CommandOf(const QAction* pAction)
{
    return pAction ? pAction->data().toInt() : 0;
}
