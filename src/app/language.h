#pragma once

#include <QLocale>
#include <QString>

namespace dropline::app {

// Puts the game in the player's language: the game's own translation and
// Qt's (the dialogs' buttons), both for the first of the user's languages
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them) that the game
// speaks. English, as designed, when that language is English, or comes
// before any the game speaks, or when either translation is missing or
// cannot be read: never one language in the game and another in its dialogs.
// Returns the language installed ("fr", "pt_BR"), or an empty string for
// English. Call once the application exists, before any window is made.
QString installTranslations(const QLocale &locale, const QString &qtTranslations);

}  // namespace dropline::app
