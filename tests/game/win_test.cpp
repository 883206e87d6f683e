// Wins in play: when the first one can come, every line for both colours,
// positions with several lines at once, and the board after a win.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "board_text.h"
#include "click_search.h"
#include "game_snapshot.h"
#include "printers.h"
#include "reference_lines.h"

namespace dropline::test {
namespace {

using Kind = DropResult::Kind;

// Plays the clicks and checks that only the last one wins, for `winner`.
// Clicks before it may fall on full columns.
void playToWin(Game &game, const std::string &clicks, Colour winner) {
    const std::vector<DropResult> results = play(game, clicks);
    ASSERT_FALSE(results.empty());
    for (std::size_t k = 0; k + 1 < results.size(); ++k) {
        ASSERT_NE(results[k].kind, Kind::Ignored) << "click " << k + 1 << " of " << clicks;
        ASSERT_NE(results[k].kind, Kind::Draw) << "click " << k + 1 << " of " << clicks;
        ASSERT_EQ(results[k].winner, std::nullopt) << "click " << k + 1 << " of " << clicks;
    }
    ASSERT_EQ(results.back().kind, Kind::Placed) << clicks;
    ASSERT_EQ(results.back().disc.colour, winner) << clicks;
    ASSERT_EQ(results.back().winner, winner) << clicks;
}

// The state a single win of `winner` leaves behind.
void expectWonOnce(const Game &game, Colour winner) {
    EXPECT_EQ(game.player(winner).wins, 1);
    EXPECT_EQ(game.player(opponentOf(winner)).wins, 0);
    EXPECT_EQ(game.winner(), winner);
    EXPECT_FALSE(game.takesDiscs());
}

struct EarlyWin {
    const char *name;
    const char *clicks;
    Colour winner;
    BoardText board;
};

void PrintTo(const EarlyWin &c, std::ostream *os) {
    *os << c.name;
}

class FirstWins : public testing::TestWithParam<EarlyWin> {};

// Nobody has four discs before the seventh counted click; the quickest wins
// arrive on it (red) and on the eighth (blue).
TEST_P(FirstWins, ArriveOnTheEarliestClick) {
    const EarlyWin &c = GetParam();
    Game game;
    ASSERT_NO_FATAL_FAILURE(playToWin(game, c.clicks, c.winner));
    EXPECT_EQ(game.countedClicks(), static_cast<int>(std::string(c.clicks).size()));
    EXPECT_EQ(render(game), c.board);
    expectWonOnce(game, c.winner);
}

INSTANTIATE_TEST_SUITE_P(Win, FirstWins,
                         testing::Values(EarlyWin{"RedRowOnClick7",
                                                  "0011223",
                                                  Colour::Red,
                                                  {".....", ".....", ".....", "BBB..", "RRRR."}},
                                         EarlyWin{"RedColumnOnClick7",
                                                  "0101010",
                                                  Colour::Red,
                                                  {".....", "R....", "RB...", "RB...", "RB..."}},
                                         EarlyWin{"BlueRowOnClick8",
                                                  "40011223",
                                                  Colour::Blue,
                                                  {".....", ".....", ".....", "RRR..", "BBBBR"}},
                                         EarlyWin{"BlueColumnOnClick8",
                                                  "01010121",
                                                  Colour::Blue,
                                                  {".....", ".B...", "RB...", "RB...", "RBR.."}}),
                         [](const testing::TestParamInfo<EarlyWin> &info) {
                             return info.param.name;
                         });

TEST(Win, FullColumnClicksDelayTheFirstScanWithoutMissingAWin) {
    // Three clicks on the full column 0 are counted and pass no turn; blue's
    // row still wins with its fourth disc on the row.
    Game game;
    play(game, "00000");  // red, blue, red, blue, red: blue to move
    play(game, "000");
    ASSERT_EQ(game.countedClicks(), 8);
    ASSERT_NO_FATAL_FAILURE(playToWin(game, "1122334", Colour::Blue));
    EXPECT_EQ(render(game), (BoardText{"R....", "B....", "R....", "BRRR.", "RBBBB"}));
    expectWonOnce(game, Colour::Blue);
}

// Every four in a row on the board, for each colour, completed in a real game.
TEST(Win, EveryLineWinsForEitherColour) {
    for (const Line &line : geometricLines()) {
        for (Colour colour : {Colour::Red, Colour::Blue}) {
            SCOPED_TRACE(testing::Message() << "line from cell " << line[0] << " to " << line[3]
                                            << " for " << mark(colour));
            const std::optional<std::string> clicks = clicksCompleting(line, colour);
            ASSERT_TRUE(clicks.has_value());
            Game game;
            ASSERT_NO_FATAL_FAILURE(playToWin(game, *clicks, colour));
            expectWonOnce(game, colour);
            const BoardText board = render(game);
            for (int cell : line) {
                EXPECT_EQ(markAt(board, cell), mark(colour)) << "cell " << cell;
            }
        }
    }
}

struct ManyLines {
    const char *name;
    BoardText board;
    int lastCell;
    Colour winner;
    std::size_t lines;  // complete lines of the winner at the end
};

void PrintTo(const ManyLines &c, std::ostream *os) {
    *os << c.name;
}

class SeveralLinesAtOnce : public testing::TestWithParam<ManyLines> {};

// One disc that completes several lines is one win: one message, tally +1.
TEST_P(SeveralLinesAtOnce, AreAnnouncedOnce) {
    const ManyLines &c = GetParam();
    ASSERT_EQ(completeLines(cellsOf(c.board), discOf(c.winner)).size(), c.lines);

    const std::optional<std::string> clicks = clicksReaching(c.board, c.lastCell);
    ASSERT_TRUE(clicks.has_value());
    Game game;
    ASSERT_NO_FATAL_FAILURE(playToWin(game, *clicks, c.winner));
    EXPECT_EQ(render(game), c.board);
    expectWonOnce(game, c.winner);
}

INSTANTIATE_TEST_SUITE_P(
    Win, SeveralLinesAtOnce,
    testing::Values(
        // Cell 19 ends the row 16..19 and the column 4, 9, 14, 19.
        ManyLines{
            "RowAndColumn", {".....", ".RRRR", ".BRBR", ".BBBR", "BBRBR"}, 19, Colour::Red, 2},
        // Cell 12 ends the diagonals 0, 6, 12, 18 and 4, 8, 12, 16.
        ManyLines{
            "TwoDiagonals", {".....", ".R.R.", ".BRB.", ".RBR.", "RBBBR"}, 12, Colour::Red, 2},
        // Cell 3 ends the row 0..3 and the diagonal 3, 7, 11, 15.
        ManyLines{
            "RowAndDiagonal", {".....", "R....", "BR..B", "BBR.B", "RRRRB"}, 3, Colour::Red, 2},
        ManyLines{"BlueRowAndDiagonal",
                  {"R....", "B....", "RB..R", "RRB.R", "BBBBR"},
                  3,
                  Colour::Blue,
                  2},
        // Cell 18 ends the column 3, 8, 13, 18 and the diagonal 0, 6, 12, 18.
        ManyLines{
            "ColumnAndDiagonal", {".....", "...R.", "..RRB", ".RBRB", "RBBRB"}, 18, Colour::Red, 2},
        // Cell 2 ends a row of five: the rows 0..3 and 1..4.
        ManyLines{"RowOfFiveByTheMiddleDisc",
                  {".....", ".....", ".....", "BB.BB", "RRRRR"},
                  2,
                  Colour::Red,
                  2}),
    [](const testing::TestParamInfo<ManyLines> &info) { return info.param.name; });

// Red's 13th disc, the 25th of the game, completes the diagonal 8, 12, 16, 20.
const BoardText kWonWithTheLastDisc{
    "RRBRR", "RRRBR", "BBRBB", "BRBRR", "BBRBB",
};
constexpr int kLastDiscCell = 20;

TEST(Win, WithTheTwentyFifthDiscNoDrawFollows) {
    const std::optional<std::string> clicks = clicksReaching(kWonWithTheLastDisc, kLastDiscCell);
    ASSERT_TRUE(clicks.has_value());
    Game game;
    ASSERT_NO_FATAL_FAILURE(playToWin(game, *clicks, Colour::Red));
    ASSERT_EQ(game.countedClicks(), 25);
    expectWonOnce(game, Colour::Red);
    const GameSnapshot won = snapshot(game);

    for (int round = 0; round < 2; ++round) {
        for (int column = 0; column < kColumns; ++column) {
            EXPECT_EQ(game.dropInto(column).kind, Kind::Ignored) << "column " << column;
            EXPECT_EQ(snapshot(game), won) << "column " << column;
        }
    }

    game.newGame();
    EXPECT_TRUE(game.takesDiscs());
    EXPECT_EQ(game.countedClicks(), 0);
    EXPECT_EQ(game.winner(), std::nullopt);
    const DropResult first = game.dropInto(0);
    ASSERT_EQ(first.kind, Kind::Placed);
    EXPECT_EQ(first.disc.colour, Colour::Red);
    EXPECT_EQ(game.player(Colour::Red).wins, 1);
}

struct WonGame {
    const char *name;
    const char *clicks;
    Colour winner;
};

void PrintTo(const WonGame &c, std::ostream *os) {
    *os << c.name;
}

class AfterAWin : public testing::TestWithParam<WonGame> {};

TEST_P(AfterAWin, EveryDropIsIgnoredAndChangesNothing) {
    Game game;
    ASSERT_NO_FATAL_FAILURE(playToWin(game, GetParam().clicks, GetParam().winner));
    const GameSnapshot won = snapshot(game);

    // Every column, the full one too, twice over.
    for (char click : std::string{"0123401234000"}) {
        const DropResult result = game.dropInto(click - '0');
        EXPECT_EQ(result.kind, Kind::Ignored) << "column " << click;
        EXPECT_EQ(result.winner, std::nullopt) << "column " << click;
        EXPECT_EQ(snapshot(game), won) << "column " << click;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Win, AfterAWin,
    testing::Values(WonGame{"RedRow", "0011223", Colour::Red},
                    WonGame{"BlueRow", "40011223", Colour::Blue},
                    WonGame{"BlueColumnAfterAFullColumnClick", "0000001213141", Colour::Blue}),
    [](const testing::TestParamInfo<WonGame> &info) { return info.param.name; });

}  // namespace
}  // namespace dropline::test
