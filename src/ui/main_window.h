#pragma once

#include <QMainWindow>
#include <QRect>
#include <QScopedValueRollback>

#include "game/game.h"

namespace dropline::platform {
class CuePlayer;
class Dialogs;
}  // namespace dropline::platform

namespace dropline::ui {

class Announcer;
class BoardView;
class PictureCanvas;
class ScoreLabel;

// The main window: the board, the players' names, the score panel and the
// game's commands. It owns the game in progress for the whole run and shows
// it in refresh().
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(platform::CuePlayer &cues, platform::Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    const Game &game() const { return game_; }

signals:
    // The about window is to be shown (or brought forward).
    void aboutRequested();
    // The window has been hidden to leave the game: show the farewell.
    void leaveRequested();
    // The window is being closed by its frame: show the farewell.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    // S reads the score panel, T says whose turn it is; the board's own keys
    // reach the window while a won game keeps the board disabled.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void placeOnScreen();

    // Shows the game as it is: the board, the scores, the winner.
    void refresh();
    void showScores();
    void showResult();

    // The commands, as their buttons, menus and keys run them.
    void dropInto(int column);
    void newGame();
    void about(bool withCue);
    void leave(bool withCue);
    // The window became the active one of the game's windows.
    void activated();
    // Asks a name for each colour, showing each as it is given.
    void askNames(const char *redPrompt, const char *bluePrompt);

    // Runs a command of the window's buttons, menus or keys, unless another
    // one is still waiting for a dialog or the win cue. The toolkit's modality
    // stops clicks and keys meanwhile, but a screen reader's press reaches a
    // button even then, and would start a second command inside the first.
    template <typename Command>
    void command(Command run) {
        if (busy_) {
            return;
        }
        const QScopedValueRollback busy(busy_, true);
        run();
    }

    platform::CuePlayer &cues_;
    platform::Dialogs &dialogs_;
    Game game_;
    PictureCanvas *canvas_ = nullptr;
    BoardView *board_ = nullptr;
    Announcer *announcer_ = nullptr;
    struct ScoreLabels {
        ScoreLabel *name = nullptr;
        ScoreLabel *steps = nullptr;
        ScoreLabel *wins = nullptr;
    };
    ScoreLabels red_;
    ScoreLabels blue_;
    ScoreLabel *winnerLine_ = nullptr;
    // Where the artwork draws the score panel, which S and T speak about.
    QRect scorePanel_;
    bool namesAsked_ = false;
    bool busy_ = false;
};

}  // namespace dropline::ui
