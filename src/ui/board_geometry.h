#pragma once

#include <QPointF>
#include <QRect>

#include "twips.h"

namespace dropline::ui {

// Where the board's grid, columns and discs lie, computed from the board's
// outer size and the disc's size in twips. The same column edges serve the
// grid lines and the clicks, so what is drawn and what is clicked agree.
//
// Pixels are logical pixels of the board's drawing area, whose top-left
// corner lies inside the board's border: the last grid line of each
// direction falls just beyond it.
class BoardGeometry {
public:
    // `board` includes the border; the disc's width is taken in whole twips
    // (halves to even), its height as it is.
    BoardGeometry(TwipsSize board, TwipsSize disc);

    // The pixel on which grid line `i` (0 to 5) begins: the vertical lines
    // from the left, the horizontal lines from the top. A column begins on its
    // vertical line.
    int verticalLine(int i) const;
    int horizontalLine(int i) const;
    // The grid's lines end here (the board's outer size in pixels).
    QSize extent() const;

    // The column under a point, from its line (included) to the next one, or
    // -1 beside the board.
    int columnAt(QPointF point) const;
    // A column from top to bottom.
    QRect column(int column) const;
    // Where a disc dropped into (column, row), row 0 at the bottom, lies: the
    // disc's own size, centred on its cell.
    QRect disc(int column, int row) const;
    // The same corner in twips, to the fraction.
    QPointF discTopLeft(int column, int row) const;

private:
    double boardWidth_;
    double boardHeight_;
    int discWidth_;
    double discHeight_;
};

}  // namespace dropline::ui
