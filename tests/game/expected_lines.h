#pragma once

#include <array>

#include "game/lines.h"

// The 28 line positions written out by hand, in the order they are tested:
// rows (start column 0 for rows 0..4, then start column 1), columns (start
// row 0 for columns 0..4, then start row 1), then the eight diagonals.

namespace dropline::test {

inline constexpr std::array<Line, 28> kExpectedLines{{
    // Rows, start column 0.
    {0, 1, 2, 3},
    {5, 6, 7, 8},
    {10, 11, 12, 13},
    {15, 16, 17, 18},
    {20, 21, 22, 23},
    // Rows, start column 1.
    {1, 2, 3, 4},
    {6, 7, 8, 9},
    {11, 12, 13, 14},
    {16, 17, 18, 19},
    {21, 22, 23, 24},
    // Columns, start row 0.
    {0, 5, 10, 15},
    {1, 6, 11, 16},
    {2, 7, 12, 17},
    {3, 8, 13, 18},
    {4, 9, 14, 19},
    // Columns, start row 1.
    {5, 10, 15, 20},
    {6, 11, 16, 21},
    {7, 12, 17, 22},
    {8, 13, 18, 23},
    {9, 14, 19, 24},
    // Diagonals rising to the right.
    {0, 6, 12, 18},
    {6, 12, 18, 24},
    {1, 7, 13, 19},
    {5, 11, 17, 23},
    // Diagonals rising to the left.
    {3, 7, 11, 15},
    {4, 8, 12, 16},
    {8, 12, 16, 20},
    {9, 13, 17, 21},
}};

inline constexpr int kExpectedFirstDiagonal = 20;

}  // namespace dropline::test
