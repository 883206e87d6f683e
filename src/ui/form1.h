#pragma once

#include <QMainWindow>
#include <QRect>
#include <QScopedValueRollback>
#include <array>

#include "board_geometry.h"
#include "game/game.h"

class QAction;

namespace dropline::platform {
class CuePlayer;
class Dialogs;
}  // namespace dropline::platform

namespace dropline::ui {

class ActivationWatcher;
class Announcer;
class BoardView;
class ClickArea;
class DiscImage;
class PictureCanvas;
class ScoreLabel;

// The main window's controls, by the names the window's design gives them.
struct Form1Controls {
    BoardView *Picture1 = nullptr;
    std::array<ClickArea *, kColumns> col{};
    std::array<DiscImage *, kCells> oval{};
    ScoreLabel *bwinned = nullptr;
    ScoreLabel *bstep = nullptr;
    ScoreLabel *rwinned = nullptr;
    ScoreLabel *rstep = nullptr;
    ScoreLabel *Label2 = nullptr;
    ScoreLabel *Label1 = nullptr;
    ScoreLabel *winner = nullptr;
    ClickArea *exitbutton = nullptr;
    ClickArea *aboutbutton = nullptr;
    ClickArea *newbutton = nullptr;
    DiscImage *red = nullptr;
    DiscImage *blue = nullptr;
    // Menu items.
    QAction *newgame = nullptr;
    QAction *exgame = nullptr;
    QAction *abt = nullptr;
};

// The main window: the board, the players' names, the scoreboard and the
// game's commands. It owns the game in progress for the whole run.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(platform::CuePlayer &cues, platform::Dialogs &dialogs, QWidget *parent = nullptr);
    ~Form1() override;

    const Form1Controls &controls() const { return controls_; }
    const Game &game() const { return game_; }
    const BoardGeometry &boardGeometry() const { return geometry_; }
    PictureCanvas *client() const { return client_; }

signals:
    // The about window is to be shown (or brought forward).
    void aboutRequested();
    // The window has been hidden to leave the game: show the farewell.
    void leaveRequested();
    // The window is being closed by its frame: show the farewell.
    void unloading();

public slots:
    void col_Click(int index);
    void newbutton_Click();
    void aboutbutton_Click();
    void exitbutton_Click();
    void abt_Click();
    void exgame_Click();
    void Form_Activate();

protected:
    void closeEvent(QCloseEvent *event) override;
    // S reads the scoreboard, T says whose turn it is; the board's own keys
    // reach the window while a won game keeps the board disabled.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildDesign();
    void buildMenus();
    void placeOnScreen();
    void Form_Load();
    void placeDisc(const PlacedDisc &disc);
    void announceWin(Colour colour);
    void showReset();
    void describeBoard();
    // What a screen reader says of the players, the turn and the scoreboard.
    QString spokenPlayer(Colour colour) const;
    QString spokenTurn() const;
    QString spokenScoreboard() const;
    // Where the score panel lies in the client area, for what is said of it.
    QRect scorePanel();

    // Runs a command of the window's buttons, menus or keys, unless another
    // one is still waiting for a dialog or the win cue. The toolkit's modality
    // stops clicks and keys meanwhile, but a screen reader's press reaches a
    // button even then, and would start a second command inside the first.
    template <typename... Args>
    void command(void (Form1::*handler)(Args...), Args... args) {
        if (busy_) {
            return;
        }
        const QScopedValueRollback busy(busy_, true);
        (this->*handler)(args...);
    }

    platform::CuePlayer &cues_;
    platform::Dialogs &dialogs_;
    PictureCanvas *client_ = nullptr;
    ActivationWatcher *activation_ = nullptr;
    Announcer *announcer_ = nullptr;
    // Where the artwork draws the score panel, which S and T speak about.
    QRect scorePanel_;
    Form1Controls controls_;
    Game game_;
    BoardGeometry geometry_;
    bool namesasked_ = false;
    bool busy_ = false;
};

}  // namespace dropline::ui
