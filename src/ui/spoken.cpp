#include "spoken.h"

#include <QCoreApplication>
#include <QStringList>

#include "game/game.h"
#include "game/texts.h"
#include "one_line.h"

namespace dropline::ui::spoken {

namespace {

// Marks that close a sentence, in the scripts the game is translated into.
constexpr char16_t kSentenceEnds[] = u".!?\u3002\uFF01\uFF1F\u061F";

// A phrase marked below, in the player's language.
QString phrase(const char *text, const char *disambiguation = nullptr) {
    return QCoreApplication::translate(kContext, text, disambiguation);
}

// Phrases whose English is the same but whose use is not.
struct Marked {
    const char *text;
    const char *disambiguation;
};
//: A word of the score panel, then the colour of its values: "Step, red".
constexpr Marked kScoreTitle = QT_TRANSLATE_NOOP3("Spoken", "%1, %2", "score title");
//: A player: the colour of the discs, then the name typed: "Red, Ann".
constexpr Marked kPlayer = QT_TRANSLATE_NOOP3("Spoken", "%1, %2", "player");

QString phrase(const Marked &marked) {
    return phrase(marked.text, marked.disambiguation);
}

//: Closes a sentence that has no mark of its own.
constexpr const char *kFullStop = QT_TRANSLATE_NOOP("Spoken", ".");
//: Between two sentences.
constexpr const char *kSentenceGap = QT_TRANSLATE_NOOP("Spoken", " ");

// The colours' words, one pair for each use, so that a language can inflect
// them by what they name.
struct ColourWords {
    Marked red;
    Marked blue;
};
constexpr ColourWords kPlayerColours{
    //: A player, named by the colour of their discs; begins a sentence: "Red, Ann: column 3,
    //: row 1."
    QT_TRANSLATE_NOOP3("Spoken", "Red", "a player"),
    //: A player, named by the colour of their discs; begins a sentence: "Blue, Bob, to move."
    QT_TRANSLATE_NOOP3("Spoken", "Blue", "a player")};
constexpr ColourWords kDiscColours{
    //: A disc, as a column's discs are read from the bottom up: "Column 3: red, blue; 3 free".
    QT_TRANSLATE_NOOP3("Spoken", "red", "a disc in a column"),
    //: A disc, as a column's discs are read from the bottom up: "Column 3: red, blue; 3 free".
    QT_TRANSLATE_NOOP3("Spoken", "blue", "a disc in a column")};
constexpr ColourWords kValueColours{
    //: The colour of the score panel's values, after the word drawn beside them: "Step, red: 4".
    QT_TRANSLATE_NOOP3("Spoken", "red", "score values"),
    //: The colour of the score panel's values, after the word drawn beside them: "Step, blue: 3".
    QT_TRANSLATE_NOOP3("Spoken", "blue", "score values")};

QString colourWord(const ColourWords &words, Colour colour) {
    return phrase(colour == Colour::Red ? words.red : words.blue);
}

QString number(int value) {
    return QString::number(value);
}

}  // namespace

QString translated(const char *word) {
    return phrase(word);
}

QString scoreTitle(const char *word, Colour colour) {
    return phrase(kScoreTitle).arg(phrase(word), colourWord(kValueColours, colour));
}

QString scoreName(const QString &title, const QString &shown) {
    const QString value = shown.trimmed();
    //: A score label: its title, then what it shows: "Step, red: 4".
    return value.isEmpty() ? title
                           : phrase(QT_TRANSLATE_NOOP("Spoken", "%1: %2")).arg(title, value);
}

QString columnName(const Game &game, int column) {
    const int filled = game.discsIn(column);
    if (filled == 0) {
        //: A column without discs, as it is read: "Column 3: empty".
        return phrase(QT_TRANSLATE_NOOP("Spoken", "Column %1: empty")).arg(column + 1);
    }
    QStringList discs;
    for (int row = 0; row < filled; ++row) {
        discs << colourWord(kDiscColours,
                            game.cell(column, row) == Cell::Red ? Colour::Red : Colour::Blue);
    }
    //: A column without free cells, after its discs: "Column 5: red, blue, red, blue, red; full".
    const char *full = QT_TRANSLATE_NOOP("Spoken", "full");
    const QString cells =
        filled == kRows
            ? phrase(full)
            //: A column's free cells (1 to 4), after its discs: "Column 3: red, blue; 3 free".
            : QCoreApplication::translate("Spoken", "%n free", "empty cells of a column",
                                          kRows - filled);
    //: Between the colours of a column's discs: "red, blue".
    const char *between = QT_TRANSLATE_NOOP("Spoken", ", ");
    //: A column, its discs from the bottom up, and its free cells:
    //: "Column 3: red, blue; 3 free".
    const char *read = QT_TRANSLATE_NOOP("Spoken", "Column %1: %2; %3");
    return phrase(read).arg(number(column + 1), discs.join(phrase(between)), cells);
}

QString boardDescription(const Game &game) {
    QStringList columns;
    for (int column = 0; column < kColumns; ++column) {
        columns << columnName(game, column);
    }
    return columns.join(phrase(kFullStop) + phrase(kSentenceGap));
}

QString discName(Colour colour, int column, int row) {
    //: A disc on the board as a screen reader names it; rows count from the bottom.
    const char *red = QT_TRANSLATE_NOOP("Spoken", "red disc, column %1, row %2");
    //: A disc on the board as a screen reader names it; rows count from the bottom.
    const char *blue = QT_TRANSLATE_NOOP("Spoken", "blue disc, column %1, row %2");
    return phrase(colour == Colour::Red ? red : blue).arg(number(column + 1), number(row + 1));
}

QString player(Colour colour, const QString &name) {
    const QString side = colourWord(kPlayerColours, colour);
    const QString shown = name.trimmed();
    return shown.isEmpty() ? side : phrase(kPlayer).arg(side, shown);
}

QString placed(const Disc &disc, const QString &player) {
    // One arg() for all: a name holding "%2" stays as typed.
    //: Where a player's disc landed; rows count from the bottom.
    return phrase(QT_TRANSLATE_NOOP("Spoken", "%1: column %2, row %3."))
        .arg(player, number(disc.column + 1), number(disc.row + 1));
}

QString toMove(const QString &player) {
    //: Whose turn it is now: "Blue, Bob, to move."
    return phrase(QT_TRANSLATE_NOOP("Spoken", "%1, to move.")).arg(player);
}

QString columnFull(int column, const QString &player) {
    //: A click on a full column places nothing; the same player is still to move:
    //: "Column 5 is full. Blue, Bob, still to move."
    return phrase(QT_TRANSLATE_NOOP("Spoken", "Column %1 is full. %2, still to move."))
        .arg(number(column + 1), player);
}

QString sentences(const QStringList &lines) {
    const QString fullStop = phrase(kFullStop);
    QStringList closed;
    for (const QString &line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty()) {
            continue;
        }
        const bool ends = QStringView(kSentenceEnds).contains(text.back());
        closed << (ends ? text : text + fullStop);
    }
    return closed.join(phrase(kSentenceGap));
}

QString player(const Game &game, Colour colour) {
    return player(colour, QString::fromStdString(game.player(colour).name));
}

QString winnerLine(Colour colour) {
    return QCoreApplication::translate(texts::kContext,
                                       colour == Colour::Red ? texts::kRedWins : texts::kBlueWins);
}

QString turn(const Game &game) {
    if (const std::optional<Colour> winner = game.winner()) {
        return winnerLine(*winner).trimmed();
    }
    return toMove(player(game, game.toMove()));
}

QString scoreboard(const Game &game) {
    QStringList lines;
    for (const Colour colour : {Colour::Red, Colour::Blue}) {
        const Player &shown = game.player(colour);
        const char *title = colour == Colour::Red ? kPlayer1 : kPlayer2;
        lines << scoreName(scoreTitle(title, colour), oneLine(QString::fromStdString(shown.name)))
              << scoreName(scoreTitle(kStep, colour), number(shown.steps))
              << scoreName(scoreTitle(kWinned, colour), number(shown.wins));
    }
    if (const std::optional<Colour> winner = game.winner()) {
        lines << scoreName(translated(kWinner), winnerLine(*winner));
    }
    return sentences(lines);
}

}  // namespace dropline::ui::spoken
