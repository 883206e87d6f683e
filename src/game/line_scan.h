#pragma once

#include <optional>

#include "board.h"

namespace dropline {

// Looks for four in a row of either colour. Rows are tested first, then
// columns, each position red before blue; then the diagonals, red before blue.
// Returns the colour to announce, once, however many lines are complete.
std::optional<Colour> scanLines(const Cells &cells);

}  // namespace dropline
