#pragma once

#include <array>
#include <optional>
#include <string>

#include "board.h"

namespace dropline {

// A disc that has just landed; rows count from 0 at the bottom.
struct Disc {
    int column = 0;
    int row = 0;
    Colour colour = Colour::Red;
};

// What one click on a column did, for the window to show in this order:
// Draw: the draw message, then the cleared board (the game is already reset).
// Placed: the disc and its colour's step count, then the win (if any), then
// the click cue.
struct DropResult {
    enum class Kind {
        Ignored,     // a won game is on the board (or no such column): not taken
        Draw,        // every click of the game was counted: board cleared, turn kept
        ColumnFull,  // counted, nothing else changes
        Placed,      // a disc landed
    };
    Kind kind = Kind::Ignored;
    Disc disc{};                   // when Placed
    std::optional<Colour> winner;  // when Placed and the disc completed a line
};

// One player as the score panel shows them: the name typed, the discs placed
// in this game and the games won since the name was entered.
struct Player {
    std::string name;  // UTF-8, as typed; may be empty
    int steps = 0;
    int wins = 0;
};

// The game in progress and everything the main window shows of it: the
// board, whose turn it is, the winner, and both players.
class Game {
public:
    Game() = default;  // red to move, an empty board, no names

    // A click on column 0..4.
    DropResult dropInto(int column);
    // Clears the board for a new game, red to move. Names and wins stay.
    void newGame();
    // The name typed for a colour.
    void setName(Colour colour, std::string name);
    // New players have given their names: both tallies start again from 0.
    void newPlayers();

    Cell cell(int column, int row) const { return cells_[cellIndex(column, row)]; }
    const Cells &cells() const { return cells_; }
    // Discs in a column, from the bottom; 5 when it is full.
    int discsIn(int column) const;
    // Clicks counted in this game: every disc, and every click on a full column.
    int countedClicks() const { return countedClicks_; }
    Colour toMove() const { return toMove_; }
    // The colour that won the game on the board, until the board is cleared.
    std::optional<Colour> winner() const { return winner_; }
    // Whether the board takes discs: not while a won game is on it.
    bool takesDiscs() const { return !winner_; }
    const Player &player(Colour colour) const { return players_[index(colour)]; }

private:
    static constexpr std::size_t index(Colour colour) { return colour == Colour::Red ? 0 : 1; }
    Player &playerOf(Colour colour) { return players_[index(colour)]; }
    // Empties the board, the step counts and the winner line. The turn, the
    // names and the tallies stay.
    void clearBoard();

    Cells cells_{};
    int countedClicks_ = 0;
    Colour toMove_ = Colour::Red;
    std::optional<Colour> winner_;
    std::array<Player, 2> players_{};
};

}  // namespace dropline
