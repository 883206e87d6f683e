#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "board.h"

namespace dropline {

using Cells = std::array<std::int16_t, kCells>;  // 1 where a disc of one colour lies

// Looks for four in a row of either colour. Rows are tested first, then
// columns, each position red before blue; then the diagonals, red before blue.
// Returns the colour to announce, once, however many lines are complete.
std::optional<Colour> scanLines(const Cells &redcells, const Cells &bluecells);

}  // namespace dropline
