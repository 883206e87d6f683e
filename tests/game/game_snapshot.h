#pragma once

#include <array>
#include <optional>
#include <ostream>

#include "board_text.h"

// Everything a player can see of a game, to check that a click changed nothing.

namespace dropline::test {

struct GameSnapshot {
    BoardText board;
    std::array<int, kColumns> discsIn{};
    int countedClicks = 0;
    Colour toMove = Colour::Red;
    int redSteps = 0;
    int blueSteps = 0;
    int redWins = 0;
    int blueWins = 0;
    std::optional<Colour> winner;
    bool takesDiscs = true;

    bool operator==(const GameSnapshot &) const = default;
};

GameSnapshot snapshot(const Game &game);

void PrintTo(const GameSnapshot &snapshot, std::ostream *os);

}  // namespace dropline::test
