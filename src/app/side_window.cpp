#include "side_window.h"

#include <QAccessible>
#include <QKeyEvent>

#include "ui/activation_watcher.h"
#include "ui/announcer.h"
#include "ui/artwork.h"
#include "ui/click_area.h"
#include "ui/spoken.h"

namespace dropline::app {

SideWindow::SideWindow(const Design &design, QWidget *parent)
    : ui::PictureCanvas(design.artwork, design.backColor, parent),
      label1_(new ui::ClickArea(ui::spoken::translated(design.buttonName), this)),
      announcer_(new ui::Announcer(this)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(design.caption);
    setFixedSize(design.clientSize);
    ui::ActivationWatcher::markAsProgramWindow(this);
    label1_->setGeometry(design.button.toPixels());
}

bool SideWindow::event(QEvent *event) {
    const bool handled = ui::PictureCanvas::event(event);
    // The picture's words are read only when a screen reader listens.
    if (event->type() == QEvent::WindowActivate && QAccessible::isActive()) {
        announcer_->say(ui::spoken::sentences(ui::Artwork::words(picture())), this);
    }
    return handled;
}

void SideWindow::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Escape:
            if (!event->isAutoRepeat()) {
                label1_->click();
            }
            return;
        default:
            ui::PictureCanvas::keyPressEvent(event);
    }
}

}  // namespace dropline::app
