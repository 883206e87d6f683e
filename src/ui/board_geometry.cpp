#include "board_geometry.h"

#include <cmath>

#include "game/board.h"

namespace dropline::ui {

BoardGeometry BoardGeometry::measure(double boardWidth, double boardHeight, double discWidth,
                                     double discHeight) {
    BoardGeometry geometry;
    geometry.boardheight = boardHeight;
    geometry.boardwidth = boardWidth;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    geometry.discwidth = static_cast<int>(std::nearbyint(discWidth));
    geometry.discheight = discHeight;
    return geometry;
}

std::vector<QLineF> BoardGeometry::gridLines() const {
    const double w = boardwidth;
    const double h = boardheight;
    std::vector<QLineF> lines;
    for (int i = 0; i <= kColumns; ++i) {
        lines.emplace_back(i * w / kColumns, 0, i * w / kColumns, h);
    }
    for (int i = 0; i <= kRows; ++i) {
        lines.emplace_back(0, i * h / kRows, w, i * h / kRows);
    }
    return lines;
}

TwipsRect BoardGeometry::columnTarget(int column) const {
    return {column * boardwidth / kColumns, 0, boardwidth / kColumns, boardheight};
}

QPointF BoardGeometry::discTopLeft(int column, int row) const {
    const double left = (2 * column + 1) * boardwidth / (2 * kColumns) - discwidth / 2.0;
    const double top = (2 * kRows - 1 - 2 * row) * boardheight / (2 * kRows) - discheight / 2.0;
    return {left, top};
}

}  // namespace dropline::ui
