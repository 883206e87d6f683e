#include "line_scan.h"

#include <algorithm>
#include <span>

#include "lines.h"

namespace dropline {

namespace {

bool complete(const Line &line, const Cells &cells, Cell disc) {
    return std::all_of(line.begin(), line.end(), [&](int cell) { return cells[cell] == disc; });
}

bool anyComplete(std::span<const Line> lines, const Cells &cells, Cell disc) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Line &line) { return complete(line, cells, disc); });
}

}  // namespace

std::optional<Colour> scanLines(const Cells &cells) {
    const std::span<const Line> all{kAllLines};

    // Rows and columns: the first complete position wins, red before blue.
    for (const Line &line : all.first(kFirstDiagonal)) {
        if (complete(line, cells, Cell::Red)) {
            return Colour::Red;
        }
        if (complete(line, cells, Cell::Blue)) {
            return Colour::Blue;
        }
    }

    // Diagonals: all of red's, then all of blue's.
    const auto diagonals = all.subspan(kFirstDiagonal);
    if (anyComplete(diagonals, cells, Cell::Red)) {
        return Colour::Red;
    }
    if (anyComplete(diagonals, cells, Cell::Blue)) {
        return Colour::Blue;
    }
    return std::nullopt;
}

}  // namespace dropline
