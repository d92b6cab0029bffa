#include "gui/platform/QtHelpLauncher.h"

#include "core/options/Language.h"
#include "core/platform/DataFolders.h"
#include "core/text/WideText.h"
#include "qtcore/platform/QtText.h"

CQtHelpLauncher::~CQtHelpLauncher()
{
    delete m_pWindow;
}

QUrl CQtHelpLauncher::HelpUrl(const std::wstring& strCommandLine)
{
    const std::size_t hash = strCommandLine.find(L'#');
    const std::wstring strFile = strCommandLine.substr(0, hash);
    const std::filesystem::path folder("help");
    std::filesystem::path path = FindDataFile(folder / WideToUtf8(LangHelpFile(strFile)));
    if (path.empty())
        path = FindDataFile(folder / WideToUtf8(strFile));
    if (path.empty())
        return {};
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(path.string()));
    if (hash != std::wstring::npos)
        url.setFragment(ToQString(strCommandLine.substr(hash + 1)));
    return url;
}

void CQtHelpLauncher::Launch(const std::wstring& strCommandLine)
{
    const QUrl url = HelpUrl(strCommandLine);
    if (url.isEmpty())
        return;
    if (!m_pWindow)
        m_pWindow = new CHelpWindow;
    m_pWindow->ShowUrl(url);
}
