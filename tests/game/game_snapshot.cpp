#include "game_snapshot.h"

#include "printers.h"

namespace dropline::test {

GameSnapshot snapshot(const Game &game) {
    GameSnapshot s;
    s.board = render(game);
    for (int column = 0; column < kColumns; ++column) {
        s.discsIn[column] = game.discsIn(column);
    }
    s.countedClicks = game.countedClicks();
    s.toMove = game.toMove();
    s.redSteps = game.player(Colour::Red).steps;
    s.blueSteps = game.player(Colour::Blue).steps;
    s.redWins = game.player(Colour::Red).wins;
    s.blueWins = game.player(Colour::Blue).wins;
    s.winner = game.winner();
    s.takesDiscs = game.takesDiscs();
    return s;
}

void PrintTo(const GameSnapshot &s, std::ostream *os) {
    *os << "\n";
    for (const std::string &line : s.board) {
        *os << "  " << line << "\n";
    }
    *os << "  discs in columns";
    for (int discs : s.discsIn) {
        *os << " " << discs;
    }
    *os << ", counted clicks " << s.countedClicks << ", to move ";
    PrintTo(s.toMove, os);
    *os << ", steps " << s.redSteps << "/" << s.blueSteps << ", wins " << s.redWins << "/"
        << s.blueWins << ", winner ";
    if (s.winner) {
        PrintTo(*s.winner, os);
    } else {
        *os << "none";
    }
    *os << (s.takesDiscs ? ", takes discs" : ", takes no discs");
}

}  // namespace dropline::test
