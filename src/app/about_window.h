#pragma once

#include "side_window.h"

namespace dropline::app {

// The about window: the credits, and an OK button that closes it.
class AboutWindow : public SideWindow {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
};

}  // namespace dropline::app
