#include "click_area.h"

namespace dropline::ui {

ClickArea::ClickArea(const QString &accessibleName, QWidget *parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleName);
    // It shows nothing, so its press and release need no repaint. On Wayland
    // each repaint sends the desktop a frame, and Qt 6.4 can abort when a
    // popup is closed while its frame is under way (measured: a libwayland
    // assertion, now and then, as the about window's OK was clicked in a
    // sanitized build).
    setUpdatesEnabled(false);
}

}  // namespace dropline::ui
