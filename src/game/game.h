#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "board.h"

namespace dropline {

// A disc that has just landed. `image` is the disc image of this counted
// move (moves - 1); `row` is the row it landed in.
struct PlacedDisc {
    int image = 0;
    int column = 0;
    int row = 0;
    Colour colour = Colour::Red;
};

// What one click on a column did, for the window to show in this order:
// Draw: the draw message, then the cleared board (the game is already reset).
// Placed: the disc, its colour's step count, then the win (if any), then the
// click cue.
struct DropResult {
    enum class Kind {
        Ignored,     // a won game is on the board (or no such column): not taken
        Draw,        // 25 clicks were counted: draw, board reset, turn kept
        ColumnFull,  // counted, nothing else changes
        Placed,      // a disc landed
    };
    Kind kind = Kind::Ignored;
    PlacedDisc disc{};             // when Placed
    std::optional<Colour> winner;  // when Placed and the disc completed a line
};

// The one game in progress, with the scoreboard's counts.
class Game {
public:
    Game();  // red to move, no moves, empty cells

    // A click on column 0..4.
    DropResult drop(int column);

    // Empties the board for a new game: column counts, cells, moves, step
    // counts and the winner message; enables the board. Leaves the turn,
    // the tallies and the names alone.
    void resetgame();
    // Zeroes the cells and the column counts, nothing else.
    void clearcells();
    // The new-game command's reset: resetgame, clearcells, red to move.
    void newGame();
    // New players: both tallies back to 0.
    void newPlayers();

    int moves() const { return moves_; }
    Colour toMove() const { return blueturn_ ? Colour::Blue : Colour::Red; }
    int colfill(int column) const;
    bool redcell(int cell) const;
    bool bluecell(int cell) const;
    bool boardEnabled() const { return boardEnabled_; }
    int steps(Colour colour) const;
    int wins(Colour colour) const;
    // The colour of the winner message; nullopt while no message is shown.
    std::optional<Colour> winnerMessage() const { return winnerMessage_; }

private:
    std::array<std::int16_t, kColumns> colfill_{};
    std::array<std::int16_t, kCells> redcells_{};
    std::array<std::int16_t, kCells> bluecells_{};
    std::int16_t moves_ = 0;
    std::int16_t blueturn_ = 0;
    bool boardEnabled_ = true;
    int redSteps_ = 0;
    int blueSteps_ = 0;
    int redWins_ = 0;
    int blueWins_ = 0;
    std::optional<Colour> winnerMessage_;
};

}  // namespace dropline
