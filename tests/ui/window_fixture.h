#pragma once

#include <QAccessible>
#include <QStringList>
#include <QTest>
#include <QWindow>
#include <deque>
#include <functional>
#include <memory>

#include "platform/cues.h"
#include "platform/dialogs.h"
#include "ui/board_geometry.h"
#include "ui/main_window.h"
#include "ui/main_window_design.h"

// What the window tests share: stand-ins for the platform that write what
// happens into one journal, so that a test can check the order of sounds and
// dialogs; a player's hands on the real window, at the places its design
// gives; and what assistive technology reads of it.

namespace dropline::testing {

using Journal = QStringList;

inline QString cueName(platform::Cue cue) {
    switch (cue) {
        case platform::Cue::Opening:
            return "cue:opening";
        case platform::Cue::Click:
            return "cue:click";
        case platform::Cue::Win:
            return "cue:win";
    }
    return "cue:?";
}

inline const QString kOpeningCue = cueName(platform::Cue::Opening);
inline const QString kClickCue = cueName(platform::Cue::Click);
inline const QString kWinCue = cueName(platform::Cue::Win);

// How an input box and a message appear in a journal.
inline QString inputEntry(const QString &prompt, const QString &title = {}) {
    return QString("input:[%1]|[%2]").arg(prompt, title);
}
inline QString messageEntry(const QString &prompt) {
    return QString("message:[%1]").arg(prompt);
}

class JournalCues final : public platform::CuePlayer {
public:
    explicit JournalCues(Journal &journal) : journal_(journal) {}
    void play(platform::Cue cue) override {
        journal_ << cueName(cue);
        if (onPlay) {
            onPlay(cue);
        }
    }
    std::function<void(platform::Cue)> onPlay;

private:
    Journal &journal_;
};

// Answers input boxes from a script; an exhausted script answers as a cancel.
class ScriptedDialogs final : public platform::Dialogs {
public:
    explicit ScriptedDialogs(Journal &journal) : journal_(journal) {}

    QString inputBox(const QString &prompt, const QString &title = {}) override {
        journal_ << inputEntry(prompt, title);
        if (onDialog) {
            onDialog();
        }
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void msgBox(const QString &prompt) override {
        journal_ << messageEntry(prompt);
        if (onDialog) {
            onDialog();
        }
    }

    std::deque<QString> answers;
    // Runs while a dialog is "open", e.g. to look at the window then.
    std::function<void()> onDialog;

private:
    Journal &journal_;
};

// Clicks a window the way the system would: at a point of one of its widgets,
// delivered to the window, so that it reaches whatever lies there.
inline void clickAt(QWidget *widget, QPoint point) {
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, point));
}

inline void clickCentre(QWidget *widget) {
    clickAt(widget, widget->rect().center());
}

// The main window's client area, where its design places everything.
inline QWidget *clientOf(const ui::MainWindow &window) {
    return window.centralWidget();
}

inline void clickClient(const ui::MainWindow &window, QPoint point) {
    clickAt(clientOf(window), point);
}

inline void clickClient(const ui::MainWindow &window, const ui::TwipsRect &place) {
    clickClient(window, place.toPixels().center());
}

// The board's geometry as designed, and where its drawing begins in the
// client area, inside its border.
inline ui::BoardGeometry boardGeometry() {
    return {ui::main_window::kBoard.size(), ui::main_window::kDisc};
}

inline QPoint boardDrawingOrigin() {
    const int border = ui::main_window::kBoardBorder;
    return ui::main_window::kBoard.toPixels().topLeft() + QPoint(border, border);
}

// Near the top of a column, above any disc.
inline QPoint columnPoint(int column) {
    return boardDrawingOrigin() + QPoint(boardGeometry().column(column).center().x(), 5);
}

inline void clickColumn(const ui::MainWindow &window, int column) {
    clickClient(window, columnPoint(column));
}

inline void clickColumns(const ui::MainWindow &window, std::initializer_list<int> columns) {
    for (int column : columns) {
        clickColumn(window, column);
    }
}

// The first object under `root`, depth first, that `wanted` picks.
inline QAccessibleInterface *findAccessible(
    QAccessibleInterface *root, const std::function<bool(QAccessibleInterface *)> &wanted) {
    if (!root) {
        return nullptr;
    }
    if (wanted(root)) {
        return root;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *found = findAccessible(root->child(i), wanted)) {
            return found;
        }
    }
    return nullptr;
}

inline QAccessibleInterface *accessibleOf(const QWidget *widget) {
    return QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget));
}

// What a score label of the window shows, as assistive technology reads it:
// its name is its title, then what it shows ("Step, red: 4").
inline QString shownValue(const ui::MainWindow &window, const QString &title) {
    QAccessibleInterface *label =
        findAccessible(accessibleOf(&window), [&](QAccessibleInterface *object) {
            const QString name = object->text(QAccessible::Name);
            // A label, not a message about the score panel.
            return object->object() && object->object()->inherits("QLabel") &&
                   (name == title || name.startsWith(title + ": "));
        });
    return label ? label->text(QAccessible::Name).mid(title.size() + 2) : QString("(none)");
}

// The board to assistive technology, and its columns and discs.
inline QAccessibleInterface *accessibleBoard(const ui::MainWindow &window) {
    return findAccessible(accessibleOf(&window), [](QAccessibleInterface *object) {
        return object->role() == QAccessible::Canvas;
    });
}

inline QAccessibleInterface *accessibleColumn(const ui::MainWindow &window, int column) {
    return accessibleBoard(window)->child(column);
}

inline QAccessibleInterface *accessibleDisc(const ui::MainWindow &window, int column, int row) {
    return accessibleBoard(window)->child(kColumns + cellIndex(column, row));
}

// A screen reader's press: the column's accessible action, which reaches it
// even while a dialog holds the window.
inline void pressColumn(const ui::MainWindow &window, int column) {
    QAccessibleActionInterface *actions = accessibleColumn(window, column)->actionInterface();
    QVERIFY(actions);
    actions->doAction(QAccessibleActionInterface::pressAction());
}

// A test of the main window, shown and activated as at start-up, the first
// names answered. Its journal starts empty after that.
class WindowTest : public QObject {
protected:
    void openWindow(std::deque<QString> names = {"Ann", "Bob"}) {
        journal.clear();
        dialogs.answers = std::move(names);
        dialogs.onDialog = nullptr;
        cues.onPlay = nullptr;
        window = std::make_unique<ui::MainWindow>(cues, dialogs);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // The first activation: its cue and both names.
        QTRY_COMPARE(journal.size(), 3);
        journal.clear();
    }

    const Game &game() const { return window->game(); }

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::unique_ptr<ui::MainWindow> window;
};

}  // namespace dropline::testing
