#include "form3.h"

#include <QCloseEvent>

#include "platform/cues.h"
#include "ui/click_area.h"
#include "ui/form3_design.h"
#include "ui/spoken.h"

namespace dropline::app {

Form3::Form3(platform::CuePlayer &cues, QWidget *parent)
    : SideWindow({.caption = ui::form3::kCaption,
                  .clientSize = ui::form3::kClientSize,
                  .backColor = ui::form3::kBackColor,
                  .artwork = ui::form3::kArtwork,
                  .button = ui::form3::kLabel1,
                  .buttonName = ui::spoken::kExit},
                 parent) {
    connect(label1(), &ui::ClickArea::clicked, this, &Form3::endRequested);

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
