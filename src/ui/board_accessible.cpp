#include "board_accessible.h"

#include <QPointer>

#include "board_view.h"
#include "game/game.h"
#include "spoken.h"

namespace dropline::ui {

namespace {

// What columns and discs share: a place on the board, nothing inside.
class BoardPart : public QAccessibleInterface {
public:
    BoardPart(BoardView *board, int index) : board_(board), index_(index) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return board_->window()->windowHandle(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        const QRect area = areaOnBoard();
        return {board_->mapToGlobal(area.topLeft()), area.size()};
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = !board_->isEnabled();
        state.invisible = !board_->isVisible();
        return state;
    }

protected:
    virtual QRect areaOnBoard() const = 0;
    const Game &game() const { return board_->game(); }

    QPointer<BoardView> board_;
    int index_;
};

// A column, which a press drops a disc into.
class ColumnPart : public BoardPart, public QAccessibleActionInterface {
public:
    using BoardPart::BoardPart;

    QAccessible::Role role() const override { return QAccessible::Button; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? spoken::columnName(game(), index_) : QString();
    }
    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (action == pressAction() && isValid()) {
            board_->pressColumn(index_);
        }
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

protected:
    QRect areaOnBoard() const override { return board_->columnArea(index_); }
};

// The disc of one cell, shown while the cell holds one.
class DiscPart : public BoardPart {
public:
    using BoardPart::BoardPart;

    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QString text(QAccessible::Text t) const override {
        const Cell cell = game().cells()[index_];
        if (t != QAccessible::Name || cell == Cell::Empty) {
            return {};
        }
        const Colour colour = cell == Cell::Red ? Colour::Red : Colour::Blue;
        return spoken::discName(colour, column(), row());
    }
    QAccessible::State state() const override {
        QAccessible::State state = BoardPart::state();
        state.invisible = state.invisible || game().cells()[index_] == Cell::Empty;
        return state;
    }

protected:
    int column() const { return index_ % kColumns; }
    int row() const { return index_ / kColumns; }
    QRect areaOnBoard() const override { return board_->discArea(column(), row()); }
};

QAccessibleInterface *boardFactory(const QString &, QObject *object) {
    auto *board = qobject_cast<BoardView *>(object);
    return board ? new BoardAccessible(board) : nullptr;
}

}  // namespace

void BoardAccessible::install() {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(boardFactory), true);
}

BoardAccessible::BoardAccessible(BoardView *board)
    : QAccessibleWidget(board, QAccessible::Canvas) {}

BoardAccessible::~BoardAccessible() {
    for (const QAccessible::Id id : children_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

BoardView *BoardAccessible::board() const {
    return static_cast<BoardView *>(widget());
}

int BoardAccessible::childCount() const {
    return int(children_.size());
}

QAccessibleInterface *BoardAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    QAccessible::Id &id = children_[index];
    if (id == 0) {
        QAccessibleInterface *part =
            index < kColumns ? static_cast<QAccessibleInterface *>(new ColumnPart(board(), index))
                             : new DiscPart(board(), index - kColumns);
        id = QAccessible::registerAccessibleInterface(part);
    }
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const {
    for (int index = 0; index < childCount(); ++index) {
        if (children_[index] != 0 && QAccessible::accessibleInterface(children_[index]) == child) {
            return index;
        }
    }
    return -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const {
    // A disc lies over its column.
    for (int index = childCount() - 1; index >= 0; --index) {
        QAccessibleInterface *part = child(index);
        if (!part->state().invisible && part->rect().contains(x, y)) {
            return part;
        }
    }
    return nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description) {
        return spoken::boardDescription(board()->game());
    }
    return QAccessibleWidget::text(t);
}

}  // namespace dropline::ui
