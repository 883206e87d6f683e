#include "language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace dropline::app {

namespace {

// Where the build puts the game's translations, and their names.
constexpr const char *kGameTranslations = ":/i18n";
constexpr const char *kGameCatalog = "tavrin-dropline";
constexpr const char *kQtCatalog = "qtbase";

bool isEnglish(const QLocale &language) {
    return language.language() == QLocale::English || language.language() == QLocale::C;
}

}  // namespace

QString installTranslations(const QLocale &locale, const QString &qtTranslations) {
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (isEnglish(language)) {
            return {};
        }
        auto game = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!game->load(language, kGameCatalog, "_", kGameTranslations)) {
            continue;
        }
        auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!qt->load(QLocale(game->language()), kQtCatalog, "_", qtTranslations)) {
            qWarning("Qt's own translation for \"%s\" is missing or unreadable in %s: playing in "
                     "English.",
                     qPrintable(game->language()), qPrintable(qtTranslations));
            return {};
        }
        QCoreApplication::installTranslator(qt.release());
        QCoreApplication::installTranslator(game.get());
        return game.release()->language();
    }
    return {};
}

}  // namespace dropline::app
