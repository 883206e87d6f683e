#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>

#include "game/board.h"
#include "platform/cues.h"
#include "platform/dialogs.h"
#include "ui/click_area.h"
#include "ui/form1.h"

// The main window handling one click on a column, offscreen: the disc placed,
// the step count updated and the window repainted.

namespace {

using dropline::kColumns;
using dropline::kMaxMoves;
using dropline::kRows;
using dropline::ui::Form1;

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
int nextColumn(const Form1 &form, int &turn) {
    const auto &game = form.game();
    if (game.winnerMessage() || game.moves() >= kMaxMoves) {
        return -1;
    }
    for (int tried = 0; tried < kColumns; ++tried) {
        const int column = turn++ % kColumns;
        if (game.colfill(column) < kRows) {
            return column;
        }
    }
    return -1;
}

void newGame(Form1 &form) {
    form.newbutton_Click();
    QCoreApplication::processEvents();
}

// `repaintAll`: repaint the whole window after the click, instead of only
// what the click changed (as the event loop does).
void clickColumn(benchmark::State &state, bool repaintAll) {
    SilentCues cues;
    CancelDialogs dialogs;
    Form1 form(cues, dialogs);
    form.show();
    QCoreApplication::processEvents();
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
        const int movesBefore = form.game().moves();
        form.controls().col[column]->click();
        if (repaintAll) {
            form.repaint();
        } else {
            QCoreApplication::processEvents();
        }
        if (form.game().moves() != movesBefore + 1) {
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
