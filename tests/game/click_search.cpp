#include "click_search.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "reference_lines.h"

namespace dropline::test {

namespace {

// Gives up on positions that need more tries than this.
constexpr long kMaxVisits = 2'000'000;

struct Position {
    Cells cells{};
    std::array<int, kColumns> fill{};
    int discs = 0;
    std::string clicks;

    Colour mover() const { return discs % 2 == 0 ? Colour::Red : Colour::Blue; }

    // The cell a click on `column` fills, or -1 when the column is full.
    int landing(int column) const {
        return fill[column] < kRows ? cellIndex(column, fill[column]) : -1;
    }
    void drop(int column) {
        cells[landing(column)] = discOf(mover());
        ++fill[column];
        ++discs;
        clicks.push_back(static_cast<char>('0' + column));
    }
    void undo(int column) {
        --fill[column];
        --discs;
        cells[cellIndex(column, fill[column])] = Cell::Empty;
        clicks.pop_back();
    }
};

// What a search may do with a disc, and when it is done.
enum class Verdict { Forbidden, Continue, Done };

using Judge = std::function<Verdict(Position &, Colour mover, int cell)>;
using Preference = std::function<int(Colour mover, int cell)>;  // lower is tried first

bool search(Position &position, const Judge &judge, const Preference &prefer, long &visits) {
    if (++visits > kMaxVisits || position.discs == kCells) {
        return false;
    }
    const Colour mover = position.mover();
    std::vector<int> columns;
    for (int column = 0; column < kColumns; ++column) {
        if (position.landing(column) >= 0) {
            columns.push_back(column);
        }
    }
    std::stable_sort(columns.begin(), columns.end(), [&](int a, int b) {
        return prefer(mover, position.landing(a)) < prefer(mover, position.landing(b));
    });
    for (int column : columns) {
        const int cell = position.landing(column);
        position.drop(column);
        const Verdict verdict = judge(position, mover, cell);
        if (verdict == Verdict::Done) {
            return true;
        }
        if (verdict == Verdict::Continue && search(position, judge, prefer, visits)) {
            return true;
        }
        position.undo(column);
    }
    return false;
}

bool sameCells(Line a, Line b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

std::optional<std::string> run(const Judge &judge, const Preference &prefer) {
    Position position;
    long visits = 0;
    if (search(position, judge, prefer, visits)) {
        return position.clicks;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> clicksReaching(const BoardText &target, int lastCell) {
    const Cells wanted = cellsOf(target);
    const auto total =
        std::count_if(wanted.begin(), wanted.end(), [](Cell cell) { return cell != Cell::Empty; });
    const Judge judge = [&](Position &position, Colour mover, int cell) {
        if (wanted[cell] != discOf(mover)) {
            return Verdict::Forbidden;
        }
        const bool last = position.discs == total;
        if (last) {
            return cell == lastCell ? Verdict::Done : Verdict::Forbidden;
        }
        if (cell == lastCell || hasFour(position.cells, discOf(mover))) {
            return Verdict::Forbidden;
        }
        return Verdict::Continue;
    };
    return run(judge, [](Colour, int) { return 0; });
}

std::optional<std::string> clicksCompleting(const Line &line, Colour colour) {
    auto inLine = [&](int cell) { return std::find(line.begin(), line.end(), cell) != line.end(); };
    // Cells under a cell of the line hold it up.
    auto holdsUp = [&](int cell) {
        return std::any_of(line.begin(), line.end(), [&](int lineCell) {
            return lineCell % kColumns == cell % kColumns && lineCell > cell;
        });
    };
    const Judge judge = [&](Position &position, Colour mover, int cell) {
        if (mover != colour) {
            if (inLine(cell) || hasFour(position.cells, discOf(mover))) {
                return Verdict::Forbidden;
            }
            return Verdict::Continue;
        }
        // The line's cells will all be this colour's in the end: a disc that
        // would then make a second four is of no use.
        Cells atTheEnd = position.cells;
        for (int lineCell : line) {
            atTheEnd[lineCell] = discOf(mover);
        }
        if (completeLines(atTheEnd, discOf(mover)).size() > 1) {
            return Verdict::Forbidden;
        }
        const std::vector<Line> complete = completeLines(position.cells, discOf(mover));
        if (complete.empty()) {
            return Verdict::Continue;
        }
        return complete.size() == 1 && sameCells(complete.front(), line) ? Verdict::Done
                                                                         : Verdict::Forbidden;
    };
    const Preference prefer = [&](Colour mover, int cell) {
        if (mover == colour && inLine(cell)) {
            return 0;
        }
        return holdsUp(cell) ? 1 : 2;
    };
    return run(judge, prefer);
}

}  // namespace dropline::test
