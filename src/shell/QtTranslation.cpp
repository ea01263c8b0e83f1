#include "QtTranslation.h"

#include "data/Messages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace rv::ui {

namespace {

std::unique_ptr<QTranslator> Installed;
int InstalledLanguage = rv::English;

} // namespace

bool UseQtTranslation(int language) {
    if (language == InstalledLanguage && (Installed || language == rv::English)) return true;
    if (Installed) QCoreApplication::removeTranslator(Installed.get());
    Installed.reset();
    InstalledLanguage = language;
    if (language != rv::Chinese) return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    Installed = std::move(translator);
    return true;
}

} // namespace rv::ui
