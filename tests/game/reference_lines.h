#pragma once

#include <vector>

#include "game/board.h"
#include "game/lines.h"

// Fours in a row found by walking the board, independently of the game's own
// table of line positions.

namespace dropline::test {

// Every run of four cells along a row, a column or either diagonal.
const std::vector<Line> &geometricLines();

// Whether `disc` lies in every cell of `line`.
bool fills(const Cells &cells, const Line &line, Cell disc);

// The runs of four that `disc` fills completely.
std::vector<Line> completeLines(const Cells &cells, Cell disc);

bool hasFour(const Cells &cells, Cell disc);

}  // namespace dropline::test
