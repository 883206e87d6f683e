#include "side_window.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "ui/activation_watcher.h"
#include "ui/announcer.h"
#include "ui/artwork.h"
#include "ui/click_area.h"
#include "ui/key_focus.h"
#include "ui/spoken.h"

namespace dropline::app {

namespace {

// Where a window of `size` goes beside `frame`, the main window's frame: right
// of it, or left of it when `screen` has no room there. With room on neither
// side it goes on the roomier one, on the screen.
QPoint besideFrame(const QRect &frame, QSize size, const QRect &screen) {
    int x = frame.right() + 1;
    if (x + size.width() - 1 > screen.right()) {
        x = frame.left() - size.width();
        if (x < screen.left()) {
            const bool rightRoomier =
                screen.right() - frame.right() >= frame.left() - screen.left();
            x = rightRoomier ? screen.right() - size.width() + 1 : screen.left();
        }
    }
    const int y =
        std::max(screen.top(), std::min(frame.top(), screen.bottom() - size.height() + 1));
    return {x, y};
}

// Where the desktop has no room for the popup right of its parent's frame,
// `frame` (relative to the parent's client area), it puts it left of it, and
// with room on neither side it slides it onto the screen. Qt 6.4 asks only to
// slide a popup onto the screen, over its parent; later versions read the
// placement from these properties of the popup's window (they do nothing on
// 6.4).
void askToFlip(QWindow *popup, const QRect &frame) {
    // xdg_positioner's constraint adjustments
    constexpr unsigned slideX = 1;
    constexpr unsigned slideY = 2;
    constexpr unsigned flipX = 4;
    popup->setProperty("_q_waylandPopupAnchorRect", frame);
    popup->setProperty("_q_waylandPopupAnchor", QVariant::fromValue(Qt::TopEdge | Qt::RightEdge));
    popup->setProperty("_q_waylandPopupGravity",
                       QVariant::fromValue(Qt::BottomEdge | Qt::RightEdge));
    popup->setProperty("_q_waylandPopupConstraintAdjustment", flipX | slideX | slideY);
}

}  // namespace

Placement platformPlacement() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? Placement::ByDesktop
               : Placement::ByProgram;
}

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

void SideWindow::showBeside(QWidget &main, Placement placement) {
    const QRect frame = main.frameGeometry();
    if (placement == Placement::ByDesktop) {
        if (!isVisible()) {
            // The popup's place is given relative to its parent: right of
            // the parent's frame, top aligned with it.
            setParent(&main, Qt::ToolTip | Qt::FramelessWindowHint);
            move(frame.right() + 1, frame.top());
            // Its window made now, for the properties; not with winId(),
            // which would give every other child of `main` a window too.
            create();
            askToFlip(windowHandle(), frame.translated(-main.geometry().topLeft()));
            show();
        }
        ui::KeyFocus::instance().standIn(this);
        sayWords();
        return;
    }
    if (!isVisible()) {
        const QScreen *screen = main.screen();
        move(besideFrame(frame, size(), screen ? screen->availableGeometry() : frame));
    }
    show();
    raise();
    activateWindow();
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
                label1_->click();
            }
            return;
        default:
            ui::PictureCanvas::keyPressEvent(event);
    }
}

void SideWindow::sayWords() {
    // The picture's words are read only when a screen reader listens.
    if (QAccessible::isActive()) {
        announcer_->say(ui::spoken::sentences(ui::Artwork::words(picture())), this);
    }
}

}  // namespace dropline::app
