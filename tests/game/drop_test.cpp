// A click on a column: where the disc lands, whose turn it is, full columns.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_text.h"
#include "game_snapshot.h"
#include "printers.h"

namespace dropline::test {
namespace {

using Kind = DropResult::Kind;

TEST(Drop, FirstDiscOfAnEmptyColumnLandsInTheBottomRow) {
    Game game;
    const DropResult result = game.dropInto(2);

    EXPECT_EQ(result.kind, Kind::Placed);
    EXPECT_EQ(result.disc.column, 2);
    EXPECT_EQ(result.disc.row, 0);
    EXPECT_EQ(result.disc.colour, Colour::Red);
    EXPECT_EQ(result.winner, std::nullopt);
    EXPECT_EQ(game.cell(2, 0), Cell::Red);
    EXPECT_EQ(render(game), (BoardText{".....", ".....", ".....", ".....", "..R.."}));
    EXPECT_EQ(game.toMove(), Colour::Blue);
    EXPECT_EQ(game.player(Colour::Red).steps, 1);
    EXPECT_EQ(game.player(Colour::Blue).steps, 0);
    EXPECT_EQ(game.countedClicks(), 1);
    EXPECT_EQ(game.discsIn(2), 1);
}

TEST(Drop, ClicksOnOneColumnStackRedBlueRed) {
    Game game;
    play(game, "000");

    EXPECT_EQ(game.cell(0, 0), Cell::Red);
    EXPECT_EQ(game.cell(0, 1), Cell::Blue);
    EXPECT_EQ(game.cell(0, 2), Cell::Red);
    EXPECT_EQ(render(game), (BoardText{".....", ".....", "R....", "B....", "R...."}));
}

struct StackCase {
    const char *clicks;
    BoardText board;
};

void PrintTo(const StackCase &c, std::ostream *os) {
    *os << "clicks " << c.clicks;
}

class LowestFreeCell : public testing::TestWithParam<StackCase> {};

// Each disc lands on the lowest free cell of its column, and the colours
// alternate from red; the step counts follow.
TEST_P(LowestFreeCell, DiscsStackAndColoursAlternate) {
    const StackCase &c = GetParam();
    Game game;
    const std::string clicks = c.clicks;
    const std::vector<DropResult> results = play(game, clicks);

    std::vector<int> earlierInColumn(kColumns, 0);
    for (std::size_t k = 0; k < results.size(); ++k) {
        SCOPED_TRACE(testing::Message() << "click " << k + 1);
        const int column = clicks[k] - '0';
        const Colour colour = k % 2 == 0 ? Colour::Red : Colour::Blue;
        EXPECT_EQ(results[k].kind, Kind::Placed);
        EXPECT_EQ(results[k].disc.column, column);
        EXPECT_EQ(results[k].disc.row, earlierInColumn[column]);
        EXPECT_EQ(results[k].disc.colour, colour);
        EXPECT_EQ(results[k].winner, std::nullopt);
        ++earlierInColumn[column];
    }

    const int discs = static_cast<int>(clicks.size());
    EXPECT_EQ(render(game), c.board);
    EXPECT_EQ(game.countedClicks(), discs);
    EXPECT_EQ(game.player(Colour::Red).steps, (discs + 1) / 2);
    EXPECT_EQ(game.player(Colour::Blue).steps, discs / 2);
    EXPECT_EQ(game.toMove(), discs % 2 == 0 ? Colour::Red : Colour::Blue);
    for (int column = 0; column < kColumns; ++column) {
        EXPECT_EQ(game.discsIn(column), earlierInColumn[column]) << "column " << column;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drop, LowestFreeCell,
    testing::Values(StackCase{"4", {".....", ".....", ".....", ".....", "....R"}},
                    StackCase{"01234", {".....", ".....", ".....", ".....", "RBRBR"}},
                    StackCase{"4444", {".....", "....B", "....R", "....B", "....R"}},
                    StackCase{"00000", {"R....", "B....", "R....", "B....", "R...."}},
                    StackCase{"0102", {".....", ".....", ".....", "R....", "RBB.."}},
                    StackCase{"3121", {".....", ".....", ".....", ".B...", ".BRR."}}));

TEST(Drop, ClickOutsideTheBoardIsIgnored) {
    Game game;
    play(game, "01");
    const GameSnapshot before = snapshot(game);

    for (int column : {-1, kColumns, 100}) {
        EXPECT_EQ(game.dropInto(column).kind, Kind::Ignored) << "column " << column;
        EXPECT_EQ(snapshot(game), before) << "column " << column;
    }
}

// Column 0 holds five discs: red, blue, red, blue, red from the bottom.
constexpr const char *kFullFirstColumn = "00000";

TEST(FullColumn, ClickIsCountedButPlacesNothing) {
    Game game;
    play(game, kFullFirstColumn);
    GameSnapshot expected = snapshot(game);
    ASSERT_EQ(expected.countedClicks, 5);
    ASSERT_EQ(expected.toMove, Colour::Blue);

    const DropResult result = game.dropInto(0);

    EXPECT_EQ(result.kind, Kind::ColumnFull);
    EXPECT_EQ(result.winner, std::nullopt);
    expected.countedClicks = 6;  // only the count changes: same player, same board
    EXPECT_EQ(snapshot(game), expected);
}

TEST(FullColumn, EveryClickOnAFullColumnIsCounted) {
    Game game;
    play(game, kFullFirstColumn);
    for (int extra = 1; extra <= 3; ++extra) {
        EXPECT_EQ(game.dropInto(0).kind, Kind::ColumnFull);
        EXPECT_EQ(game.countedClicks(), 5 + extra);
        EXPECT_EQ(game.toMove(), Colour::Blue);
    }
}

}  // namespace
}  // namespace dropline::test
