#pragma once

class QWidget;

// Where the game's side windows (the about window) go, on a desktop that
// lets the program place its windows (X11) and on one that does not
// (Wayland).

namespace dropline::platform {

enum class Placement {
    // The program moves its windows where it wants them (X11).
    ByProgram,
    // The desktop alone places top-level windows; the program places only a
    // popup, against the window it belongs to (Wayland).
    ByDesktop,
};

// Who places windows where the program runs now.
Placement windowPlacement();

// Shows `window` beside `main`, touching its frame: right of it, or left of
// it when the screen has no room there, and on the screen.
void showBeside(QWidget &window, const QWidget &main);

// Shows `window`, not yet shown, as a popup of `main` against the right edge
// of its frame (the desktop moves it where it fits). A popup takes no
// keyboard focus: give it the keys with KeyFocus::standIn.
void showAsPopupBeside(QWidget &window, QWidget &main);

}  // namespace dropline::platform
