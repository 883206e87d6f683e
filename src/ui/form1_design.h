#pragma once

#include <QColor>
#include <QSize>
#include <QtGlobal>

#include "twips.h"

// The main window as designed: its frame, the board, the scoreboard labels and
// the click areas laid over the buttons drawn in its artwork.

namespace dropline::ui::form1 {

inline constexpr const char *kCaption = " Tavrin Dropline";
inline constexpr QSize kClientSize{527, 423};  // 7905 x 6345 twips
inline constexpr QColor kBackColor{0x40, 0x40, 0x40};
inline constexpr const char *kArtwork = ":/artwork/main.svg";
inline constexpr const char *kBoardArtwork = ":/artwork/board.svg";
inline constexpr const char *kIcon = ":/artwork/books.svg";
// The score panel, as the artwork names its drawing.
inline constexpr const char *kScorePanel = "scorePanel";

inline constexpr QColor kRed{0xFF, 0x00, 0x00};
inline constexpr QColor kBlue{0x00, 0x00, 0xFF};

// The board and what lies in it (positions inside the board's drawing area).
inline constexpr TwipsRect kPicture1{2880, 360, 4700, 3700};
inline constexpr TwipsRect kCol0{0, 0, 1215, 3615};
inline constexpr TwipsRect kOval0{120, 3120, 720, 465};

// Scoreboard labels.
inline constexpr TwipsRect kBwinned{6360, 5060, 975, 255};
inline constexpr TwipsRect kBstep{6240, 4810, 1215, 255};
inline constexpr TwipsRect kRwinned{3960, 5060, 975, 255};
inline constexpr TwipsRect kRstep{3840, 4810, 975, 255};
inline constexpr TwipsRect kLabel2{6480, 4560, 1095, 255};
inline constexpr TwipsRect kLabel1{4080, 4560, 975, 255};
inline constexpr TwipsRect kWinner{3360, 5520, 3975, 375};

// Click areas over the drawn buttons.
inline constexpr TwipsRect kExitbutton{7440, 0, 375, 375};
inline constexpr TwipsRect kAboutbutton{360, 3240, 1815, 2655};
inline constexpr TwipsRect kNewbutton{360, 360, 1815, 2655};

// Hidden images holding the two disc pictures.
inline constexpr TwipsRect kRedImage{360, 5760, 720, 465};
inline constexpr TwipsRect kBlueImage{1560, 5760, 720, 465};
inline constexpr const char *kRedDisc = ":/artwork/disc-red.svg";
inline constexpr const char *kBlueDisc = ":/artwork/disc-blue.svg";

// Texts at design.
inline constexpr const char *kZero = "0";

// Menu bar. The menus are marked for the translators under "MenuBar", and
// each menu's items under a context of its own, so that access keys that
// must differ are seen together.
inline constexpr const char *kMenuBarContext = "MenuBar";
inline constexpr const char *kGameMenu = QT_TRANSLATE_NOOP("MenuBar", "&Game");
inline constexpr const char *kAboutMenu = QT_TRANSLATE_NOOP("MenuBar", "&About");
inline constexpr const char *kGameMenuContext = "GameMenu";
inline constexpr const char *kNewItem = QT_TRANSLATE_NOOP("GameMenu", "&New");
inline constexpr const char *kExitItem = QT_TRANSLATE_NOOP("GameMenu", "E&xit");
inline constexpr const char *kAboutMenuContext = "AboutMenu";
//: Opens the credits.
inline constexpr const char *kAboutItem = QT_TRANSLATE_NOOP("AboutMenu", "&About");

}  // namespace dropline::ui::form1
