#include "gui/platform/QtTranslation.h"

#include "core/options/Settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> theQtTranslator;

QString QtLanguageOf(const std::wstring& strLang)
{
    if (strLang == L"En")
        return {};
    if (strLang == L"Fr")
        return QStringLiteral("fr");
    if (strLang == L"Ge")
        return QStringLiteral("de");
    if (strLang == L"It")
        return QStringLiteral("it");
    return QStringLiteral("ru"); // any other code reads as Russian
}

} // namespace

void FollowLanguageInQt()
{
    if (theQtTranslator) {
        QCoreApplication::removeTranslator(theQtTranslator.get());
        theQtTranslator.reset();
    }
    const QString language = QtLanguageOf(Settings.Lang);
    if (language.isEmpty())
        return;
    auto pTranslator = std::make_unique<QTranslator>();
    if (pTranslator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(pTranslator.get()))
        theQtTranslator = std::move(pTranslator);
}
