#pragma once

#include <optional>
#include <string>

#include "board_text.h"
#include "game/lines.h"

// Finds click sequences that build a wanted position by the rules of play:
// red begins, the colours alternate, a disc lands on the lowest free cell, no
// click falls on a full column, and nobody has four in a row before the last
// click. The search keeps its own small board and never asks the game.

namespace dropline::test {

// Clicks that end in `target` with the last disc landing on `lastCell`.
std::optional<std::string> clicksReaching(const BoardText &target, int lastCell);

// Clicks whose last disc, of `colour`, completes `line`; at the end that line
// is the only four in a row on the board.
std::optional<std::string> clicksCompleting(const Line &line, Colour colour);

}  // namespace dropline::test
