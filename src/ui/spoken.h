#pragma once

#include <QString>
#include <QStringList>

#include "game/board.h"

namespace dropline {
class Game;
struct PlacedDisc;
}  // namespace dropline

// What a screen reader says where a sighted player reads the artwork: the
// drawn buttons, the words drawn on the score panel, the board and its discs.
// None of these words is ever drawn; the artwork carries its own.

namespace dropline::ui::spoken {

// The buttons drawn in the three windows' artwork.
inline constexpr const char *kNewGame = "New Game";
inline constexpr const char *kAbout = "About";
inline constexpr const char *kExit = "Exit";
inline constexpr const char *kOk = "OK";

// The score panel's drawn words, without their colons, and the winner line.
inline constexpr const char *kPlayer1 = "Player 1";
inline constexpr const char *kPlayer2 = "Player 2";
inline constexpr const char *kStep = "Step";
inline constexpr const char *kWinned = "Winned";
inline constexpr const char *kWinner = "Winner";

inline constexpr const char *kBoard = "Board";

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
// A placed disc by colour and cell, rows counted from the bottom:
// "red disc, column 3, row 2".
QString discName(const PlacedDisc &disc);

// What the board says as play goes on. A player is a colour and the name
// typed for it, when there is one: "Red, Ann", or "Red".
QString player(Colour colour, const QString &name);
// "Red, Ann: column 3, row 2."
QString placed(const PlacedDisc &disc, const QString &player);
// "Blue, Bob, to move."
QString toMove(const QString &player);
// "Column 3 is full. Blue, Bob, still to move."
QString columnFull(int column, const QString &player);
// Lines read one after another, each closed as a sentence:
// "Player 1, red: Ann. Step, red: 0."
QString sentences(const QStringList &lines);

}  // namespace dropline::ui::spoken
