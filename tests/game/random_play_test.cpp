// A long run of random clicks, with new games and new players now and then,
// checked after every click against the rules and against a small model of
// the game kept here.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>

#include "board_text.h"
#include "game_snapshot.h"
#include "printers.h"
#include "reference_lines.h"

namespace dropline::test {
namespace {

using Kind = DropResult::Kind;

constexpr std::uint32_t kSeed = 20240611;
constexpr int kClicks = 200'000;

// The rules of a click, kept as simply as possible.
class Model {
public:
    struct Expected {
        Kind kind = Kind::Ignored;
        int cell = -1;
        std::optional<Colour> winner;
    };

    Expected dropInto(int column) {
        if (winner_) {
            return {};
        }
        if (moves_ == kCountedClicks) {
            clearBoard();
            return {.kind = Kind::Draw, .cell = -1, .winner = std::nullopt};
        }
        ++moves_;
        if (fill_[column] == kRows) {
            return {.kind = Kind::ColumnFull, .cell = -1, .winner = std::nullopt};
        }
        const int cell = cellIndex(column, fill_[column]++);
        const Colour mover = toMove_;
        cells_[cell] = discOf(mover);
        toMove_ = opponentOf(mover);
        if (hasFour(cells_, discOf(mover))) {
            winner_ = mover;
            ++(mover == Colour::Red ? redWins_ : blueWins_);
        }
        return {.kind = Kind::Placed, .cell = cell, .winner = winner_};
    }

    void newGame() {
        clearBoard();
        toMove_ = Colour::Red;
    }
    void newPlayers() { redWins_ = blueWins_ = 0; }

    // Whether the game shows what the model holds; cheaper than comparing
    // snapshots on every click.
    bool agreesWith(const Game &game) const {
        int redSteps = 0;
        int blueSteps = 0;
        if (game.cells() != cells_) {
            return false;
        }
        for (const Cell cell : cells_) {
            redSteps += cell == Cell::Red ? 1 : 0;
            blueSteps += cell == Cell::Blue ? 1 : 0;
        }
        for (int column = 0; column < kColumns; ++column) {
            if (game.discsIn(column) != fill_[column]) {
                return false;
            }
        }
        return game.countedClicks() == moves_ && game.toMove() == toMove_ &&
               game.player(Colour::Red).steps == redSteps &&
               game.player(Colour::Blue).steps == blueSteps &&
               game.player(Colour::Red).wins == redWins_ &&
               game.player(Colour::Blue).wins == blueWins_ && game.winner() == winner_ &&
               game.takesDiscs() == !winner_;
    }

    // What the game should show now.
    GameSnapshot expected() const {
        GameSnapshot s;
        for (int row = 0; row < kRows; ++row) {
            std::string &line = s.board[kRows - 1 - row];
            for (int column = 0; column < kColumns; ++column) {
                const Cell cell = cells_[cellIndex(column, row)];
                line += cell == Cell::Red ? kRedMark : cell == Cell::Blue ? kBlueMark : kEmptyMark;
                s.redSteps += cell == Cell::Red ? 1 : 0;
                s.blueSteps += cell == Cell::Blue ? 1 : 0;
            }
        }
        s.discsIn = fill_;
        s.countedClicks = moves_;
        s.toMove = toMove_;
        s.redWins = redWins_;
        s.blueWins = blueWins_;
        s.winner = winner_;
        s.takesDiscs = !winner_;
        return s;
    }

private:
    void clearBoard() {
        cells_ = {};
        fill_ = {};
        moves_ = 0;
        winner_.reset();
    }

    Cells cells_{};
    std::array<int, kColumns> fill_{};
    int moves_ = 0;
    Colour toMove_ = Colour::Red;
    std::optional<Colour> winner_;
    int redWins_ = 0;
    int blueWins_ = 0;
};

// The rules that hold after every click, read from the game alone.
testing::AssertionResult holdsInvariants(const Game &game) {
    int discs = 0;
    for (int column = 0; column < kColumns; ++column) {
        const int fill = game.discsIn(column);
        if (fill < 0 || fill > kRows) {
            return testing::AssertionFailure() << "column " << column << " holds " << fill;
        }
        for (int row = 0; row < kRows; ++row) {
            const bool disc = game.cell(column, row) != Cell::Empty;
            if (disc != (row < fill)) {
                return testing::AssertionFailure()
                       << "column " << column << " counts " << fill << " but row " << row
                       << (disc ? " holds a disc" : " is empty");
            }
        }
        discs += fill;
    }
    if (game.countedClicks() < discs || game.countedClicks() > kCountedClicks) {
        return testing::AssertionFailure()
               << "moves " << game.countedClicks() << " with " << discs << " discs";
    }
    if (game.player(Colour::Red).steps + game.player(Colour::Blue).steps != discs) {
        return testing::AssertionFailure()
               << "steps " << game.player(Colour::Red).steps << " + "
               << game.player(Colour::Blue).steps << " for " << discs << " discs";
    }
    if (game.takesDiscs() == game.winner().has_value()) {
        return testing::AssertionFailure()
               << "board enabled " << game.takesDiscs() << " with a winner message "
               << game.winner().has_value();
    }
    return testing::AssertionSuccess();
}

TEST(RandomPlay, EveryClickKeepsTheRules) {
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> columnOf(0, kColumns - 1);
    std::uniform_int_distribution<int> percent(0, 9999);
    Game game;
    Model model;
    int draws = 0;
    int fullColumns = 0;
    int redWins = 0;
    int blueWins = 0;

    for (int click = 1; click <= kClicks; ++click) {
        const int roll = percent(random);
        if (!game.takesDiscs() ? roll < 3000 : roll < 10) {
            game.newGame();
            model.newGame();
        } else if (roll >= 9995) {
            game.newPlayers();
            model.newPlayers();
        }

        const int column = columnOf(random);
        const int redBefore = game.player(Colour::Red).wins;
        const int blueBefore = game.player(Colour::Blue).wins;
        const DropResult result = game.dropInto(column);
        const Model::Expected expected = model.dropInto(column);

        const auto where = [&] {
            return testing::Message()
                   << "seed " << kSeed << ", click " << click << " on column " << column;
        };
        ASSERT_EQ(result.kind, expected.kind) << where();
        ASSERT_EQ(result.winner, expected.winner) << where();
        if (result.kind == Kind::Placed) {
            ASSERT_EQ(cellIndex(result.disc.column, result.disc.row), expected.cell) << where();
        }
        ASSERT_TRUE(holdsInvariants(game)) << where();
        if (!model.agreesWith(game)) {
            ASSERT_EQ(snapshot(game), model.expected()) << where();
            FAIL() << "the game and the model disagree, " << where();
        }

        // A tally grows by one with a win and is otherwise left alone.
        const int redGain = game.player(Colour::Red).wins - redBefore;
        const int blueGain = game.player(Colour::Blue).wins - blueBefore;
        ASSERT_EQ(redGain, result.winner == Colour::Red ? 1 : 0) << where();
        ASSERT_EQ(blueGain, result.winner == Colour::Blue ? 1 : 0) << where();

        draws += result.kind == Kind::Draw ? 1 : 0;
        fullColumns += result.kind == Kind::ColumnFull ? 1 : 0;
        redWins += redGain;
        blueWins += blueGain;
    }

    // The run went through every kind of click.
    EXPECT_GT(draws, 0);
    EXPECT_GT(fullColumns, 0);
    EXPECT_GT(redWins, 0);
    EXPECT_GT(blueWins, 0);
    RecordProperty("draws", draws);
    RecordProperty("wins", redWins + blueWins);
}

}  // namespace
}  // namespace dropline::test
