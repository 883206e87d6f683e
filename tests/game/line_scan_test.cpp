// The table of line positions and the scan over it, on hand-made cell sets.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "board_text.h"
#include "expected_lines.h"
#include "game/line_scan.h"
#include "game/lines.h"
#include "printers.h"
#include "reference_lines.h"

namespace dropline::test {
namespace {

Cells lineCells(const Line &line) {
    return cellSet({line[0], line[1], line[2], line[3]});
}

std::set<std::set<int>> asSets(const auto &lines) {
    std::set<std::set<int>> sets;
    for (const Line &line : lines) {
        sets.insert(std::set<int>(line.begin(), line.end()));
    }
    return sets;
}

std::optional<Colour> scanBoard(const BoardText &board) {
    const CellSets cells = cellsOf(board);
    return scanLines(cells.red, cells.blue);
}

TEST(LineTable, ListsTheTwentyEightPositionsInTestingOrder) {
    ASSERT_EQ(kLines, 28);
    for (int n = 0; n < kLines; ++n) {
        EXPECT_EQ(kAllLines[n], kExpectedLines[n]) << "line position " << n;
    }
    EXPECT_EQ(kFirstDiagonal, kExpectedFirstDiagonal);
}

TEST(LineTable, HoldsEveryFourInARowOnTheBoardExactlyOnce) {
    const std::set<std::set<int>> table = asSets(kAllLines);
    EXPECT_EQ(table.size(), kAllLines.size()) << "a position is listed twice";
    EXPECT_EQ(table, asSets(geometricLines()));
}

TEST(LineTable, MiddleDiagonalIsTheSixth) {
    EXPECT_EQ(kAllLines[kFirstDiagonal + 5], (Line{4, 8, 12, 16}));
    EXPECT_EQ(scanLines(cellSet({4, 8, 12, 16}), {}), Colour::Red);
}

TEST(Scan, FindsEveryLineOfEitherColour) {
    for (int n = 0; n < kLines; ++n) {
        SCOPED_TRACE(testing::Message() << "line position " << n);
        const Cells line = lineCells(kExpectedLines[n]);
        EXPECT_EQ(scanLines(line, {}), Colour::Red);
        EXPECT_EQ(scanLines({}, line), Colour::Blue);
    }
}

TEST(Scan, ThreeOfALineAreNoWin) {
    for (int n = 0; n < kLines; ++n) {
        for (int missing = 0; missing < kLineLength; ++missing) {
            SCOPED_TRACE(testing::Message() << "line position " << n << " without cell "
                                            << kExpectedLines[n][missing]);
            Cells three = lineCells(kExpectedLines[n]);
            three[kExpectedLines[n][missing]] = 0;
            EXPECT_EQ(scanLines(three, {}), std::nullopt);
            EXPECT_EQ(scanLines({}, three), std::nullopt);
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
                    const Cells four = cellSet({a, b, c, d});
                    const bool line = lines.contains({a, b, c, d});
                    const std::optional<Colour> red = scanLines(four, {});
                    const std::optional<Colour> blue = scanLines({}, four);
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
    EXPECT_EQ(scanBoard(GetParam().board), GetParam().announced);
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
