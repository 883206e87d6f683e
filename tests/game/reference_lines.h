#pragma once

#include <vector>

#include "game/line_scan.h"
#include "game/lines.h"

// Fours in a row found by walking the board, independently of the game's own
// table of line positions.

namespace dropline::test {

// Every run of four cells along a row, a column or either diagonal.
const std::vector<Line> &geometricLines();

// Whether `cells` holds every cell of `line`.
bool fills(const Cells &cells, const Line &line);

// The runs of four that `cells` fills completely.
std::vector<Line> completeLines(const Cells &cells);

bool hasFour(const Cells &cells);

}  // namespace dropline::test
