#include "board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "board_accessible.h"
#include "game/game.h"
#include "keyboard.h"
#include "main_window_design.h"
#include "spoken.h"

namespace dropline::ui {

namespace {

bool isDropKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
           key == Qt::Key_Down;
}

// How far Left and Right move the current column.
int columnStep(int key) {
    return key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
}

// Where grid lines fall on the screen's pixels along one axis. A line is as
// wide as one logical pixel, rounded to whole device pixels, so that at a
// fractional scale every line is equally wide. It begins on the first device
// pixel whose place lies at or past its logical edge: where the board starts
// handing clicks to the column that the line begins.
class DevicePixels {
public:
    // `origin` is where the drawing's logical 0 lies in device pixels of its
    // window, `ratio` the device pixels to a logical pixel.
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

    // Device pixels back to logical coordinates.
    qreal toLogical(int device) const { return (device - origin_) / ratio_; }

private:
    qreal origin_;
    qreal ratio_;
    int lineWidth_;
};

const char *discPicture(Cell cell) {
    return cell == Cell::Red ? main_window::kRedDisc : main_window::kBlueDisc;
}

}  // namespace

BoardView::BoardView(const Game &game, QWidget *parent)
    : QFrame(parent), game_(game), geometry_(main_window::kBoard.size(), main_window::kDisc) {
    BoardAccessible::install();
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(main_window::kBoardBorder);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(main_window::kBoard.toPixels());
    setAccessibleName(spoken::translated(spoken::kBoard));
}

QRect BoardView::columnArea(int column) const {
    return geometry_.column(column).translated(contentsRect().topLeft());
}

QRect BoardView::discArea(int column, int row) const {
    return geometry_.disc(column, row).translated(contentsRect().topLeft());
}

void BoardView::refresh() {
    setEnabled(game_.takesDiscs());
    reportChanges();
    // Only the cells that changed are painted again, with a pixel around
    // each disc: it lies on the nearest device pixel (see paintDiscs).
    for (int cell = 0; cell < kCells; ++cell) {
        if (shown_[cell] != game_.cells()[cell]) {
            update(discArea(cell % kColumns, cell / kColumns).adjusted(-1, -1, 1, 1));
        }
    }
    shown_ = game_.cells();
}

void BoardView::pressColumn(int column) {
    if (isEnabled()) {
        emit columnClicked(column);
    }
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
        emit columnClicked(current_);
        return;
    }
    QFrame::keyPressEvent(event);
}

// A left click goes to the column under the pointer when pressed, if it is
// released over the same column, as a button takes its clicks.
void BoardView::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    pressed_ = columnUnder(*event);
}

void BoardView::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    const int pressed = std::exchange(pressed_, -1);
    if (pressed >= 0 && pressed == columnUnder(*event)) {
        emit columnClicked(pressed);
    }
}

// From the pointer's place in the window, which is exact on every version of
// Qt (Qt 6.4 gives a widget its pointer position rounded to whole logical
// pixels): at a fractional scale the columns share their edges to the
// fraction of a pixel, as the grid lines show them.
int BoardView::columnUnder(const QMouseEvent &event) const {
    const QPoint drawing = mapTo(window(), contentsRect().topLeft());
    return geometry_.columnAt(event.scenePosition() - QPointF(drawing));
}

void BoardView::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);  // the border
    QPainter painter(this);
    const QRect drawing = contentsRect();
    painter.setClipRect(drawing);
    painter.translate(drawing.topLeft());
    painter.fillRect(QRect(QPoint(0, 0), drawing.size()), palette().window());
    painter.drawPixmap(0, 0, Artwork::pixmap(main_window::kBoardArtwork, devicePixelRatioF()));
    paintGrid(painter);
    paintDiscs(painter);
}

// Each line is filled as a band of whole device pixels, so it comes out crisp
// and as wide as every other at any scale.
void BoardView::paintGrid(QPainter &painter) const {
    const QTransform device = painter.deviceTransform();
    const DevicePixels across(device.dx(), device.m11());
    const DevicePixels down(device.dy(), device.m22());
    const QSize extent = geometry_.extent();
    const auto band = [&](int left, int top, int right, int bottom) {
        const QPointF topLeft(across.toLogical(left), down.toLogical(top));
        const QPointF bottomRight(across.toLogical(right + across.lineWidth()),
                                  down.toLogical(bottom + down.lineWidth()));
        painter.fillRect(QRectF(topLeft, bottomRight), Qt::black);
    };
    for (int i = 0; i <= kColumns; ++i) {
        const int x = across.lineStart(geometry_.verticalLine(i));
        band(x, down.lineStart(0), x, down.lineStart(extent.height()));
    }
    for (int i = 0; i <= kRows; ++i) {
        const int y = down.lineStart(geometry_.horizontalLine(i));
        band(across.lineStart(0), y, across.lineStart(extent.width()), y);
    }
}

// A disc is its picture as drawn at the screen's ratio, pixel for pixel: its
// corner goes to the nearest whole device pixel.
void BoardView::paintDiscs(QPainter &painter) const {
    const qreal ratio = devicePixelRatioF();
    const QTransform device = painter.deviceTransform();
    const QTransform toLogical = device.inverted();
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const Cell cell = shown_[cellIndex(column, row)];
            if (cell == Cell::Empty) {
                continue;
            }
            const QPointF corner = device.map(QPointF(geometry_.disc(column, row).topLeft()));
            const QPointF snapped =
                toLogical.map(QPointF(std::round(corner.x()), std::round(corner.y())));
            painter.drawPixmap(snapped, Artwork::pixmap(discPicture(cell), ratio));
        }
    }
}

void BoardView::reportChanges() {
    if (!QAccessible::isActive()) {
        columnNames_ = {};
        return;
    }
    QAccessibleInterface *board = QAccessible::queryAccessibleInterface(this);
    for (int column = 0; column < kColumns; ++column) {
        const QString name = spoken::columnName(game_, column);
        // A column whose discs did not change keeps quiet.
        if (name != columnNames_[column]) {
            columnNames_[column] = name;
            QAccessibleEvent renamed(board->child(BoardAccessible::columnChild(column)),
                                     QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        const bool shown = game_.cells()[cell] != Cell::Empty;
        if (shown != (shown_[cell] != Cell::Empty)) {
            QAccessibleEvent event(board->child(BoardAccessible::discChild(cell)),
                                   shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
            QAccessible::updateAccessibility(&event);
        }
    }
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

}  // namespace dropline::ui
