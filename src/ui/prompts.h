#pragma once

#include <QString>
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
//: Asked by every new game. Name the same letter as the answer "y" below.
inline constexpr const char *kNewPlayers =
    QT_TRANSLATE_NOOP("Prompts", " New players? [enter y for YES  &  n for NO]");
//: The answer to the new-players question that brings new players: one
//: letter, the one the question names. "y" is accepted as well.
inline constexpr const char *kYes = QT_TRANSLATE_NOOP("Prompts", "y");
//: Asked for the red player when new players come. Keep the leading blank.
inline constexpr const char *kFirstFirstName =
    QT_TRANSLATE_NOOP("Prompts", " First Player's First Name");
//: Asked for the blue player when new players come. Keep the leading blank.
inline constexpr const char *kSecondFirstName =
    QT_TRANSLATE_NOOP("Prompts", " Second Player's First Name");

// A prompt in the player's language.
QString translated(const char *prompt);
// Whether an answer to the new-players question brings new players: exactly
// the yes-letter of the player's language, or "y".
bool isYes(const QString &answer);

}  // namespace dropline::ui::prompts
