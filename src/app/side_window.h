#pragma once

#include <QSize>

#include "ui/picture_canvas.h"
#include "ui/twips.h"

namespace dropline::ui {
class Announcer;
class ClickArea;
}  // namespace dropline::ui

namespace dropline::app {

// Who places the program's windows on the screen.
enum class Placement {
    // The program moves its windows where it wants them (X11).
    ByProgram,
    // The desktop alone places top-level windows; the program places only a
    // popup, against the window it belongs to (Wayland).
    ByDesktop,
};

// Who places windows where the program runs now.
Placement platformPlacement();

// A frameless window of the program beside the main one: its picture with a
// single button drawn on it, and a click area over that button. Return,
// Enter, Space and Escape press the button as a click does, and each time the
// window becomes active (or takes the keys) a screen reader hears the words
// drawn in the picture.
class SideWindow : public ui::PictureCanvas {
    Q_OBJECT
public:
    struct Design {
        QString caption;
        QSize clientSize;
        QColor backColor;
        const char *artwork;
        ui::TwipsRect button;
        const char *buttonName;  // what a screen reader calls the drawn button (spoken::)
    };

    explicit SideWindow(const Design &design, QWidget *parent = nullptr);

    ui::ClickArea *label1() const { return label1_; }

    // Shows the window beside `main`, touching its frame, and gives it the
    // keys; shown already, it is brought forward. Placed by the program: right
    // of the frame, or left of it when the screen has no room there, and on
    // the screen. Placed by the desktop: a popup of `main`, against its right
    // edge; the desktop gives a popup no keyboard focus, so it takes the keys
    // from `main` (see ui::KeyFocus) while the main window stays usable.
    void showBeside(QWidget &main, Placement placement);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void sayWords();

    ui::ClickArea *label1_;
    ui::Announcer *announcer_;
};

}  // namespace dropline::app
