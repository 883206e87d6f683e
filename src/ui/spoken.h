#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "game/board.h"

namespace dropline {
class Game;
struct Disc;
}  // namespace dropline

// What a screen reader says where a sighted player reads the artwork: the
// drawn buttons, the words drawn on the score panel, the board and its discs.
// None of these words is ever drawn; the artwork carries its own.
//
// Every phrase is marked for the translators under "Spoken" and said in the
// player's language.

namespace dropline::ui::spoken {

inline constexpr const char *kContext = "Spoken";

// The buttons drawn in the three windows' artwork.
//: The big button that starts a new game, as drawn.
inline constexpr const char *kNewGame = QT_TRANSLATE_NOOP("Spoken", "New Game");
//: The big button that shows the credits, as drawn.
inline constexpr const char *kAbout = QT_TRANSLATE_NOOP("Spoken", "About");
//: The button that leaves the game, and the farewell window's button.
inline constexpr const char *kExit = QT_TRANSLATE_NOOP("Spoken", "Exit");
//: The button that closes the credits.
inline constexpr const char *kOk = QT_TRANSLATE_NOOP("Spoken", "OK");

// The score panel's drawn words, without their colons, and the winner line.
//: As drawn on the score panel, without its colon.
inline constexpr const char *kPlayer1 = QT_TRANSLATE_NOOP("Spoken", "Player 1");
//: As drawn on the score panel, without its colon.
inline constexpr const char *kPlayer2 = QT_TRANSLATE_NOOP("Spoken", "Player 2");
//: As drawn on the score panel, without its colon: the discs placed in this game.
inline constexpr const char *kStep = QT_TRANSLATE_NOOP("Spoken", "Step");
//: As drawn on the score panel, without its colon: the games won.
inline constexpr const char *kWinned = QT_TRANSLATE_NOOP("Spoken", "Winned");
//: The line of the score panel that shows who won.
inline constexpr const char *kWinner = QT_TRANSLATE_NOOP("Spoken", "Winner");

//: The board, as a screen reader names it.
inline constexpr const char *kBoard = QT_TRANSLATE_NOOP("Spoken", "Board");

// One of the words above in the player's language.
QString translated(const char *word);

// A drawn word with the colour of the values beside it: "Step, red".
QString scoreTitle(const char *word, Colour colour);
// A score label's name: "Step, red: 4", or the title alone while it shows
// nothing.
QString scoreName(const QString &title, const QString &shown);
// A column's discs from the bottom up and its free cells:
// "Column 3: red, blue; 3 free", "Column 1: empty", "Column 5: ...; full".
QString columnName(const Game &game, int column);
// Every column, left to right.
QString boardDescription(const Game &game);
// A disc by colour and cell, rows counted from the bottom:
// "red disc, column 3, row 2".
QString discName(Colour colour, int column, int row);

// What the board says as play goes on. A player is a colour and the name
// typed for it, when there is one: "Red, Ann", or "Red".
QString player(Colour colour, const QString &name);
// "Red, Ann: column 3, row 2."
QString placed(const Disc &disc, const QString &player);
// "Blue, Bob, to move."
QString toMove(const QString &player);
// "Column 3 is full. Blue, Bob, still to move."
QString columnFull(int column, const QString &player);
// Lines read one after another, each closed as a sentence:
// "Player 1, red: Ann. Step, red: 0."
QString sentences(const QStringList &lines);

// What the window says of the game. A player of the game, with the name
// typed for them.
QString player(const Game &game, Colour colour);
// Whose turn it is ("Blue, Bob, to move."), or, while a won game is on the
// board, the winner line.
QString turn(const Game &game);
// The score panel as it reads: red's lines, blue's, then the winner line.
QString scoreboard(const Game &game);
// The winner line for a colour, as the score panel shows it.
QString winnerLine(Colour colour);

}  // namespace dropline::ui::spoken
