#include "side_window.h"

#include <QAccessible>
#include <QKeyEvent>

#include "platform/key_focus.h"
#include "ui/activation_watcher.h"
#include "ui/announcer.h"
#include "ui/click_area.h"
#include "ui/side_window_designs.h"
#include "ui/spoken.h"

namespace dropline::app {

SideWindow::SideWindow(const Design &design, QWidget *parent)
    : ui::PictureCanvas(design.artwork, design.words, design.background, parent),
      button_(new ui::ClickArea(ui::spoken::translated(design.buttonName), this)),
      announcer_(new ui::Announcer(this)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(design.title);
    setFixedSize(design.clientSize);
    ui::ActivationWatcher::markAsProgramWindow(this);
    button_->setGeometry(ui::kSideWindowButton.toPixels());
    connect(button_, &ui::ClickArea::clicked, this, &SideWindow::buttonPressed);
}

void SideWindow::showBeside(QWidget &main, platform::Placement placement) {
    if (placement == platform::Placement::ByProgram) {
        platform::showBeside(*this, main);
        return;
    }
    if (!isVisible()) {
        platform::showAsPopupBeside(*this, main);
    }
    platform::KeyFocus::instance().standIn(this);
    sayWords();
}

bool SideWindow::event(QEvent *event) {
    // Every key is this window's own while it has the keys: no shortcut of
    // another window acts.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const bool handled = ui::PictureCanvas::event(event);
    if (event->type() == QEvent::WindowActivate) {
        sayWords();
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
                button_->click();
            }
            return;
        default:
            ui::PictureCanvas::keyPressEvent(event);
    }
}

void SideWindow::sayWords() {
    // The picture's words are read only when a screen reader listens.
    if (QAccessible::isActive()) {
        announcer_->say(ui::spoken::sentences(ui::wordLines(words())), this);
    }
}

}  // namespace dropline::app
