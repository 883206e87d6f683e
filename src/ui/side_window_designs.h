#pragma once

#include <QColor>
#include <QSize>
#include <QtGlobal>
#include <array>
#include <chrono>

#include "drawn_words.h"
#include "twips.h"

// The about and farewell windows as designed: frameless, each a picture with
// a button drawn on it and a click area over that button.

namespace dropline::ui {

// The lines of text on both windows' night sky, and the words of their buttons.
inline constexpr WordStyle kSkyLine{
    .pixelSize = 10, .colour = QColor(0xFF, 0xFF, 0xFF), .slant = 12};
inline constexpr WordStyle kButtonWord{
    .pixelSize = 14, .colour = QColor(0x00, 0x00, 0x00), .align = WordStyle::Align::Centre};
// Where both windows draw their button, and the click area over it.
inline constexpr TwipsRect kSideWindowButton{1680, 2400, 1215, 495};

namespace about_window {

inline constexpr const char *kTitleContext = "AboutWindow";
//: The about window's name to the desktop (task switchers, screen readers);
//: never drawn. The game's name is Tavrin Dropline.
inline constexpr const char *kTitle =
    QT_TRANSLATE_NOOP("AboutWindow", "Tarvin Dropline           -- About --");
inline constexpr QSize kClientSize{300, 196};  // 4500 x 2940 twips
inline constexpr QColor kBackground{0x80, 0xFF, 0x80};
inline constexpr const char *kArtwork = ":/artwork/credits.svg";

inline constexpr std::array kWords{
    //: Credits: who wrote the game.
    DrawnWord{"creditsLine1",
              QT_TRANSLATE_NOOP("Artwork", "Programming: the Tavrin Dropline developers"),
              &kSkyLine},
    //: Credits: who drew the pictures.
    DrawnWord{"creditsLine2",
              QT_TRANSLATE_NOOP("Artwork", "Artwork: the Tavrin Dropline developers"), &kSkyLine},
    //: Credits: the game's web address.
    DrawnWord{"creditsLine3", QT_TRANSLATE_NOOP("Artwork", "tavrin-dropline.example.org"),
              &kSkyLine},
    //: The button that closes the credits.
    DrawnWord{"okButtonWord", QT_TRANSLATE_NOOP("Artwork", "OK"), &kButtonWord},
};

}  // namespace about_window

namespace farewell_window {

inline constexpr const char *kTitle = "Form3";
inline constexpr QSize kClientSize{301, 201};  // 4515 x 3015 twips
inline constexpr QColor kBackground{0x40, 0x40, 0x40};
inline constexpr const char *kArtwork = ":/artwork/farewell.svg";
// The farewell ends the game by itself this long after it opens.
inline constexpr std::chrono::milliseconds kLifetime{10000};

inline constexpr std::array kWords{
    //: Farewell, first line.
    DrawnWord{"farewellLine1",
              QT_TRANSLATE_NOOP("Artwork", "Thank you for playing Tavrin Dropline!"), &kSkyLine},
    //: Farewell, second line: an invitation to the web site.
    DrawnWord{"farewellLine2",
              QT_TRANSLATE_NOOP("Artwork", "Visit us at tavrin-dropline.example.org"), &kSkyLine},
    //: Farewell, third line.
    DrawnWord{"farewellLine3", QT_TRANSLATE_NOOP("Artwork", "More games are on their way."),
              &kSkyLine},
    //: The farewell window's button, which ends the game.
    DrawnWord{"exitButtonWord", QT_TRANSLATE_NOOP("Artwork", "Exit"), &kButtonWord},
};

}  // namespace farewell_window

}  // namespace dropline::ui
