#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "game/board.h"
#include "game/game.h"

// Positions written the way a player sees them: five strings of '.', 'R' and
// 'B', top row first, so "....." "....." "....." "....." "..R.." is a red disc
// in the bottom row of column 2.

namespace dropline::test {

using BoardText = std::array<std::string, kRows>;

inline constexpr char kEmptyMark = '.';
inline constexpr char kRedMark = 'R';
inline constexpr char kBlueMark = 'B';

char mark(Colour colour);

// Clicks the columns named by the digits of `clicks` in order ("0012" clicks
// columns 0, 0, 1 and 2); blanks are skipped. Returns what each click did.
std::vector<DropResult> play(Game &game, std::string_view clicks);

// The game's cells as a board picture.
BoardText render(const Game &game);

// The cells of a board picture.
Cells cellsOf(const BoardText &board);

// A board holding `disc` in the cells listed, and nothing else.
Cells cellSet(std::initializer_list<int> cells, Cell disc);

// The mark at a cell of a board picture.
char markAt(const BoardText &board, int cell);

// The number of discs on the game's board.
int discsOnBoard(const Game &game);

}  // namespace dropline::test
