#pragma once

#include <QFrame>
#include <QString>

#include "board_geometry.h"
#include "game/board.h"

class QKeyEvent;

namespace dropline {
class Game;
}

namespace dropline::ui {

// The board: a sunken frame around the board's picture, its grid and the
// discs of the game on it, all painted from the game in one widget. A click
// anywhere on a column, or a key, drops a disc there; the board answers
// nothing while it is disabled (a won game is on it).
//
// To assistive technology the board is a canvas holding its five columns, as
// buttons that drop a disc when pressed, and the discs on it (see
// board_accessible.h).
class BoardView : public QFrame {
    Q_OBJECT
public:
    explicit BoardView(const Game &game, QWidget *parent = nullptr);

    const Game &game() const { return game_; }

    // Shows the game as it is now, to the eye and to assistive technology.
    // Until then the board shows it as it was: a draw message stands over
    // the full board it ends.
    void refresh();

    // Where a column, and a disc dropped into (column, row), lie in the
    // board's own coordinates.
    QRect columnArea(int column) const;
    QRect discArea(int column, int row) const;

    // Drops a disc into a column as a click there does: nothing while the
    // board is disabled.
    void pressColumn(int column);

    // Sets the column that Left, Right and the drop keys work on: the last
    // one chosen by key or played into.
    void setCurrentColumn(int column);

    // Whether the board answers this key while it has the keyboard focus.
    static bool isBoardKey(const QKeyEvent &event);

signals:
    // A disc is to drop into the column: a click on it, keys 1 to 5, or
    // Return, Enter, Space and Down on the current column.
    void columnClicked(int column);
    // Left or Right chose the current column (at either edge, the same one
    // again).
    void columnChosen(int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The column under the pointer, to the fraction of a pixel, or -1.
    int columnUnder(const QMouseEvent &event) const;
    void paintGrid(QPainter &painter) const;
    void paintDiscs(QPainter &painter) const;
    // Tells assistive technology what changed since the last time.
    void reportChanges();

    const Game &game_;
    BoardGeometry geometry_;
    int current_ = 0;
    int pressed_ = -1;
    // The cells as last shown, and the column names assistive technology
    // last heard.
    Cells shown_{};
    std::array<QString, kColumns> columnNames_;
};

}  // namespace dropline::ui
