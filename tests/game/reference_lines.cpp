#include "reference_lines.h"

#include <algorithm>

namespace dropline::test {

namespace {

struct Step {
    int column;
    int row;
};

// Right, up, up-right and up-left.
constexpr Step kDirections[] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}};

bool onBoard(int column, int row) {
    return column >= 0 && column < kColumns && row >= 0 && row < kRows;
}

std::vector<Line> walkBoard() {
    std::vector<Line> lines;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            for (const Step step : kDirections) {
                const int lastColumn = column + (kLineLength - 1) * step.column;
                const int lastRow = row + (kLineLength - 1) * step.row;
                if (!onBoard(lastColumn, lastRow)) {
                    continue;
                }
                Line line{};
                for (int k = 0; k < kLineLength; ++k) {
                    line[k] = cellIndex(column + k * step.column, row + k * step.row);
                }
                lines.push_back(line);
            }
        }
    }
    return lines;
}

}  // namespace

const std::vector<Line> &geometricLines() {
    static const std::vector<Line> lines = walkBoard();
    return lines;
}

bool fills(const Cells &cells, const Line &line, Cell disc) {
    return std::all_of(line.begin(), line.end(), [&](int cell) { return cells[cell] == disc; });
}

std::vector<Line> completeLines(const Cells &cells, Cell disc) {
    std::vector<Line> complete;
    for (const Line &line : geometricLines()) {
        if (fills(cells, line, disc)) {
            complete.push_back(line);
        }
    }
    return complete;
}

bool hasFour(const Cells &cells, Cell disc) {
    const std::vector<Line> &lines = geometricLines();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Line &line) { return fills(cells, line, disc); });
}

}  // namespace dropline::test
