#include "gui/platform/MenuBar.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "qtcore/platform/QtText.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QShortcut>

#include <utility>

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

// The caption with its own mark taken away; "&&" stays.
QString WithoutMark(const QString& strCaption)
{
    QString strPlain = strCaption;
    for (qsizetype i = 0; i + 1 < strPlain.size(); ++i) {
        if (strPlain[i] != QLatin1Char('&'))
            continue;
        if (strPlain[i + 1] != QLatin1Char('&')) {
            strPlain.remove(i, 1);
            break;
        }
        ++i;
    }
    return strPlain;
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

// The Russian letter on each key of a Latin keyboard, by the key's Latin
// character: Alt+F on a Latin layout is the key of Alt+А.
constexpr std::pair<char, char16_t> theCyrillicKeys[] = {
    {'Q', u'й'}, {'W', u'ц'}, {'E', u'у'}, {'R', u'к'}, {'T', u'е'}, {'Y', u'н'}, {'U', u'г'},  {'I', u'ш'},
    {'O', u'щ'}, {'P', u'з'}, {'[', u'х'}, {']', u'ъ'}, {'A', u'ф'}, {'S', u'ы'}, {'D', u'в'},  {'F', u'а'},
    {'G', u'п'}, {'H', u'р'}, {'J', u'о'}, {'K', u'л'}, {'L', u'д'}, {';', u'ж'}, {'\'', u'э'}, {'Z', u'я'},
    {'X', u'ч'}, {'C', u'с'}, {'V', u'м'}, {'B', u'и'}, {'N', u'т'}, {'M', u'ь'}, {',', u'б'},  {'.', u'ю'},
    {'`', u'ё'}};

QChar CyrillicOfKey(int nKey)
{
    for (const auto& [latin, cyrillic] : theCyrillicKeys)
        if (nKey == latin)
            return QChar(cyrillic);
    return {};
}

// The item of `actions` whose Alt letter is `letter`, or none.
QAction* MarkedAction(const QList<QAction*>& actions, QChar letter)
{
    for (QAction* pAction : actions)
        if (!pAction->isSeparator() && pAction->isVisible() && MarkedLetter(pAction->text()) == letter)
            return pAction;
    return nullptr;
}

// Menus in Russian mark Russian letters. A user typing on a Latin layout
// reaches them by the key they stand on, as on a Russian layout: Alt+A opens
// "&Файл", and in an open menu J runs "&Открыть". A Latin letter that a menu
// marks itself keeps its own meaning.
class CLatinKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::KeyPress)
            return false;
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        const QChar cyrillic = CyrillicOfKey(pKey->key());
        const QString strTyped = pKey->text().toLower();
        if (cyrillic.isNull() || strTyped.size() != 1 || strTyped[0] == cyrillic)
            return false;
        const Qt::KeyboardModifiers modifiers = pKey->modifiers() & ~Qt::KeypadModifier;
        if (auto* pMenu = qobject_cast<QMenu*>(pObject)) {
            if ((modifiers & ~(Qt::AltModifier | Qt::ShiftModifier)) != Qt::NoModifier ||
                MarkedAction(pMenu->actions(), strTyped[0]) || !MarkedAction(pMenu->actions(), cyrillic))
                return false;
            QKeyEvent asTyped(QEvent::KeyPress, cyrillic.toUpper().unicode(), modifiers, QString(cyrillic));
            QCoreApplication::sendEvent(pMenu, &asTyped);
            return true;
        }
        auto* pWidget = qobject_cast<QWidget*>(pObject);
        auto* pBar = qobject_cast<QMenuBar*>(pObject);
        if (pBar ? (modifiers & ~Qt::AltModifier) != Qt::NoModifier : !pWidget || modifiers != Qt::AltModifier)
            return false;
        if (!pBar)
            pBar = BarOf(pWidget->window());
        if (!pBar || MarkedAction(pBar->actions(), strTyped[0]))
            return false;
        QAction* pTitle = MarkedAction(pBar->actions(), cyrillic);
        if (!pTitle)
            return false;
        pBar->setActiveAction(pTitle);
        return true;
    }

private:
    static QMenuBar* BarOf(QWidget* pWindow)
    {
        for (QMenuBar* pBar : pWindow->findChildren<QMenuBar*>())
            if (pBar->window() == pWindow && pBar->isVisible())
                return pBar;
        return nullptr;
    }
};

// One filter serves every bar of the program.
void FollowLatinKeys()
{
    static QPointer<CLatinKeyFilter> pFilter;
    if (!pFilter && QCoreApplication::instance()) {
        pFilter = new CLatinKeyFilter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(pFilter);
    }
}

} // namespace

QStringList WithMnemonics(const QStringList& captions)
{
    // Own letters are taken first, each by the first caption that marks it; a
    // later caption marking a letter already taken gets another.
    QSet<QChar> taken;
    QStringList result;
    for (const QString& strCaption : captions) {
        const QChar marked = MarkedLetter(strCaption);
        const bool bKeeps = !marked.isNull() && !taken.contains(marked);
        if (bKeeps)
            taken.insert(marked);
        result << (bKeeps || marked.isNull() ? strCaption : WithoutMark(strCaption));
    }
    for (QString& strMarked : result) {
        if (!MarkedLetter(strMarked).isNull())
            continue;
        // The key shown after a tab is no part of the text.
        const qsizetype nTab = strMarked.indexOf(QLatin1Char('\t'));
        const qsizetype nEnd = nTab < 0 ? strMarked.size() : nTab;
        for (qsizetype i = 0; i < nEnd; ++i) {
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
        QStringList texts;
        for (const CMenuItem& item : menu.m_items)
            texts << (item.m_bSeparator ? QString() : ToQString(item.m_strText));
        texts = WithMnemonics(texts);
        for (std::size_t nItem = 0; nItem < menu.m_items.size(); ++nItem) {
            const CMenuItem& item = menu.m_items[nItem];
            if (item.m_bSeparator) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction = pMenu->addAction(texts[static_cast<qsizetype>(nItem)]);
            pAction->setData(item.m_nCommand);
            pAction->setShortcut(ShortcutOf(item.m_nCommand));
            const int nCommand = item.m_nCommand;
            QObject::connect(pAction, &QAction::triggered, pBar, [onCommand, nCommand] { onCommand(nCommand); });
        }
    }
    FollowLatinKeys();
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
