#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include "activation_watcher.h"
#include "announcer.h"
#include "artwork.h"
#include "board_view.h"
#include "click_area.h"
#include "game/texts.h"
#include "keyboard.h"
#include "main_window_design.h"
#include "picture_canvas.h"
#include "platform/cues.h"
#include "platform/dialogs.h"
#include "prompts.h"
#include "score_label.h"
#include "spoken.h"

namespace dropline::ui {

using platform::Cue;

namespace {

QString fromModel(const std::string &text) {
    return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow(platform::CuePlayer &cues, platform::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), cues_(cues), dialogs_(dialogs) {
    buildWindow();
    buildMenus();
    placeOnScreen();
    refresh();

    auto *activation = new ActivationWatcher(this);
    // Run after the activation has been delivered, not inside it. No command
    // starts while the names are being asked.
    connect(
        activation, &ActivationWatcher::activated, this,
        [this] {
            const QScopedValueRollback busy(busy_, true);
            activated();
        },
        Qt::QueuedConnection);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
    namespace design = main_window;
    setWindowTitle(design::kTitle);
    setWindowIcon(Artwork::icon(design::kIcon));

    canvas_ = new PictureCanvas(design::kArtwork, design::kWords, design::kBackground, this);
    setCentralWidget(canvas_);
    announcer_ = new Announcer(canvas_);
    scorePanel_ = Artwork::place(design::kArtwork, design::kScorePanel).toAlignedRect();

    const auto clickArea = [this](const char *spokenName, const TwipsRect &place, auto run) {
        auto *area = new ClickArea(spoken::translated(spokenName), canvas_);
        area->setGeometry(place.toPixels());
        connect(area, &ClickArea::clicked, this, [this, run] { command(run); });
    };
    clickArea(spoken::kNewGame, design::kNewGameButton, [this] { newGame(); });
    clickArea(spoken::kAbout, design::kAboutButton, [this] { about(true); });
    clickArea(spoken::kExit, design::kCloseBox, [this] { leave(true); });

    const auto scoreLabel = [this](const TwipsRect &place, const QColor &colour) {
        auto *label = new ScoreLabel(place, canvas_);
        if (colour.isValid()) {
            label->setColour(colour);
        }
        return label;
    };
    // The winner line has no colour of its own until the first win.
    winnerLine_ = scoreLabel(design::kWinnerLine, {});
    red_ = {scoreLabel(design::kRedName, design::kRed), scoreLabel(design::kRedSteps, design::kRed),
            scoreLabel(design::kRedWins, design::kRed)};
    blue_ = {scoreLabel(design::kBlueName, design::kBlue),
             scoreLabel(design::kBlueSteps, design::kBlue),
             scoreLabel(design::kBlueWins, design::kBlue)};

    board_ = new BoardView(game_, canvas_);
    connect(board_, &BoardView::columnClicked, this,
            [this](int column) { command([this, column] { dropInto(column); }); });
    connect(board_, &BoardView::columnChosen, this, [this](int column) {
        announcer_->say(spoken::columnName(game_, column), board_, board_->columnArea(column));
    });
}

void MainWindow::buildMenus() {
    namespace design = main_window;
    const auto tr = [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text);
    };
    QMenu *game = menuBar()->addMenu(tr(design::kMenuBarContext, design::kGameMenu));
    QAction *newGame = game->addAction(tr(design::kGameMenuContext, design::kNewItem), this,
                                       [this] { command([this] { this->newGame(); }); });
    newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    game->addSeparator();
    QAction *exit = game->addAction(tr(design::kGameMenuContext, design::kExitItem), this,
                                    [this] { command([this] { leave(false); }); });
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *about = menuBar()->addMenu(tr(design::kMenuBarContext, design::kAboutMenu));
    QAction *credits = about->addAction(tr(design::kAboutMenuContext, design::kAboutItem), this,
                                        [this] { command([this] { this->about(false); }); });
    credits->setShortcut(QKeySequence(Qt::Key_F1));
}

// Centred on the screen, with a client area of exactly the designed size.
void MainWindow::placeOnScreen() {
    const QSize frameSize = main_window::kClientSize + QSize(0, menuBar()->sizeHint().height());
    const QRect available = screen() ? screen()->availableGeometry() : QRect();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameSize, available));
}

