#pragma once

#include <QSize>
#include <span>

#include "platform/window_placement.h"
#include "ui/picture_canvas.h"
#include "ui/twips.h"

namespace dropline::ui {
class Announcer;
class ClickArea;
}  // namespace dropline::ui

namespace dropline::app {

// A frameless window of the game beside the main one: its picture with a
// single button drawn on it, and a click area over that button. Return,
// Enter, Space and Escape press the button as a click does, and each time the
// window becomes active (or takes the keys) a screen reader hears the words
// drawn in the picture.
class SideWindow : public ui::PictureCanvas {
    Q_OBJECT
public:
    struct Design {
        QString title;
        QSize clientSize;
        QColor background;
        const char *artwork;
        std::span<const ui::DrawnWord> words;
        const char *buttonName;  // what a screen reader calls the drawn button (spoken::)
    };

    explicit SideWindow(const Design &design, QWidget *parent = nullptr);

    // Shows the window beside `main`, touching its frame, and gives it the
    // keys; shown already, it is brought forward. Where the desktop places
    // the windows (Wayland), it is a popup of `main`, which takes the keys
    // from `main` while the main window stays usable.
    void showBeside(QWidget &main, platform::Placement placement);

signals:
    // The drawn button was clicked, or pressed by its keys.
    void buttonPressed();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void sayWords();

    ui::ClickArea *button_;
    ui::Announcer *announcer_;
};

}  // namespace dropline::app
