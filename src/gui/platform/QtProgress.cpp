#include "gui/platform/QtProgress.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "gui/platform/Messages.h"
#include "qtcore/platform/QtText.h"

#include <QApplication>
#include <QProgressDialog>

CQtProgressSink::CQtProgressSink() = default;

CQtProgressSink::~CQtProgressSink() = default;

void CQtProgressSink::Show(int nLabelId, int nPercent)
{
    const std::wstring strLabel = LoadLangString(nLabelId);
    if (!m_pWindow)
        Open(strLabel);
    m_pWindow->setLabelText(ToQString(strLabel));
    m_pWindow->setValue(nPercent);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

namespace {

// The window in front; at the start, before any window was activated, the
// main window, so that the progress sits over it and not anywhere.
QWidget* OwnerInFront()
{
    if (theTopWindow)
        return theTopWindow;
    if (QWidget* pActive = QApplication::activeWindow())
        return pActive;
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->isVisible())
            return pWidget;
    }
    return nullptr;
}

} // namespace

// Not modal: a modal progress window would let events in by itself, user
// input among them; the wait cursor and the input left out say enough.
void CQtProgressSink::Open(const std::wstring& strLabel)
{
    m_pWindow = std::make_unique<QProgressDialog>(ToQString(strLabel), QString(), 0, 100, OwnerInFront());
    m_pWindow->setWindowTitle(ToQString(LoadLangString(IDS_PRODUCT_NAME)));
    m_pWindow->setWindowModality(Qt::NonModal);
    m_pWindow->setCancelButton(nullptr);
    m_pWindow->setMinimumDuration(0);
    m_pWindow->setAutoClose(false);
    m_pWindow->setAutoReset(false);
    m_pWindow->show();
}

void CQtProgressSink::Hide()
{
    m_pWindow.reset();
}
