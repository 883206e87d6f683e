#include "board_view.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "game/board.h"

namespace dropline::ui {

namespace {

constexpr int kBorderWidth = 2;  // standard sunken 3-D border

// The column a number key names, or -1.
int numberedColumn(int key) {
    const int column = key - Qt::Key_1;
    return column >= 0 && column < kColumns ? column : -1;
}

bool isDropKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
           key == Qt::Key_Down;
}

// How far Left and Right move the current column.
int columnStep(int key) {
    return key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
}

// To assistive technology the board is a canvas: a drawn picture holding the
// column buttons. (As a frame, the default for its class, screen readers
// take it for a window.)
QAccessibleInterface *boardAccessible(const QString &, QObject *object) {
    auto *board = qobject_cast<BoardView *>(object);
    return board ? new QAccessibleWidget(board, QAccessible::Canvas) : nullptr;
}

// Where grid lines fall on the screen's pixels along one axis. A line is as
// wide as one logical pixel, rounded to whole device pixels, so that at a
// fractional scale every line is equally wide. It begins at the first device
// pixel that a pointer finds in the control whose edge the line marks: Qt
// takes a pointer to the nearest whole logical pixel, so at a fractional
// scale a control's clicks begin up to a device pixel before its painted
// edge, and the line follows the clicks.
class DevicePixels {
public:
    // `origin` is where the drawing area's logical 0 lies in device pixels of
    // its window, `ratio` the device pixels to a logical pixel.
    DevicePixels(qreal origin, qreal ratio)
        : origin_(origin), ratio_(ratio), lineWidth_(std::max(1, qRound(ratio))) {}

    int lineWidth() const { return lineWidth_; }

    // The first device pixel of a line at whole logical pixel `edge`, kept
    // inside the drawing area (whose first pixel lies wholly in it).
    int lineStart(int edge) const {
        // The smallest d whose logical place d / ratio, taken to the nearest
        // whole pixel (halves up), is `edge` or beyond; the small allowance
        // keeps an exact half from being lost to rounding errors.
        constexpr qreal kAllowance = 1e-9;
        const int clicked = int(std::ceil(origin_ + (edge - 0.5) * ratio_ - kAllowance));
        const int inside = int(std::ceil(origin_ - kAllowance));
        return std::max(clicked, inside);
    }

    // Device pixels back to the drawing area's logical coordinates.
    qreal toLogical(int device) const { return (device - origin_) / ratio_; }

private:
    qreal origin_;
    qreal ratio_;
    int lineWidth_;
};

}  // namespace

class BoardView::DrawingArea : public QWidget {
public:
    DrawingArea(const QString &picture, const BoardView &board, QWidget *parent)
        : QWidget(parent), picture_(picture), board_(board) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawPixmap(0, 0, Artwork::pixmap(picture_, devicePixelRatioF()));
        // Each line is filled as a band of whole device pixels, so it comes out
        // crisp and as wide as every other at any scale.
        const QTransform device = painter.deviceTransform();
        const DevicePixels across(device.dx(), device.m11());
        const DevicePixels down(device.dy(), device.m22());
        for (const QLineF &line : board_.lines()) {
            const int left = across.lineStart(toPixel(std::min(line.x1(), line.x2())));
            const int right = across.lineStart(toPixel(std::max(line.x1(), line.x2())));
            const int top = down.lineStart(toPixel(std::min(line.y1(), line.y2())));
            const int bottom = down.lineStart(toPixel(std::max(line.y1(), line.y2())));
            const QPointF topLeft(across.toLogical(left), down.toLogical(top));
            const QPointF bottomRight(across.toLogical(right + across.lineWidth()),
                                      down.toLogical(bottom + down.lineWidth()));
            painter.fillRect(QRectF(topLeft, bottomRight), Qt::black);
        }
    }

private:
    QString picture_;
    const BoardView &board_;
};

BoardView::BoardView(const TwipsRect &place, const QString &picture, QWidget *parent)
    : QFrame(parent), place_(place), drawingArea_(new DrawingArea(picture, *this, this)) {
    [[maybe_unused]] static const bool factoryInstalled =
        (QAccessible::installFactory(boardAccessible), true);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(place_.toPixels());
    drawingArea_->setGeometry(contentsRect());
}

void BoardView::setCurrentColumn(int column) {
    current_ = std::clamp(column, 0, kColumns - 1);
}

bool BoardView::isBoardKey(const QKeyEvent &event) {
    const int key = event.key();
    return numberedColumn(key) >= 0 || isDropKey(key) || columnStep(key) != 0;
}

void BoardView::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (const int step = columnStep(key); step != 0) {
        setCurrentColumn(current_ + step);
        emit columnChosen(current_);
        return;
    }
    // Holding a key down drops one disc, not a column's worth.
    if (isBoardKey(*event) && !event->isAutoRepeat()) {
        const int numbered = numberedColumn(key);
        if (numbered >= 0) {
            setCurrentColumn(numbered);
        }
        emit columnKeyPressed(current_);
        return;
    }
    QFrame::keyPressEvent(event);
}

void BoardView::line(const QLineF &twips) {
    lines_.push_back(twips);
    drawingArea_->update();
}

}  // namespace dropline::ui
