#include "form3.h"

#include <QCloseEvent>

#include "platform/cues.h"
#include "ui/activation_watcher.h"
#include "ui/click_area.h"
#include "ui/form3_design.h"
#include "ui/spoken.h"

namespace dropline::app {

Form3::Form3(platform::CuePlayer &cues, QWidget *parent)
    : ui::PictureCanvas(ui::form3::kArtwork, ui::form3::kBackColor, parent),
      label1_(new ui::ClickArea(ui::spoken::kExit, this)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(ui::form3::kCaption);
    setFixedSize(ui::form3::kClientSize);
    ui::ActivationWatcher::markAsProgramWindow(this);

    label1_->setGeometry(ui::form3::kLabel1.toPixels());
    connect(label1_, &ui::ClickArea::clicked, this, &Form3::endRequested);

    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(ui::form3::kTimer1Interval);
    connect(&timer1_, &QTimer::timeout, this, &Form3::endRequested);

    // Loading the window.
    cues.play(platform::Cue::Opening);
    timer1_.start();
}

void Form3::closeEvent(QCloseEvent *event) {
    event->accept();
    emit endRequested();
}

}  // namespace dropline::app
