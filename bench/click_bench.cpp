#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

#include <QAccessible>

#include "game/board.h"
#include "platform/cues.h"
#include "platform/dialogs.h"
#include "ui/main_window.h"

// The main window handling one click on a column, offscreen: the disc placed,
// the step count updated and the window repainted.

namespace {

using dropline::kColumns;
using dropline::kCountedClicks;
using dropline::kRows;
using dropline::ui::MainWindow;

class SilentCues final : public dropline::platform::CuePlayer {
public:
    void play(dropline::platform::Cue) override {}
};

// Every box is answered as a cancel.
class CancelDialogs final : public dropline::platform::Dialogs {
public:
    QString inputBox(const QString &, const QString & = {}) override { return {}; }
    void msgBox(const QString &) override {}
};

// Counts the paint events the window's widgets receive.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

void watchPaints(QWidget *widget, PaintCounter &counter) {
    widget->installEventFilter(&counter);
    for (QWidget *child : widget->findChildren<QWidget *>()) {
        child->installEventFilter(&counter);
    }
}

// The next column to click, or -1 when the game on the board is over.
int nextColumn(const MainWindow &window, int &turn) {
    const auto &game = window.game();
    if (game.winner() || game.countedClicks() >= kCountedClicks) {
        return -1;
    }
    for (int tried = 0; tried < kColumns; ++tried) {
        const int column = turn++ % kColumns;
        if (game.discsIn(column) < kRows) {
            return column;
        }
    }
    return -1;
}

// The board's column buttons, as assistive technology presses them: the
// same command a click runs.
QAccessibleInterface *boardOf(MainWindow &window) {
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(&window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface *object = pending.takeFirst();
        if (object->role() == QAccessible::Canvas) {
            return object;
        }
        for (int i = 0; i < object->childCount(); ++i) {
            pending << object->child(i);
        }
    }
    return nullptr;
}

void press(QAccessibleInterface *board, int column) {
    board->child(column)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Game, New.
void newGame(MainWindow &window) {
    window.menuBar()->actions().first()->menu()->actions().first()->trigger();
    QCoreApplication::processEvents();
}

// `repaintAll`: repaint the whole window after the click, instead of only
// what the click changed (as the event loop does).
void clickColumn(benchmark::State &state, bool repaintAll) {
    SilentCues cues;
    CancelDialogs dialogs;
    MainWindow form(cues, dialogs);
    form.show();
    QCoreApplication::processEvents();
    QAccessibleInterface *board = boardOf(form);
    PaintCounter counter;
    watchPaints(&form, counter);

    int turn = 0;
    int clicks = 0;
    for (auto _ : state) {
        int column = nextColumn(form, turn);
        if (column < 0) {
            state.PauseTiming();
            newGame(form);
            column = nextColumn(form, turn);
            state.ResumeTiming();
        }
        const int movesBefore = form.game().countedClicks();
        press(board, column);
        if (repaintAll) {
            form.repaint();
        } else {
            QCoreApplication::processEvents();
        }
        if (form.game().countedClicks() != movesBefore + 1) {
            state.SkipWithError("the click was not taken");
            return;
        }
        ++clicks;
    }
    if (clicks > 0 && counter.paints == 0) {
        state.SkipWithError("nothing was repainted");
        return;
    }
    state.counters["paints_per_click"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

void BM_ColumnClick(benchmark::State &state) {
    clickColumn(state, false);
}

void BM_ColumnClickFullRepaint(benchmark::State &state) {
    clickColumn(state, true);
}

}  // namespace

BENCHMARK(BM_ColumnClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColumnClickFullRepaint)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
