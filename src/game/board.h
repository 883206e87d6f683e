#pragma once

#include <array>
#include <cstdint>

// The board: 5 columns (0 = left) by 5 rows (0 = bottom). A cell is named by
// its index 5 x row + column, so cells 0..4 are the bottom row, 20..24 the top.

namespace dropline {

inline constexpr int kColumns = 5;
inline constexpr int kRows = 5;
inline constexpr int kCells = kColumns * kRows;

// Counted clicks in one game; the click after the last one is a draw.
inline constexpr int kCountedClicks = kCells;

enum class Colour { Red, Blue };

// What a cell holds.
enum class Cell : std::uint8_t { Empty, Red, Blue };
using Cells = std::array<Cell, kCells>;

constexpr int cellIndex(int column, int row) {
    return kColumns * row + column;
}

constexpr Cell discOf(Colour colour) {
    return colour == Colour::Red ? Cell::Red : Cell::Blue;
}

constexpr Colour opponentOf(Colour colour) {
    return colour == Colour::Red ? Colour::Blue : Colour::Red;
}

}  // namespace dropline
