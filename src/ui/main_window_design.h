#pragma once

#include <QColor>
#include <QSize>
#include <QtGlobal>
#include <array>

#include "drawn_words.h"
#include "twips.h"

// The main window as designed: its frame, the board, the score panel's
// values, the click areas laid over the buttons drawn in its artwork, the
// words drawn there, and its menus.

namespace dropline::ui::main_window {

inline constexpr const char *kTitle = " Tavrin Dropline";
inline constexpr QSize kClientSize{527, 423};  // 7905 x 6345 twips
inline constexpr QColor kBackground{0x40, 0x40, 0x40};
inline constexpr const char *kArtwork = ":/artwork/main.svg";
inline constexpr const char *kIcon = ":/artwork/books.svg";
// The score panel, as the artwork names its drawing.
inline constexpr const char *kScorePanel = "scorePanel";

// The colours of red's and blue's values and of the winner line.
inline constexpr QColor kRed{0xFF, 0x00, 0x00};
inline constexpr QColor kBlue{0x00, 0x00, 0xFF};

// The board, its picture and the discs dropped on it.
inline constexpr TwipsRect kBoard{2880, 360, 4700, 3700};
inline constexpr int kBoardBorder = 2;  // a standard sunken 3-D border
inline constexpr const char *kBoardArtwork = ":/artwork/board.svg";
inline constexpr TwipsSize kDisc{720, 465};
inline constexpr const char *kRedDisc = ":/artwork/disc-red.svg";
inline constexpr const char *kBlueDisc = ":/artwork/disc-blue.svg";

// The values shown beside the score panel's drawn words.
inline constexpr TwipsRect kRedName{4080, 4560, 975, 255};
inline constexpr TwipsRect kBlueName{6480, 4560, 1095, 255};
inline constexpr TwipsRect kRedSteps{3840, 4810, 975, 255};
inline constexpr TwipsRect kBlueSteps{6240, 4810, 1215, 255};
inline constexpr TwipsRect kRedWins{3960, 5060, 975, 255};
inline constexpr TwipsRect kBlueWins{6360, 5060, 975, 255};
inline constexpr TwipsRect kWinnerLine{3360, 5520, 3975, 375};

// Click areas over the buttons drawn in the artwork.
inline constexpr TwipsRect kNewGameButton{360, 360, 1815, 2655};
inline constexpr TwipsRect kAboutButton{360, 3240, 1815, 2655};
inline constexpr TwipsRect kCloseBox{7440, 0, 375, 375};

// The words drawn in the artwork.
// The big buttons' words: white, on a soft shadow, with a fine outline (a
// fiftieth of their size).
constexpr WordStyle bigButtonWord(int pixelSize) {
    return {.pixelSize = pixelSize,
            .colour = QColor(0xFF, 0xFF, 0xFF),
            .align = WordStyle::Align::Centre,
            .shadow = QColor(0x8E, 0x90, 0xA6, 204),
            .shadowOffset = QPointF(1.5, 1.5),
            .outline = QColor(0x77, 0x79, 0x91),
            .outlineWidth = pixelSize / 50.0};
}
inline constexpr WordStyle kBigButtonWord = bigButtonWord(30);
inline constexpr WordStyle kAboutButtonWord = bigButtonWord(28);
inline constexpr WordStyle kRedScoreWord{.pixelSize = 11, .colour = QColor(0xFF, 0x00, 0x00)};
inline constexpr WordStyle kBlueScoreWord{.pixelSize = 11, .colour = QColor(0x75, 0x78, 0xFF)};

inline constexpr std::array kWords{
    //: The big button that starts a new game, first line of two.
    DrawnWord{"newGameLine1", QT_TRANSLATE_NOOP("Artwork", "New"), &kBigButtonWord, "newGame"},
    //: The big button that starts a new game, second line of two.
    DrawnWord{"newGameLine2", QT_TRANSLATE_NOOP("Artwork", "Game"), &kBigButtonWord, "newGame"},
    //: The big button that shows the credits.
    DrawnWord{"aboutButtonWord", QT_TRANSLATE_NOOP("Artwork", "About"), &kAboutButtonWord},
    //: Score panel: the red player, whose name follows.
    DrawnWord{"redPlayerWord", QT_TRANSLATE_NOOP("Artwork", "Player 1 :"), &kRedScoreWord},
    //: Score panel: how many discs this colour has placed in this game.
    DrawnWord{"redStepsWord", QT_TRANSLATE_NOOP("Artwork", "Step :"), &kRedScoreWord},
    //: Score panel: how many games this colour has won.
    DrawnWord{"redWinsWord", QT_TRANSLATE_NOOP("Artwork", "Winned :"), &kRedScoreWord},
    //: Score panel: the blue player, whose name follows.
    DrawnWord{"bluePlayerWord", QT_TRANSLATE_NOOP("Artwork", "Player 2 :"), &kBlueScoreWord},
    //: Score panel: how many discs this colour has placed in this game.
    DrawnWord{"blueStepsWord", QT_TRANSLATE_NOOP("Artwork", "Step :"), &kBlueScoreWord},
    //: Score panel: how many games this colour has won.
    DrawnWord{"blueWinsWord", QT_TRANSLATE_NOOP("Artwork", "Winned :"), &kBlueScoreWord},
};

// Menu bar. The menus are marked for the translators under "MenuBar", and
// each menu's items under a context of its own, so that access keys that
// must differ are seen together.
inline constexpr const char *kMenuBarContext = "MenuBar";
//: The menu of the game's commands; "&" marks its access key (Alt+G).
inline constexpr const char *kGameMenu = QT_TRANSLATE_NOOP("MenuBar", "&Game");
//: The menu that holds the credits; "&" marks its access key (Alt+A).
inline constexpr const char *kAboutMenu = QT_TRANSLATE_NOOP("MenuBar", "&About");
inline constexpr const char *kGameMenuContext = "GameMenu";
//: Starts a new game (Ctrl+N), as the big drawn button does; "&" marks its access key.
inline constexpr const char *kNewItem = QT_TRANSLATE_NOOP("GameMenu", "&New");
//: Leaves the game through its farewell window (Ctrl+Q); "&" marks its access key.
inline constexpr const char *kExitItem = QT_TRANSLATE_NOOP("GameMenu", "E&xit");
inline constexpr const char *kAboutMenuContext = "AboutMenu";
//: Opens the credits (F1); "&" marks its access key.
inline constexpr const char *kAboutItem = QT_TRANSLATE_NOOP("AboutMenu", "&About");

}  // namespace dropline::ui::main_window
