#pragma once

#include "ui/picture_canvas.h"

namespace dropline::ui {
class ClickArea;
}

namespace dropline::app {

// The about window: the credits, and an OK area that closes it.
class Form2 : public ui::PictureCanvas {
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);

    ui::ClickArea *label1() const { return label1_; }

private:
    ui::ClickArea *label1_;
};

}  // namespace dropline::app
