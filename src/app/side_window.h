#pragma once

#include <QSize>

#include "ui/picture_canvas.h"
#include "ui/twips.h"

namespace dropline::ui {
class Announcer;
class ClickArea;
}  // namespace dropline::ui

namespace dropline::app {

// A frameless window of the program beside the main one: its picture with a
// single button drawn on it, and a click area over that button. Return,
// Enter, Space and Escape press the button as a click does, and each time the
// window becomes active a screen reader hears the words drawn in the picture.
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

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ui::ClickArea *label1_;
    ui::Announcer *announcer_;
};

}  // namespace dropline::app
