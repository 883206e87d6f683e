#include "window_placement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace dropline::platform {

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

}  // namespace

Placement windowPlacement() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? Placement::ByDesktop
               : Placement::ByProgram;
}

void showBeside(QWidget &window, const QWidget &main) {
    if (!window.isVisible()) {
        const QRect frame = main.frameGeometry();
        const QScreen *screen = main.screen();
        window.move(
            besideFrame(frame, window.size(), screen ? screen->availableGeometry() : frame));
    }
    window.show();
    window.raise();
    window.activateWindow();
}

// On Wayland a program cannot place a window of its own; it can place a
// popup against the window it belongs to. The popup is tooltip-type: Qt makes
// a tooltip an xdg popup that takes no keyboard focus and no grab, so the
// main window stays usable beside it (a Qt::Popup would grab the pointer and
// close at the first click outside it).
void showAsPopupBeside(QWidget &window, QWidget &main) {
    const QRect frame = main.frameGeometry();
    // The popup's place is given relative to its parent: right of the
    // parent's frame, top aligned with it.
    window.setParent(&main, Qt::ToolTip | Qt::FramelessWindowHint);
    window.move(frame.right() + 1, frame.top());
    // Its window made now, for the properties below. (Without the attribute,
    // making one child of `main` native would make all of them native.)
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    window.winId();
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // Where the desktop has no room for the popup right of its parent's
    // frame, it puts it left of it, and with room on neither side it slides
    // it onto the screen. These are Qt's private properties of a popup's
    // window, read by its Wayland plugin as an xdg_positioner's anchor,
    // gravity and constraint adjustments. Qt 6.4's plugin reads none of them
    // and only slides a popup onto the screen, over its parent.
    constexpr unsigned slideX = 1;
    constexpr unsigned slideY = 2;
    constexpr unsigned flipX = 4;
    QWindow *popup = window.windowHandle();
    popup->setProperty("_q_waylandPopupAnchorRect", frame.translated(-main.geometry().topLeft()));
    popup->setProperty("_q_waylandPopupAnchor", QVariant::fromValue(Qt::TopEdge | Qt::RightEdge));
    popup->setProperty("_q_waylandPopupGravity",
                       QVariant::fromValue(Qt::BottomEdge | Qt::RightEdge));
    popup->setProperty("_q_waylandPopupConstraintAdjustment", flipX | slideX | slideY);
#endif
    window.show();
}

}  // namespace dropline::platform
