#include "board_text.h"

#include <stdexcept>

namespace dropline::test {

namespace {

// Row r of the board is line kRows - 1 - r of the picture.
int pictureLine(int row) {
    return kRows - 1 - row;
}

}  // namespace

char mark(Colour colour) {
    return colour == Colour::Red ? kRedMark : kBlueMark;
}

std::vector<DropResult> play(Game &game, std::string_view clicks) {
    std::vector<DropResult> results;
    for (char click : clicks) {
        if (click == ' ') {
            continue;
        }
        if (click < '0' || click >= '0' + kColumns) {
            throw std::invalid_argument("a click names a column 0..4");
        }
        results.push_back(game.dropInto(click - '0'));
    }
    return results;
}

BoardText render(const Game &game) {
    BoardText board;
    for (int row = 0; row < kRows; ++row) {
        std::string &line = board[pictureLine(row)];
        line.assign(kColumns, kEmptyMark);
        for (int column = 0; column < kColumns; ++column) {
            const Cell cell = game.cell(column, row);
            line[column] = cell == Cell::Red    ? kRedMark
                           : cell == Cell::Blue ? kBlueMark
                                                : kEmptyMark;
        }
    }
    return board;
}

char markAt(const BoardText &board, int cell) {
    const int row = cell / kColumns;
    const int column = cell % kColumns;
    const std::string &line = board.at(pictureLine(row));
    if (line.size() != static_cast<std::size_t>(kColumns)) {
        throw std::invalid_argument("a board line has five marks");
    }
    return line[column];
}

Cells cellsOf(const BoardText &board) {
    Cells cells{};
    for (int cell = 0; cell < kCells; ++cell) {
        const char m = markAt(board, cell);
        if (m == kRedMark) {
            cells[cell] = Cell::Red;
        } else if (m == kBlueMark) {
            cells[cell] = Cell::Blue;
        } else if (m != kEmptyMark) {
            throw std::invalid_argument("a board mark is '.', 'R' or 'B'");
        }
    }
    return cells;
}

Cells cellSet(std::initializer_list<int> cells, Cell disc) {
    Cells set{};
    for (int cell : cells) {
        set.at(cell) = disc;
    }
    return set;
}

int discsOnBoard(const Game &game) {
    int discs = 0;
    for (const Cell cell : game.cells()) {
        discs += cell != Cell::Empty ? 1 : 0;
    }
    return discs;
}

}  // namespace dropline::test
