#pragma once

#include "side_window.h"

namespace dropline::app {

// The about window: the credits, and an OK area that closes it.
class Form2 : public SideWindow {
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);
};

}  // namespace dropline::app
