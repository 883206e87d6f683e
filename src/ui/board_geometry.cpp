#include "board_geometry.h"

#include <cmath>

#include "game/board.h"

namespace dropline::ui {

BoardGeometry::BoardGeometry(TwipsSize board, TwipsSize disc)
    : boardWidth_(board.width),
      boardHeight_(board.height),
      // nearbyint rounds halves to the even neighbour in the default rounding mode.
      discWidth_(static_cast<int>(std::nearbyint(disc.width))),
      discHeight_(disc.height) {}

int BoardGeometry::verticalLine(int i) const {
    return toPixel(i * boardWidth_ / kColumns);
}

int BoardGeometry::horizontalLine(int i) const {
    return toPixel(i * boardHeight_ / kRows);
}

QSize BoardGeometry::extent() const {
    return {toPixel(boardWidth_), toPixel(boardHeight_)};
}

int BoardGeometry::columnAt(QPointF point) const {
    if (point.y() < 0 || point.y() >= extent().height()) {
        return -1;
    }
    for (int c = 0; c < kColumns; ++c) {
        if (point.x() >= verticalLine(c) && point.x() < verticalLine(c + 1)) {
            return c;
        }
    }
    return -1;
}

QRect BoardGeometry::column(int column) const {
    return {QPoint(verticalLine(column), 0),
            QPoint(verticalLine(column + 1) - 1, extent().height() - 1)};
}

QRect BoardGeometry::disc(int column, int row) const {
    const QPointF corner = discTopLeft(column, row);
    // The disc keeps its own size; only its corner snaps to a whole pixel.
    return {QPoint(toPixel(corner.x()), toPixel(corner.y())),
            TwipsRect{0, 0, double(discWidth_), discHeight_}.toPixels().size()};
}

QPointF BoardGeometry::discTopLeft(int column, int row) const {
    const double left = (2 * column + 1) * boardWidth_ / (2 * kColumns) - discWidth_ / 2.0;
    const double top = (2 * kRows - 1 - 2 * row) * boardHeight_ / (2 * kRows) - discHeight_ / 2.0;
    return {left, top};
}

}  // namespace dropline::ui
