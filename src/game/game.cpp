#include "game.h"

#include "line_scan.h"

namespace dropline {

namespace {

// No colour can have four discs before the seventh counted click.
constexpr int kFirstScannedMove = 7;

}  // namespace

Game::Game() {
    blueturn_ = 0;
    moves_ = 0;
    clearcells();
}

DropResult Game::drop(int column) {
    if (!boardEnabled_ || column < 0 || column >= kColumns) {
        return {};
    }
    if (moves_ == 0) {
        clearcells();
    }
    if (moves_ >= kMaxMoves) {
        resetgame();
        clearcells();
        return DropResult{.kind = DropResult::Kind::Draw, .disc = {}, .winner = {}};
    }

    ++moves_;  // counted before the column is tested
    if (colfill_[column] >= kRows) {
        return DropResult{.kind = DropResult::Kind::ColumnFull, .disc = {}, .winner = {}};
    }

    const int row = colfill_[column];
    const int cell = cellIndex(column, row);
    const Colour colour = toMove();
    ++colfill_[column];
    if (colour == Colour::Red) {
        redcells_[cell] = 1;
        blueturn_ = 1;
        ++redSteps_;
    } else {
        bluecells_[cell] = 1;
        blueturn_ = 0;
        ++blueSteps_;
    }

    DropResult result{.kind = DropResult::Kind::Placed,
                      .disc = {.image = moves_ - 1, .column = column, .row = row, .colour = colour},
                      .winner = {}};
    if (moves_ >= kFirstScannedMove) {
        result.winner = scanLines(redcells_, bluecells_);
    }
    if (result.winner) {
        ++(*result.winner == Colour::Red ? redWins_ : blueWins_);
        winnerMessage_ = result.winner;
        boardEnabled_ = false;
    }
    return result;
}

void Game::resetgame() {
    colfill_.fill(0);
    redcells_.fill(0);
    bluecells_.fill(0);
    moves_ = 0;
    redSteps_ = 0;
    blueSteps_ = 0;
    winnerMessage_.reset();
    boardEnabled_ = true;
}

void Game::clearcells() {
    redcells_.fill(0);
    bluecells_.fill(0);
    colfill_.fill(0);
}

void Game::newGame() {
    resetgame();
    clearcells();
    blueturn_ = 0;
}

void Game::newPlayers() {
    redWins_ = 0;
    blueWins_ = 0;
}

int Game::colfill(int column) const {
    return colfill_.at(column);
}

bool Game::redcell(int cell) const {
    return redcells_.at(cell) != 0;
}

bool Game::bluecell(int cell) const {
    return bluecells_.at(cell) != 0;
}

int Game::steps(Colour colour) const {
    return colour == Colour::Red ? redSteps_ : blueSteps_;
}

int Game::wins(Colour colour) const {
    return colour == Colour::Red ? redWins_ : blueWins_;
}

}  // namespace dropline
