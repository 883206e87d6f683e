#pragma once

#include <QAccessibleWidget>
#include <array>

#include "game/board.h"

namespace dropline::ui {

class BoardView;

// The board as assistive technology meets it: a canvas named "Board" whose
// description reads every column, holding five column buttons (each named by
// its discs from the bottom up and its free cells, and pressed to drop a
// disc, as a click does) and a disc for each cell, shown while the cell holds
// one ("red disc, column 3, row 2"). Columns and discs are no widgets; they
// report the places the board paints them in.
class BoardAccessible : public QAccessibleWidget {
public:
    // Makes Qt use this interface for every board.
    static void install();
    // Which child is a column or a cell's disc.
    static int columnChild(int column) { return column; }
    static int discChild(int cell) { return kColumns + cell; }

    explicit BoardAccessible(BoardView *board);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

private:
    BoardView *board() const;

    // Made when first asked for, kept as long as the board.
    mutable std::array<QAccessible::Id, kColumns + kCells> children_{};
};

}  // namespace dropline::ui
