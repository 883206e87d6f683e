#pragma once

#include <QColor>
#include <QSize>
#include <QtGlobal>

#include "twips.h"

// The about window as designed: frameless, its credits picture with an OK
// button drawn on it and a click area laid over that button.

namespace dropline::ui::form2 {

inline constexpr const char *kCaptionContext = "AboutWindow";
//: The about window's name to the desktop (task switchers, screen readers);
//: never drawn. The game's name is Tavrin Dropline.
inline constexpr const char *kCaption =
    QT_TRANSLATE_NOOP("AboutWindow", "Tarvin Dropline           -- About --");
inline constexpr QSize kClientSize{300, 196};  // 4500 x 2940 twips
inline constexpr QColor kBackColor{0x80, 0xFF, 0x80};
inline constexpr const char *kArtwork = ":/artwork/credits.svg";
inline constexpr TwipsRect kLabel1{1680, 2400, 1215, 495};

}  // namespace dropline::ui::form2
