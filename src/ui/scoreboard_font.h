#pragma once

#include <QFont>

namespace dropline::ui {

// Tahoma 9.75 pt bold: Wine's Tahoma where it is installed, else the closest
// font the system offers.
QFont scoreboardFont();

}  // namespace dropline::ui