void MainWindow::refresh() {
    board_->refresh();
    showScores();
    showResult();
}

// The names and the discs each colour placed in this game.
void MainWindow::showScores() {
    for (const Colour colour : {Colour::Red, Colour::Blue}) {
        const Player &player = game_.player(colour);
        const ScoreLabels &labels = colour == Colour::Red ? red_ : blue_;
        const char *title = colour == Colour::Red ? spoken::kPlayer1 : spoken::kPlayer2;
        labels.name->display(spoken::scoreTitle(title, colour), fromModel(player.name));
        labels.steps->display(spoken::scoreTitle(spoken::kStep, colour),
                              QString::number(player.steps));
    }
}

// The games won and the winner line, which keeps its colour for the next win.
void MainWindow::showResult() {
    for (const Colour colour : {Colour::Red, Colour::Blue}) {
        (colour == Colour::Red ? red_ : blue_)
            .wins->display(spoken::scoreTitle(spoken::kWinned, colour),
                           QString::number(game_.player(colour).wins));
    }
    const std::optional<Colour> winner = game_.winner();
    if (winner) {
        winnerLine_->setColour(*winner == Colour::Red ? main_window::kRed : main_window::kBlue);
    }
    winnerLine_->display(spoken::translated(spoken::kWinner),
                         winner ? spoken::winnerLine(*winner) : QString());
}

void MainWindow::dropInto(int column) {
    const Colour mover = game_.toMove();
    const DropResult result = game_.dropInto(column);
    switch (result.kind) {
        case DropResult::Kind::Ignored:
            return;
        case DropResult::Kind::ColumnFull:
            board_->setCurrentColumn(column);
            announcer_->say(spoken::columnFull(column, spoken::player(game_, mover)), board_,
                            board_->columnArea(column));
            return;
        case DropResult::Kind::Draw:
            // The message stands over the full board; the cleared one follows.
            dialogs_.msgBox(QCoreApplication::translate(texts::kContext, texts::kDraw));
            refresh();
            return;
        case DropResult::Kind::Placed: {
            board_->setCurrentColumn(column);
            const Disc &disc = result.disc;
            if (result.winner) {
                // The disc first, then the win cue; the winner line once it is over.
                board_->refresh();
                showScores();
                cues_.play(Cue::Win);
            }
            refresh();
            announcer_->say(
                spoken::placed(disc, spoken::player(game_, mover)) + u' ' + spoken::turn(game_),
                board_, board_->discArea(disc.column, disc.row));
            cues_.play(Cue::Click);
            return;
        }
    }
}

void MainWindow::newGame() {
    cues_.play(Cue::Click);
    game_.newGame();
    refresh();
    if (prompts::isYes(dialogs_.inputBox(prompts::translated(prompts::kNewPlayers)))) {
        askNames(prompts::kFirstFirstName, prompts::kSecondFirstName);
        game_.newPlayers();
        refresh();
    }
}

void MainWindow::askNames(const char *redPrompt, const char *bluePrompt) {
    const QString title = prompts::translated(prompts::kNamesTitle);
    for (const auto &[colour, prompt] :
         {std::pair{Colour::Red, redPrompt}, {Colour::Blue, bluePrompt}}) {
        game_.setName(colour, dialogs_.inputBox(prompts::translated(prompt), title).toStdString());
        showScores();
    }
}

void MainWindow::about(bool withCue) {
    if (withCue) {
        cues_.play(Cue::Click);
    }
    emit aboutRequested();
}

void MainWindow::leave(bool withCue) {
    if (withCue) {
        cues_.play(Cue::Click);
    }
    hide();
    emit leaveRequested();
}

void MainWindow::activated() {
    cues_.play(Cue::Opening);
    if (!namesAsked_) {
        askNames(prompts::kFirstName, prompts::kSecondName);
        namesAsked_ = true;
    }
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && !event->isAutoRepeat()) {
        if (keyboard::isLatinLetter(*event, Qt::Key_S)) {
            announcer_->say(spoken::scoreboard(game_), canvas_, scorePanel_);
            return;
        }
        if (keyboard::isLatinLetter(*event, Qt::Key_T) ||
            (!board_->isEnabled() && BoardView::isBoardKey(*event))) {
            announcer_->say(spoken::turn(game_), canvas_, scorePanel_);
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    emit closing();
    event->accept();
}

}  // namespace dropline::ui
