#pragma once

// The board: 5 columns (0 = left) by 5 rows (0 = bottom). A cell is named by
// its index 5 x row + column, so cells 0..4 are the bottom row, 20..24 the top.

namespace dropline {

inline constexpr int kColumns = 5;
inline constexpr int kRows = 5;
inline constexpr int kCells = kColumns * kRows;

// Counted clicks in one game; the click after the last one is a draw.
inline constexpr int kMaxMoves = kCells;

enum class Colour { Red, Blue };

constexpr int cellIndex(int column, int row) {
    return kColumns * row + column;
}

}  // namespace dropline
