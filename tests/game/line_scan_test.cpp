// The table of line positions and the scan over it, on hand-made cell sets.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "board_text.h"
#include "game/line_scan.h"
#include "game/lines.h"
#include "printers.h"
#include "reference_lines.h"

namespace dropline::test {
namespace {

Cells lineCells(const Line &line, Cell disc) {
    return cellSet({line[0], line[1], line[2], line[3]}, disc);
}

// What a line runs along, told by the step from one of its cells to the next.
enum class Direction { Row, Column, Diagonal };

Direction directionOf(const Line &line) {
    const int step = line[1] - line[0];
    return step == 1 ? Direction::Row : step == kColumns ? Direction::Column : Direction::Diagonal;
}

std::set<std::set<int>> asSets(const auto &lines) {
    std::set<std::set<int>> sets;
    for (const Line &line : lines) {
        sets.insert(std::set<int>(line.begin(), line.end()));
    }
    return sets;
}

// Rows come first, then columns, then the diagonals, which begin at
// kFirstDiagonal. (Which line of a kind comes first shows in the positions
// with several lines, below.)
TEST(LineTable, ListsRowsThenColumnsThenDiagonals) {
    ASSERT_EQ(kLines, 28);
    Direction previous = Direction::Row;
    for (int n = 0; n < kLines; ++n) {
        const Direction direction = directionOf(kAllLines[n]);
        EXPECT_GE(direction, previous) << "line position " << n;
        EXPECT_EQ(direction == Direction::Diagonal, n >= kFirstDiagonal) << "line position " << n;
        previous = direction;
    }
}

TEST(LineTable, HoldsEveryFourInARowOnTheBoardExactlyOnce) {
    const std::set<std::set<int>> table = asSets(kAllLines);
    EXPECT_EQ(table.size(), kAllLines.size()) << "a position is listed twice";
    EXPECT_EQ(table, asSets(geometricLines()));
}

TEST(LineTable, MiddleDiagonalIsTheSixth) {
    EXPECT_EQ(kAllLines[kFirstDiagonal + 5], (Line{4, 8, 12, 16}));
    EXPECT_EQ(scanLines(cellSet({4, 8, 12, 16}, Cell::Red)), Colour::Red);
}

TEST(Scan, FindsEveryLineOfEitherColour) {
    for (const Line &line : geometricLines()) {
        SCOPED_TRACE(testing::Message() << "line from cell " << line[0] << " to " << line[3]);
        EXPECT_EQ(scanLines(lineCells(line, Cell::Red)), Colour::Red);
        EXPECT_EQ(scanLines(lineCells(line, Cell::Blue)), Colour::Blue);
    }
}

TEST(Scan, ThreeOfALineAreNoWin) {
    for (const Line &line : geometricLines()) {
        for (const int missing : line) {
            SCOPED_TRACE(testing::Message() << "line from cell " << line[0] << " to " << line[3]
                                            << " without cell " << missing);
            for (const Cell disc : {Cell::Red, Cell::Blue}) {
                Cells three = lineCells(line, disc);
                three[missing] = Cell::Empty;
                EXPECT_EQ(scanLines(three), std::nullopt);
            }
        }
    }
}

// Every set of four cells, of either colour: a win exactly when the four lie
// in a row, a column or a diagonal.
TEST(Scan, FindsAWinExactlyForFourInARow) {
    const std::set<std::set<int>> lines = asSets(geometricLines());
    int wins = 0;
    for (int a = 0; a < kCells; ++a) {
        for (int b = a + 1; b < kCells; ++b) {
            for (int c = b + 1; c < kCells; ++c) {
                for (int d = c + 1; d < kCells; ++d) {
                    const bool line = lines.contains({a, b, c, d});
                    const std::optional<Colour> red = scanLines(cellSet({a, b, c, d}, Cell::Red));
                    const std::optional<Colour> blue = scanLines(cellSet({a, b, c, d}, Cell::Blue));
                    ASSERT_EQ(red, line ? std::optional{Colour::Red} : std::nullopt)
                        << a << " " << b << " " << c << " " << d;
                    ASSERT_EQ(blue, line ? std::optional{Colour::Blue} : std::nullopt)
                        << a << " " << b << " " << c << " " << d;
                    wins += line ? 1 : 0;
                }
            }
        }
    }
    EXPECT_EQ(wins, 28);
}

struct ScanCase {
    const char *name;
    BoardText board;
    std::optional<Colour> announced;
};

void PrintTo(const ScanCase &c, std::ostream *os) {
    *os << c.name;
}

class ScanPositions : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanPositions, AnnouncesTheFirstLineFound) {
    EXPECT_EQ(scanLines(cellsOf(GetParam().board)), GetParam().announced);
}

INSTANTIATE_TEST_SUITE_P(
    Scan, ScanPositions,
    testing::Values(
        ScanCase{"EmptyBoard", {".....", ".....", ".....", ".....", "....."}, std::nullopt},
        // Runs that leave the board on one side and come back on the other.
        ScanCase{
            "RowWrappingOverTheEdge", {".....", ".....", ".....", "RR...", "...RR"}, std::nullopt},
        ScanCase{
            "RisingDiagonalWrapping", {"R....", ".....", "....R", "...R.", "..R.."}, std::nullopt},
        ScanCase{
            "FallingDiagonalWrapping", {".....", ".....", "...B.", "B...B", ".B..."}, std::nullopt},
        ScanCase{"ColumnWithAGap", {"R....", ".....", "R....", "R....", "R...."}, std::nullopt},
        ScanCase{
            "MixedColoursAreNoLine", {".....", ".....", ".....", ".....", "RRRB."}, std::nullopt},
        // Rows go bottom to top for start column 0 before any start column 1.
        ScanCase{"LowerRowFirst", {".....", ".....", ".....", "RRRR.", "BBBB."}, Colour::Blue},
        ScanCase{"StartColumnZeroOfAHigherRowBeforeStartColumnOne",
                 {".....", ".....", ".....", "BBBB.", ".RRRR"},
                 Colour::Blue},
        // Rows before columns.
        ScanCase{"RowBeforeColumn", {".....", "RBBBB", "R....", "R....", "R...."}, Colour::Blue},
        // Columns left to right for start row 0 before any start row 1.
        ScanCase{"StartRowZeroOfALaterColumnBeforeStartRowOne",
                 {"R....", "R...B", "R...B", "R...B", "....B"},
                 Colour::Blue},
        ScanCase{"LeftColumnFirst", {".....", "BR...", "BR...", "BR...", "BR..."}, Colour::Blue},
        ScanCase{"RedDiagonal", {".....", "R....", ".R...", "..R..", "...R."}, Colour::Red},
        ScanCase{"BlueDiagonal", {"B....", ".B...", "..B..", "...B.", "....."}, Colour::Blue}),
    [](const testing::TestParamInfo<ScanCase> &info) { return info.param.name; });

}  // namespace
}  // namespace dropline::test
