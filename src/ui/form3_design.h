#pragma once

#include <QColor>
#include <QSize>
#include <chrono>

#include "twips.h"

// The farewell window as designed: frameless, no icon, its picture with an
// Exit button drawn on it, a click area over that button, and a timer.

namespace dropline::ui::form3 {

inline constexpr const char *kCaption = "Form3";
inline constexpr QSize kClientSize{301, 201};  // 4515 x 3015 twips
inline constexpr QColor kBackColor{0x40, 0x40, 0x40};
inline constexpr const char *kArtwork = ":/artwork/farewell.svg";
inline constexpr TwipsRect kLabel1{1680, 2400, 1215, 495};
inline constexpr std::chrono::milliseconds kTimer1Interval{10000};

}  // namespace dropline::ui::form3
