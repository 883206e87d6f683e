#include "game_snapshot.h"

#include "printers.h"

namespace dropline::test {

GameSnapshot snapshot(const Game &game) {
    GameSnapshot s;
    s.board = render(game);
    for (int column = 0; column < kColumns; ++column) {
        s.colfill[column] = game.colfill(column);
    }
    s.moves = game.moves();
    s.toMove = game.toMove();
    s.redSteps = game.steps(Colour::Red);
    s.blueSteps = game.steps(Colour::Blue);
    s.redWins = game.wins(Colour::Red);
    s.blueWins = game.wins(Colour::Blue);
    s.winnerMessage = game.winnerMessage();
    s.boardEnabled = game.boardEnabled();
    return s;
}

void PrintTo(const GameSnapshot &s, std::ostream *os) {
    *os << "\n";
    for (const std::string &line : s.board) {
        *os << "  " << line << "\n";
    }
    *os << "  colfill";
    for (int fill : s.colfill) {
        *os << " " << fill;
    }
    *os << ", moves " << s.moves << ", to move ";
    PrintTo(s.toMove, os);
    *os << ", steps " << s.redSteps << "/" << s.blueSteps << ", wins " << s.redWins << "/"
        << s.blueWins << ", message ";
    if (s.winnerMessage) {
        PrintTo(*s.winnerMessage, os);
    } else {
        *os << "none";
    }
    *os << (s.boardEnabled ? ", enabled" : ", disabled");
}

}  // namespace dropline::test
