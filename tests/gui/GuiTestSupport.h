#pragma once

// What every widget test stands on: the core tests' support, the app and its
// frame, the options, and all of Qt's widgets and test tools.
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "core/platform/SettingsStore.h"
#include "gui/app/GenealogyApp.h"
#include "gui/app/MainFrame.h"
#include "gui/platform/MenuBar.h"
#include "gui/platform/Messages.h"
#include "gui/views/FamilyDlg.h"
#include "gui/views/PersonInfoDlg.h"
#include "gui/views/TreeDlg.h"
#include "qtcore/platform/QtText.h"
#include "TestSupport.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QtTest>
#include <QtWidgets>

/// Default options in English, as each test starts.
inline void ResetState()
{
    Settings = CSettings();
    SetLanguage(L"En");
}

/// A fresh application, without a file, over default options.
inline void StartApp(std::optional<CGenealogyApp>& app)
{
    app.reset();
    ResetState();
    app.emplace();
}

/// Writes a file whole; one that cannot be written fails the test.
inline void WriteFile(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(bytes) == bytes.size());
}

/// Records the message boxes instead of showing them.
class CRecordingSink : public CMessageSink {
public:
    CRecordingSink() { m_pPrevious = SetMessageSink(this); }
    ~CRecordingSink() override { SetMessageSink(m_pPrevious); }
    CRecordingSink(const CRecordingSink&) = delete;
    CRecordingSink& operator=(const CRecordingSink&) = delete;
    void Show(QWidget* pOwner, const CMessageBox& box) override
    {
        m_aOwners.push_back(pOwner);
        m_astrTexts.push_back(box.m_strText);
        m_astrCaptions.push_back(box.m_strCaption);
        m_aIcons.push_back(box.m_icon);
    }

    std::vector<QWidget*> m_aOwners;
    std::vector<std::wstring> m_astrTexts;
    std::vector<std::wstring> m_astrCaptions;
    std::vector<CMessageIcon> m_aIcons;

private:
    CMessageSink* m_pPrevious = nullptr;
};

/// Answers modal dialogs as they come up: a dialog's exec() has started its
/// loop before the answer runs, so the answer may close it, and one the
/// answer left open is closed after it, so that no test hangs on a dialog.
class CModalAnswer : public QObject {
public:
    using CAnswer = std::function<void(QDialog&)>;

    /// `bEvery`: every modal dialog while this lives, else only the next one.
    explicit CModalAnswer(CAnswer fnAnswer, bool bEvery = true)
        : m_fnAnswer(std::move(fnAnswer)), m_bEvery(bEvery)
    {
        qApp->installEventFilter(this);
    }
    ~CModalAnswer() override { qApp->removeEventFilter(this); }

    bool Answered() const { return m_nAnswered > 0; }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        auto* pDialog = qobject_cast<QDialog*>(pWatched);
        if (pEvent->type() != QEvent::Show || !pDialog || !pDialog->isModal() || (!m_bEvery && Answered()))
            return false;
        ++m_nAnswered;
        QMetaObject::invokeMethod(
            pDialog,
            [pDialog = QPointer<QDialog>(pDialog), fnAnswer = m_fnAnswer] {
                fnAnswer(*pDialog);
                if (pDialog && pDialog->isVisible())
                    pDialog->reject();
            },
            Qt::QueuedConnection);
        if (parent() == qApp && !m_bEvery)
            deleteLater();
        return false;
    }

private:
    CAnswer m_fnAnswer;
    bool m_bEvery;
    int m_nAnswered = 0;
};

/// Acts on the next modal dialog when it is up, then closes it if still open.
inline void AnswerNextModal(CModalAnswer::CAnswer fnAnswer)
{
    (new CModalAnswer(std::move(fnAnswer), false))->setParent(qApp); // ends itself once it answered
}

