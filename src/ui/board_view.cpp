#include "board_view.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "artwork.h"
#include "game/board.h"
#include "keyboard.h"

namespace dropline::ui {

namespace {

constexpr int kBorderWidth = 2;  // standard sunken 3-D border
constexpr qreal kLineWidth = 1;  // one logical pixel

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
        painter.setPen(QPen(Qt::black, kLineWidth));
        for (const QLineF &line : board_.lines()) {
            painter.drawLine(QLineF(snap(line.p1()), snap(line.p2())));
        }
    }

private:
    // Twips to the centre of the pixel they fall on, so a 1-pixel line is crisp.
    static QPointF snap(const QPointF &twips) {
        return {toPixel(twips.x()) + 0.5, toPixel(twips.y()) + 0.5};
    }

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
