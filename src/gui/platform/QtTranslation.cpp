#include "gui/platform/QtTranslation.h"

#include "core/options/Language.h"
#include "core/options/Settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> theQtTranslator;

} // namespace

void FollowLanguageInQt()
{
    if (theQtTranslator) {
        QCoreApplication::removeTranslator(theQtTranslator.get());
        theQtTranslator.reset();
    }
    const QString language = QString::fromLatin1(SelectedLanguage(Settings.Lang).m_pszQtLocale);
    if (language.isEmpty())
        return;
    auto pTranslator = std::make_unique<QTranslator>();
    if (pTranslator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(pTranslator.get()))
        theQtTranslator = std::move(pTranslator);
}