/// Runs a view with `fnWhileOpen` acting on it once it is up, and closes it
/// after; a view that never came up fails the test.
template <class TView> int RunWhileOpen(TView& view, std::function<void(TView&)> fnWhileOpen)
{
    CModalAnswer answer([fnWhileOpen](QDialog& dialog) { fnWhileOpen(static_cast<TView&>(dialog)); }, false);
    const int nResult = view.RunModal();
    if (!answer.Answered())
        QTest::qFail("the view did not open", __FILE__, __LINE__);
    return nResult;
}

/// A widget of a dialog by its object name; a missing one ends the run, as
/// every test would crash on it.
template <class TWidget> TWidget* Child(const QObject& parent, const char* pszName)
{
    auto* pChild = parent.findChild<TWidget*>(QLatin1String(pszName));
    if (!pChild)
        qFatal("no %s named %s", TWidget::staticMetaObject.className(), pszName);
    return pChild;
}

/// The kind of a view and its person ("info 3", "ancestors 3", "family 1"), or its
/// object name ("personList").
inline QString Describe(const QWidget& view)
{
    if (auto* pPage = qobject_cast<const CPersonInfoDlg*>(&view))
        return QStringLiteral("info %1").arg(pPage->m_nPerson);
    if (auto* pTree = qobject_cast<const CTreeDlg*>(&view))
        return QStringLiteral("%1 %2")
            .arg(QStringList{"ancestors", "descendants", "patriarchs"}.value(pTree->m_nMode))
            .arg(pTree->m_nPerson);
    if (auto* pFamily = qobject_cast<const CFamilyDlg*>(&view))
        return QStringLiteral("family %1").arg(pFamily->m_nPerson);
    return view.objectName();
}

/// Every view that opens while it lives, described and closed at once.
class CViewRecorder : public CModalAnswer {
public:
    CViewRecorder() : CModalAnswer([this](QDialog& view) { m_views << Describe(view); }) {}

    QStringList m_views;
};

/// The titles of a menu bar's drop-downs as the resources store them, without
/// the Alt letters the bar adds.
inline QStringList MenuTitles(const QMenuBar* pBar)
{
    QStringList titles;
    for (const QAction* pAction : pBar->actions())
        titles << QString(pAction->text()).remove(QLatin1Char('&'));
    return titles;
}

/// The command ids of a drop-down, 0 for a separator.
inline QList<int> MenuCommands(const QMenuBar* pBar, int nIndex)
{
    QList<int> commands;
    for (const QAction* pAction : pBar->actions().at(nIndex)->menu()->actions())
        commands << (pAction->isSeparator() ? 0 : CommandOf(pAction));
    return commands;
}

/// Triggers the action of a bar that carries the command.
inline bool TriggerCommand(const QMenuBar* pBar, int nCommand)
{
    for (const QAction* pTitle : pBar->actions()) {
        for (QAction* pAction : pTitle->menu()->actions()) {
            if (!pAction->isSeparator() && CommandOf(pAction) == nCommand) {
                pAction->trigger();
                return true;
            }
        }
    }
    return false;
}

/// The object names of the widgets Tab reaches from `pStart`, one a press,
/// until it comes back or after 20 presses.
inline QStringList TabChain(QWidget* pStart)
{
    QStringList names;
    pStart->setFocus(Qt::TabFocusReason);
    QWidget* pWindow = pStart->window();
    for (int i = 0; i < 20; ++i) {
        QWidget* pFocus = pWindow->focusWidget();
        names << (pFocus ? pFocus->objectName() : QString());
        QTest::keyClick(pFocus ? pFocus : pWindow, Qt::Key_Tab);
        if (pWindow->focusWidget() == pStart)
            break;
    }
    return names;
}

// Small models for the views, made as the core's tests make them.
inline CPerson& AddTestPerson(CDocument& doc, const wchar_t* pszId, const wchar_t* pszName,
                              const wchar_t* pszSex, const wchar_t* pszBirth = nullptr,
                              const wchar_t* pszFamc = L"", std::initializer_list<const wchar_t*> fams = {})
{
    return AddPerson(doc, {pszId, pszName, pszSex, pszFamc, {fams.begin(), fams.end()}, pszBirth});
}
