// The draw: once 25 clicks were counted, the next click clears the board.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "board_text.h"
#include "click_search.h"
#include "game_snapshot.h"
#include "printers.h"

namespace dropline::test {
namespace {

using Kind = DropResult::Kind;

// A full board without four in a row; red's 13th disc, on cell 20, is last.
const BoardText kFullBoard{
    "RRBBR", "BBRRB", "RRBBR", "BBRRB", "RRBBR",
};
constexpr int kFullBoardLastCell = 20;

// The same without the top right disc: 24 discs, blue's last on cell 22.
const BoardText kBoardWithOneHole{
    "RRBB.", "BBRRB", "RRBBR", "BBRRB", "RRBBR",
};
constexpr int kBoardWithOneHoleLastCell = 22;
constexpr int kFullColumn = 0;
constexpr int kColumnWithHole = 4;

// Plays the clicks and checks that every one placed a disc and none won.
void playWithoutWin(Game &game, const std::string &clicks) {
    for (const DropResult &result : play(game, clicks)) {
        ASSERT_EQ(result.kind, Kind::Placed) << "clicks " << clicks;
        ASSERT_EQ(result.winner, std::nullopt) << "clicks " << clicks;
    }
}

// What the board looks like right after a draw, with the turn and the
// tallies as they were.
GameSnapshot clearedGame(Colour toMove, int redWins, int blueWins) {
    GameSnapshot s;
    s.board = {".....", ".....", ".....", ".....", "....."};
    s.toMove = toMove;
    s.redWins = redWins;
    s.blueWins = blueWins;
    return s;
}

class DrawAfterAFullBoard : public testing::TestWithParam<int> {};

TEST_P(DrawAfterAFullBoard, NextClickOnAnyColumnIsADraw) {
    const int column = GetParam();
    const std::optional<std::string> clicks = clicksReaching(kFullBoard, kFullBoardLastCell);
    ASSERT_TRUE(clicks.has_value());
    Game game;
    ASSERT_NO_FATAL_FAILURE(playWithoutWin(game, *clicks));
    ASSERT_EQ(render(game), kFullBoard);
    ASSERT_EQ(game.countedClicks(), 25);
    ASSERT_EQ(game.player(Colour::Red).steps, 13);
    ASSERT_EQ(game.player(Colour::Blue).steps, 12);

    const DropResult draw = game.dropInto(column);

    EXPECT_EQ(draw.kind, Kind::Draw);
    EXPECT_EQ(draw.winner, std::nullopt);
    // Red placed the 25th disc, so blue begins the next game.
    EXPECT_EQ(snapshot(game), clearedGame(Colour::Blue, 0, 0));

    const DropResult first = game.dropInto(column);
    ASSERT_EQ(first.kind, Kind::Placed);
    EXPECT_EQ(first.disc.row, 0);
    EXPECT_EQ(first.disc.colour, Colour::Blue);
    EXPECT_EQ(game.countedClicks(), 1);
    EXPECT_EQ(game.player(Colour::Blue).steps, 1);
    EXPECT_EQ(game.player(Colour::Red).steps, 0);
}

INSTANTIATE_TEST_SUITE_P(Draw, DrawAfterAFullBoard, testing::Range(0, kColumns));

class DrawWithOneFullColumnClick : public testing::TestWithParam<int> {};

TEST_P(DrawWithOneFullColumnClick, ComesWith24DiscsAndOneEmptyCell) {
    const int column = GetParam();
    const std::optional<std::string> clicks =
        clicksReaching(kBoardWithOneHole, kBoardWithOneHoleLastCell);
    ASSERT_TRUE(clicks.has_value());
    Game game;
    ASSERT_NO_FATAL_FAILURE(playWithoutWin(game, *clicks));
    ASSERT_EQ(game.countedClicks(), 24);
    ASSERT_EQ(game.toMove(), Colour::Red);

    // The 25th counted click falls on a full column.
    ASSERT_EQ(game.dropInto(kFullColumn).kind, Kind::ColumnFull);
    ASSERT_EQ(game.countedClicks(), 25);
    ASSERT_EQ(discsOnBoard(game), 24);
    ASSERT_EQ(game.discsIn(kColumnWithHole), 4);

    // The next click is the draw, also on the column that still has room.
    const DropResult draw = game.dropInto(column);
    EXPECT_EQ(draw.kind, Kind::Draw);
    EXPECT_EQ(snapshot(game), clearedGame(Colour::Red, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Draw, DrawWithOneFullColumnClick, testing::Range(0, kColumns));

TEST(Draw, KeepsTheTallies) {
    Game game;
    ASSERT_EQ(play(game, "0011223").back().winner, Colour::Red);
    game.newGame();
    const std::optional<std::string> clicks = clicksReaching(kFullBoard, kFullBoardLastCell);
    ASSERT_TRUE(clicks.has_value());
    ASSERT_NO_FATAL_FAILURE(playWithoutWin(game, *clicks));

    EXPECT_EQ(game.dropInto(2).kind, Kind::Draw);
    EXPECT_EQ(snapshot(game), clearedGame(Colour::Blue, 1, 0));
}

TEST(Draw, OnlyFollowsTheTwentyFifthCountedClick) {
    // A long run of clicks on full columns counts up to 25 like discs do.
    Game game;
    play(game, "00000");
    for (int click = 6; click <= 25; ++click) {
        ASSERT_EQ(game.dropInto(0).kind, Kind::ColumnFull) << "click " << click;
    }
    EXPECT_EQ(game.countedClicks(), 25);
    EXPECT_EQ(game.dropInto(0).kind, Kind::Draw);
    EXPECT_EQ(snapshot(game), clearedGame(Colour::Blue, 0, 0));
}

}  // namespace
}  // namespace dropline::test
