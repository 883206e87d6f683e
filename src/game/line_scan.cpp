#include "line_scan.h"

#include <algorithm>
#include <span>

#include "lines.h"

namespace dropline {

namespace {

bool complete(const Line &line, const Cells &cells) {
    return std::all_of(line.begin(), line.end(), [&](int cell) { return cells[cell] != 0; });
}

bool anyComplete(std::span<const Line> lines, const Cells &cells) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Line &line) { return complete(line, cells); });
}

}  // namespace

std::optional<Colour> scanLines(const Cells &redcells, const Cells &bluecells) {
    const std::span<const Line> all{kAllLines};

    // Rows and columns: the first complete position wins, red before blue.
    for (const Line &line : all.first(kFirstDiagonal)) {
        if (complete(line, redcells)) {
            return Colour::Red;
        }
        if (complete(line, bluecells)) {
            return Colour::Blue;
        }
    }

    // Diagonals: all of red's, then all of blue's.
    const auto diagonals = all.subspan(kFirstDiagonal);
    if (anyComplete(diagonals, redcells)) {
        return Colour::Red;
    }
    if (anyComplete(diagonals, bluecells)) {
        return Colour::Blue;
    }
    return std::nullopt;
}

}  // namespace dropline
