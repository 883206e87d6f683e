#include "farewell_window.h"

#include <QCloseEvent>

#include "platform/cues.h"
#include "ui/side_window_designs.h"
#include "ui/spoken.h"

namespace dropline::app {

namespace design = ui::farewell_window;

FarewellWindow::FarewellWindow(platform::CuePlayer &cues, QWidget *parent)
    : SideWindow({.title = design::kTitle,
                  .clientSize = design::kClientSize,
                  .background = design::kBackground,
                  .artwork = design::kArtwork,
                  .words = design::kWords,
                  .buttonName = ui::spoken::kExit},
                 parent) {
    connect(this, &SideWindow::buttonPressed, this, &FarewellWindow::endRequested);

    countdown_.setSingleShot(true);
    countdown_.setTimerType(Qt::PreciseTimer);
    countdown_.setInterval(design::kLifetime);
    connect(&countdown_, &QTimer::timeout, this, &FarewellWindow::endRequested);

    cues.play(platform::Cue::Opening);
    countdown_.start();
}

void FarewellWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    emit endRequested();
}

}  // namespace dropline::app
