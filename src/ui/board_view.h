#pragma once

#include <QFrame>
#include <QLineF>
#include <QPointF>
#include <vector>

#include "twips.h"

class QAbstractButton;

namespace dropline::ui {

// The board: a sunken frame around a drawing area that shows the board's
// picture and keeps whatever lines are drawn on it for the whole run.
// Controls placed on the board are children of the drawing area, so they are
// cut off at its edges and take no clicks while the board is disabled.
class BoardView : public QFrame {
    Q_OBJECT
public:
    BoardView(const TwipsRect &place, const QString &picture, QWidget *parent = nullptr);

    // Outer size, border included, in twips.
    double widthTwips() const { return place_.width; }
    double heightTwips() const { return place_.height; }

    QWidget *drawingArea() const { return drawingArea_; }
    // A line across or down the drawing area, in twips from its top-left
    // corner, in black: one logical pixel wide, on whole device pixels.
    void line(const QLineF &twips);
    const std::vector<QLineF> &lines() const { return lines_; }

    // A button laid out on the drawing area (a column target) that takes the
    // clicks falling inside its rectangle. The board finds it from the
    // pointer's exact place, so that neighbouring targets share their edge
    // to the fraction of a pixel at any scale: left to Qt, at a fractional
    // scale Qt 6.4 hands a point up to half a logical pixel before a widget
    // to it, and Qt 6.8 hands a point inside a widget's last logical pixel
    // to its parent, where the click is lost.
    void addTarget(QAbstractButton *target);

    // Sets the column that Left, Right and the drop keys work on: the last
    // one chosen by key or played into.
    void setCurrentColumn(int column);

    // Whether the board answers this key while it has the keyboard focus.
    static bool isBoardKey(const QKeyEvent &event);

signals:
    // A disc is to drop into the column: keys 1 to 5 name it; Return, Enter,
    // Space and Down take the current column.
    void columnKeyPressed(int column);
    // Left or Right chose the current column (at either edge, the same one
    // again).
    void columnChosen(int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    class DrawingArea;
    // The target holding a point of the drawing area (edges left and top
    // inclusive), if any.
    QAbstractButton *targetAt(QPointF position) const;

    TwipsRect place_;
    QWidget *drawingArea_;
    std::vector<QLineF> lines_;
    std::vector<QAbstractButton *> targets_;
    int current_ = 0;
};

}  // namespace dropline::ui
