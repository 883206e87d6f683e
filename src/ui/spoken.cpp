#include "spoken.h"

#include <QStringList>

#include "game/game.h"

namespace dropline::ui::spoken {

namespace {

QString colourName(Colour colour) {
    return colour == Colour::Red ? QStringLiteral("red") : QStringLiteral("blue");
}

QString capitalised(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

QString columnTitle(int column) {
    return QStringLiteral("Column %1").arg(column + 1);
}

}  // namespace

QString scoreTitle(const char *word, Colour colour) {
    return QStringLiteral("%1, %2").arg(QLatin1String(word), colourName(colour));
}

QString scoreName(const QString &title, const QString &shown) {
    const QString value = shown.trimmed();
    return value.isEmpty() ? title : QStringLiteral("%1: %2").arg(title, value);
}

QString columnName(const Game &game, int column) {
    const int filled = game.colfill(column);
    if (filled == 0) {
        return QStringLiteral("%1: empty").arg(columnTitle(column));
    }
    QStringList discs;
    for (int row = 0; row < filled; ++row) {
        discs << colourName(game.redcell(cellIndex(column, row)) ? Colour::Red : Colour::Blue);
    }
    const QString free =
        filled == kRows ? QStringLiteral("full") : QStringLiteral("%1 free").arg(kRows - filled);
    return QStringLiteral("%1: %2; %3")
        .arg(columnTitle(column), discs.join(QLatin1String(", ")), free);
}

QString boardDescription(const Game &game) {
    QStringList columns;
    for (int column = 0; column < kColumns; ++column) {
        columns << columnName(game, column);
    }
    return columns.join(QLatin1String(". "));
}

QString discName(const PlacedDisc &disc) {
    return QStringLiteral("%1 disc, column %2, row %3")
        .arg(colourName(disc.colour))
        .arg(disc.column + 1)
        .arg(disc.row + 1);
}

QString player(Colour colour, const QString &name) {
    const QString colourWord = capitalised(colourName(colour));
    const QString shown = name.trimmed();
    return shown.isEmpty() ? colourWord : QStringLiteral("%1, %2").arg(colourWord, shown);
}

QString placed(const PlacedDisc &disc, const QString &player) {
    // One arg() for all: a name holding "%2" stays as typed.
    return QStringLiteral("%1: column %2, row %3.")
        .arg(player, QString::number(disc.column + 1), QString::number(disc.row + 1));
}

QString toMove(const QString &player) {
    return QStringLiteral("%1, to move.").arg(player);
}

QString columnFull(int column, const QString &player) {
    return QStringLiteral("%1 is full. %2, still to move.").arg(columnTitle(column), player);
}

QString sentences(const QStringList &lines) {
    QStringList closed;
    for (const QString &line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty()) {
            continue;
        }
        const QChar last = text.back();
        const bool ends = last == u'.' || last == u'!' || last == u'?';
        closed << (ends ? text : text + u'.');
    }
    return closed.join(u' ');
}

}  // namespace dropline::ui::spoken
