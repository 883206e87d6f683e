#include "game.h"

#include <utility>

#include "line_scan.h"

namespace dropline {

namespace {

// No colour can have four discs before the seventh counted click.
constexpr int kFirstScannedClick = 7;

}  // namespace

DropResult Game::dropInto(int column) {
    if (!takesDiscs() || column < 0 || column >= kColumns) {
        return {};
    }
    if (countedClicks_ >= kCountedClicks) {
        clearBoard();  // a draw; the player to move begins the next game
        return DropResult{.kind = DropResult::Kind::Draw, .disc = {}, .winner = {}};
    }

    ++countedClicks_;  // counted before the column is tested
    const int row = discsIn(column);
    if (row == kRows) {
        return DropResult{.kind = DropResult::Kind::ColumnFull, .disc = {}, .winner = {}};
    }

    const Colour colour = toMove_;
    cells_[cellIndex(column, row)] = discOf(colour);
    ++playerOf(colour).steps;
    toMove_ = opponentOf(colour);

    DropResult result{.kind = DropResult::Kind::Placed,
                      .disc = {.column = column, .row = row, .colour = colour},
                      .winner = {}};
    if (countedClicks_ >= kFirstScannedClick) {
        result.winner = scanLines(cells_);
    }
    if (result.winner) {
        ++playerOf(*result.winner).wins;
        winner_ = result.winner;
    }
    return result;
}

void Game::newGame() {
    clearBoard();
    toMove_ = Colour::Red;
}

void Game::setName(Colour colour, std::string name) {
    playerOf(colour).name = std::move(name);
}

void Game::newPlayers() {
    for (Player &each : players_) {
        each.wins = 0;
    }
}

int Game::discsIn(int column) const {
    int discs = 0;
    while (discs < kRows && cell(column, discs) != Cell::Empty) {
        ++discs;
    }
    return discs;
}

void Game::clearBoard() {
    cells_.fill(Cell::Empty);
    countedClicks_ = 0;
    winner_.reset();
    for (Player &each : players_) {
        each.steps = 0;
    }
}

}  // namespace dropline
