#include "board_view.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "artwork.h"
#include "game/board.h"
#include "keyboard.h"

namespace dropline::ui {

namespace {

constexpr int kBorderWidth = 2;  // standard sunken 3-D border

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
// fractional scale every line is equally wide. It begins on the first device
// pixel whose place lies at or past its logical edge: where the board starts
// handing clicks to the column that the line begins (see targetAt).
class DevicePixels {
public:
    // `origin` is where the drawing area's logical 0 lies in device pixels of
    // its window, `ratio` the device pixels to a logical pixel.
    DevicePixels(qreal origin, qreal ratio)
        : origin_(origin), ratio_(ratio), lineWidth_(std::max(1, qRound(ratio))) {}

    int lineWidth() const { return lineWidth_; }

    // The first device pixel of a line at whole logical pixel `edge`; the
    // small allowance keeps an edge that falls exactly on a device pixel
    // from being lost to rounding errors.
    int lineStart(int edge) const {
        constexpr qreal kAllowance = 1e-9;
        return int(std::ceil(origin_ + edge * ratio_ - kAllowance));
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

    // A left click goes to the target under the pointer when pressed, if it
    // is released over the same target, as a button takes its clicks.
    void mousePressEvent(QMouseEvent *event) override {
        if (event->button() != Qt::LeftButton) {
            event->ignore();
            return;
        }
        pressed_ = board_.targetAt(exactPosition(*event));
    }
    void mouseReleaseEvent(QMouseEvent *event) override {
        if (event->button() != Qt::LeftButton) {
            event->ignore();
            return;
        }
        QAbstractButton *pressed = std::exchange(pressed_, nullptr);
        if (pressed && pressed == board_.targetAt(exactPosition(*event))) {
            pressed->click();
        }
    }

private:
    // The pointer's place in the drawing area, to the fraction of a pixel.
    // (Qt 6.4 gives a widget its pointer position rounded to whole logical
    // pixels; the place in the window is exact on every version.)
    QPointF exactPosition(const QMouseEvent &event) const {
        return event.scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    }

    QString picture_;
    const BoardView &board_;
    QAbstractButton *pressed_ = nullptr;
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

void BoardView::addTarget(QAbstractButton *target) {
    target->setAttribute(Qt::WA_TransparentForMouseEvents);
    targets_.push_back(target);
}

QAbstractButton *BoardView::targetAt(QPointF position) const {
    for (QAbstractButton *target : targets_) {
        const QRect place = target->geometry();
        if (target->isVisible() && position.x() >= place.left() &&
            position.x() < place.left() + place.width() && position.y() >= place.top() &&
            position.y() < place.top() + place.height()) {
            return target;
        }
    }
    return nullptr;
}

void BoardView::setCurrentColumn(int column) {
    current_ = std::clamp(column, 0, kColumns - 1);
}

bool BoardView::isBoardKey(const QKeyEvent &event) {
    const int key = event.key();
    return keyboard::numberedColumn(event) >= 0 || isDropKey(key) || columnStep(key) != 0;
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
        const int numbered = keyboard::numberedColumn(*event);
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
