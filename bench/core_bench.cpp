#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "game/board.h"
#include "game/game.h"

// One drop with its line scan. Every timed drop is a counted move after the
// sixth, so the scan runs each time; when the game is over the mid-game
// position is copied back (a few bytes, its cost included in the figure).

namespace {

using dropline::DropResult;
using dropline::Game;
using dropline::kCountedClicks;

// Seven discs with no line: where every replay starts.
constexpr std::array kOpening{2, 2, 1, 3, 3, 1, 0};
// The order columns are tried in after that.
constexpr std::array kOrder{4, 0, 1, 4, 2, 3, 4, 0, 2, 3, 1, 4, 0, 2, 3, 1, 0, 4};

Game midGame() {
    Game game;
    for (const int column : kOpening) {
        game.dropInto(column);
    }
    return game;
}

// The rest of one game from the mid-game position: drops that each place a
// disc, up to a win or the last counted move.
std::vector<int> restOfGame(Game game) {
    std::vector<int> columns;
    for (std::size_t i = 0; game.countedClicks() < kCountedClicks; ++i) {
        const int column = kOrder[i % kOrder.size()];
        if (game.discsIn(column) >= dropline::kRows) {
            continue;
        }
        columns.push_back(column);
        if (game.dropInto(column).winner) {
            break;
        }
    }
    return columns;
}

void BM_DropWithScan(benchmark::State &state) {
    const Game start = midGame();
    const std::vector<int> columns = restOfGame(start);
    if (!start.takesDiscs() || start.countedClicks() + 1 < 7 || columns.empty()) {
        state.SkipWithError("the replay does not start in mid-game");
        return;
    }
    Game game = start;
    std::size_t next = 0;
    for (auto _ : state) {
        DropResult result = game.dropInto(columns[next]);
        benchmark::DoNotOptimize(result);
        if (++next == columns.size()) {
            game = start;
            next = 0;
        }
    }
    state.counters["drops_per_game"] = static_cast<double>(columns.size());
}

}  // namespace

BENCHMARK(BM_DropWithScan);
BENCHMARK_MAIN();
