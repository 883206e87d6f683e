#pragma once

#include <array>

#include "board.h"

// Every position of four in a row on the board, in the order they are tested:
// rows (start column 0 then 1, rows bottom to top), columns (start row 0 then
// 1, columns left to right), then the eight diagonals.

namespace dropline {

inline constexpr int kLineLength = 4;
using Line = std::array<int, kLineLength>;

inline constexpr int kRowLines = 10;
inline constexpr int kColumnLines = 10;
inline constexpr int kDiagonalLines = 8;
inline constexpr int kLines = kRowLines + kColumnLines + kDiagonalLines;

namespace detail {

constexpr std::array<Line, kLines> makeLines() {
    std::array<Line, kLines> lines{};
    int n = 0;
    for (int start = 0; start < 2; ++start) {
        for (int row = 0; row < kRows; ++row) {
            for (int k = 0; k < kLineLength; ++k) {
                lines[n][k] = cellIndex(start + k, row);
            }
            ++n;
        }
    }
    for (int start = 0; start < 2; ++start) {
        for (int column = 0; column < kColumns; ++column) {
            for (int k = 0; k < kLineLength; ++k) {
                lines[n][k] = cellIndex(column, start + k);
            }
            ++n;
        }
    }
    constexpr std::array<Line, kDiagonalLines> diagonals{{
        {0, 6, 12, 18},
        {6, 12, 18, 24},
        {1, 7, 13, 19},
        {5, 11, 17, 23},
        {3, 7, 11, 15},
        {4, 8, 12, 16},
        {8, 12, 16, 20},
        {9, 13, 17, 21},
    }};
    for (const Line &diagonal : diagonals) {
        lines[n++] = diagonal;
    }
    return lines;
}

}  // namespace detail

inline constexpr std::array<Line, kLines> kAllLines = detail::makeLines();
inline constexpr int kFirstDiagonal = kRowLines + kColumnLines;

}  // namespace dropline
