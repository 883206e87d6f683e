#pragma once

#include <QLineF>
#include <QPointF>
#include <vector>

#include "twips.h"

namespace dropline::ui {

// Where the board's grid, column targets and discs go, computed in twips from
// the board's outer size and the disc size measured when the window loads.
struct BoardGeometry {
    double boardwidth = 0;   // outer width, border included
    double boardheight = 0;  // outer height, border included
    int discwidth = 0;       // whole twips, halves to even
    double discheight = 0;

    static BoardGeometry measure(double boardWidth, double boardHeight, double discWidth,
                                 double discHeight);

    // Six lines each way, the board's edges included: vertical ones first.
    std::vector<QLineF> gridLines() const;
    // Column `column` from top to bottom.
    TwipsRect columnTarget(int column) const;
    // Top-left corner of a disc centred on the cell (column, row), row 0 at the bottom.
    QPointF discTopLeft(int column, int row) const;
};

}  // namespace dropline::ui
