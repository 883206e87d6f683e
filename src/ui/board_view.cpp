#include "board_view.h"

#include <QKeyEvent>
#include <QPainter>

#include "artwork.h"
#include "game/board.h"

namespace dropline::ui {

namespace {

constexpr int kBorderWidth = 2;  // standard sunken 3-D border
constexpr qreal kLineWidth = 1;  // one logical pixel

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
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(place_.toPixels());
    drawingArea_->setGeometry(contentsRect());
}

void BoardView::keyPressEvent(QKeyEvent *event) {
    const int column = event->key() - Qt::Key_1;
    if (column >= 0 && column < kColumns && !event->isAutoRepeat()) {
        emit columnKeyPressed(column);
        return;
    }
    QFrame::keyPressEvent(event);
}

void BoardView::line(const QLineF &twips) {
    lines_.push_back(twips);
    drawingArea_->update();
}

}  // namespace dropline::ui
