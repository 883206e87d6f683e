#pragma once

#include <ostream>

#include "game/board.h"
#include "game/game.h"

// Readable failure messages for the game's types.

namespace dropline {

void PrintTo(Colour colour, std::ostream *os);
void PrintTo(DropResult::Kind kind, std::ostream *os);
void PrintTo(const DropResult &result, std::ostream *os);

}  // namespace dropline
