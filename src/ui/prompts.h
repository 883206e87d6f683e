#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the main window asks the players, exactly as asked (blanks included).
// Marked for the translators under "Prompts"; shown through translated().

namespace dropline::ui::prompts {

inline constexpr const char *kContext = "Prompts";

//: The title of the name prompts. Keep the blank at each end.
inline constexpr const char *kNamesTitle = QT_TRANSLATE_NOOP("Prompts", " Players Names ");
//: Asked at start-up for the red player. Keep the leading blank.
inline constexpr const char *kFirstName = QT_TRANSLATE_NOOP("Prompts", " First Player's Name");
//: Asked at start-up for the blue player. Keep the leading blank.
inline constexpr const char *kSecondName = QT_TRANSLATE_NOOP("Prompts", " Second Player's Name");
//: Asked by every new game. Say what to type for yes (the answer "y" below)
//: and for no, in your language's own punctuation. Keep the leading blank.
inline constexpr const char *kNewPlayers =
    QT_TRANSLATE_NOOP("Prompts", " New players? [enter y for YES  &  n for NO]");
//: The answers to the new-players question that bring new players, separated
//: by a blank: the language's yes-letter or yes-word, as the question names
//: them first (a word typed with an input method, such as 是, is welcome).
//: "y" is accepted as well, and a letter typed full-width counts as itself.
inline constexpr const char *kYes = QT_TRANSLATE_NOOP("Prompts", "y");
//: Asked for the red player when new players come. Keep the leading blank.
inline constexpr const char *kFirstFirstName =
    QT_TRANSLATE_NOOP("Prompts", " First Player's First Name");
//: Asked for the blue player when new players come. Keep the leading blank.
inline constexpr const char *kSecondFirstName =
    QT_TRANSLATE_NOOP("Prompts", " Second Player's First Name");

// A prompt in the player's language.
QString translated(const char *prompt);
// The answers that bring new players in the player's language, the one the
// question names first.
QStringList yesAnswers();
// Whether an answer to the new-players question brings new players. In
// English exactly "y", as designed: " y", "Y" and "yes" bring none. In
// another language, its yes-answers and "y", also as an input method types
// them full-width (ｙ, ｏ).
bool isYes(const QString &answer);

}  // namespace dropline::ui::prompts
