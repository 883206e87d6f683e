// New games and new players.

#include <gtest/gtest.h>

#include "board_text.h"
#include "game_snapshot.h"
#include "printers.h"

namespace dropline::test {
namespace {

using Kind = DropResult::Kind;

const BoardText kEmptyBoard{".....", ".....", ".....", ".....", "....."};

// Red's bottom row 0..3 on its seventh click; blue is to move afterwards.
constexpr const char *kRedRowWin = "0011223";
// Blue's bottom row 0..3 on its eighth click; red is to move afterwards.
constexpr const char *kBlueRowWin = "40011223";

TEST(Start, RedMovesFirstOnAnEmptyEnabledBoard) {
    const Game game;
    GameSnapshot expected;
    expected.board = kEmptyBoard;
    EXPECT_EQ(snapshot(game), expected);
}

struct NewGameCase {
    const char *name;
    const char *clicks;
};

void PrintTo(const NewGameCase &c, std::ostream *os) {
    *os << c.name;
}

class NewGame : public testing::TestWithParam<NewGameCase> {};

TEST_P(NewGame, RedMovesFirstOnAClearedBoardAndTalliesStay) {
    Game game;
    play(game, GetParam().clicks);
    const int redWins = game.player(Colour::Red).wins;
    const int blueWins = game.player(Colour::Blue).wins;

    game.newGame();

    GameSnapshot expected;
    expected.board = kEmptyBoard;
    expected.redWins = redWins;
    expected.blueWins = blueWins;
    EXPECT_EQ(snapshot(game), expected);

    const DropResult first = game.dropInto(3);
    ASSERT_EQ(first.kind, Kind::Placed);
    EXPECT_EQ(first.disc.colour, Colour::Red);
}

INSTANTIATE_TEST_SUITE_P(
    Reset, NewGame,
    testing::Values(NewGameCase{"Untouched", ""}, NewGameCase{"BlueToMove", "0"},
                    NewGameCase{"RedToMove", "01"}, NewGameCase{"AfterFullColumnClick", "000000"},
                    NewGameCase{"AfterRedWin", kRedRowWin},
                    NewGameCase{"AfterBlueWin", kBlueRowWin}),
    [](const testing::TestParamInfo<NewGameCase> &info) { return info.param.name; });

TEST(Reset, NewPlayersZeroesOnlyTheTallies) {
    Game game;
    ASSERT_EQ(play(game, kRedRowWin).back().winner, Colour::Red);
    game.newGame();
    ASSERT_EQ(play(game, kBlueRowWin).back().winner, Colour::Blue);
    GameSnapshot expected = snapshot(game);
    ASSERT_EQ(expected.redWins, 1);
    ASSERT_EQ(expected.blueWins, 1);

    game.newPlayers();

    expected.redWins = 0;
    expected.blueWins = 0;
    EXPECT_EQ(snapshot(game), expected);  // the won position and its message stay
}

TEST(Reset, TalliesAddUpOverGames) {
    Game game;
    const struct {
        const char *clicks;
        Colour winner;
    } games[] = {{kRedRowWin, Colour::Red}, {kBlueRowWin, Colour::Blue}, {kRedRowWin, Colour::Red}};
    for (const auto &g : games) {
        ASSERT_EQ(play(game, g.clicks).back().winner, g.winner) << g.clicks;
        game.newGame();
    }
    EXPECT_EQ(game.player(Colour::Red).wins, 2);
    EXPECT_EQ(game.player(Colour::Blue).wins, 1);
}

}  // namespace
}  // namespace dropline::test
