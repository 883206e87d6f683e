#include "form1.h"

#include <QAction>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>

#include "activation_watcher.h"
#include "announcer.h"
#include "artwork.h"
#include "board_view.h"
#include "click_area.h"
#include "disc_image.h"
#include "form1_design.h"
#include "keyboard.h"
#include "game/texts.h"
#include "picture_canvas.h"
#include "platform/cues.h"
#include "platform/dialogs.h"
#include "prompts.h"
#include "score_label.h"
#include "spoken.h"

namespace dropline::ui {

using platform::Cue;

namespace {

template <typename Control>
Control *place(Control *control, const TwipsRect &rect) {
    control->setGeometry(rect.toPixels());
    return control;
}

ScoreLabel *scoreLabel(QWidget *parent, const TwipsRect &rect, const QString &spokenTitle,
                       const QString &caption, const QColor &color = {}) {
    auto *label = place(new ScoreLabel(spokenTitle, parent), rect);
    label->setCaption(caption);
    if (color.isValid()) {
        label->setForeColor(color);
    }
    return label;
}

// A message of the rules, in the player's language.
QString message(const char *text) {
    return QCoreApplication::translate(texts::kContext, text);
}

}  // namespace

Form1::Form1(platform::CuePlayer &cues, platform::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), cues_(cues), dialogs_(dialogs) {
    buildDesign();
    buildMenus();
    placeOnScreen();
    Form_Load();

    activation_ = new ActivationWatcher(this);
    // Run after the activation has been delivered, not inside it. No command
    // starts while the names are being asked.
    connect(
        activation_, &ActivationWatcher::activated, this,
        [this] {
            const QScopedValueRollback busy(busy_, true);
            Form_Activate();
        },
        Qt::QueuedConnection);
}

Form1::~Form1() = default;

void Form1::buildDesign() {
    setWindowTitle(form1::kCaption);
    setWindowIcon(Artwork::icon(form1::kIcon));

    client_ = new PictureCanvas(form1::kArtwork, form1::kBackColor, this);
    setCentralWidget(client_);
    announcer_ = new Announcer(client_);
    auto &c = controls_;

    // Created bottom-most first, so each control lies above the ones before it.
    c.blue = new DiscImage(form1::kBlueDisc, form1::kBlueImage, client_);
    c.red = new DiscImage(form1::kRedDisc, form1::kRedImage, client_);
    c.blue->hide();
    c.red->hide();
    using spoken::translated;
    c.newbutton = place(new ClickArea(translated(spoken::kNewGame), client_), form1::kNewbutton);
    c.aboutbutton = place(new ClickArea(translated(spoken::kAbout), client_), form1::kAboutbutton);
    c.exitbutton = place(new ClickArea(translated(spoken::kExit), client_), form1::kExitbutton);
    using spoken::scoreTitle;
    const Colour red = Colour::Red;
    const Colour blue = Colour::Blue;
    c.winner = scoreLabel(client_, form1::kWinner, translated(spoken::kWinner), {});
    c.Label1 =
        scoreLabel(client_, form1::kLabel1, scoreTitle(spoken::kPlayer1, red), {}, form1::kRed);
    c.Label2 =
        scoreLabel(client_, form1::kLabel2, scoreTitle(spoken::kPlayer2, blue), {}, form1::kBlue);
    c.rstep = scoreLabel(client_, form1::kRstep, scoreTitle(spoken::kStep, red), form1::kZero,
                         form1::kRed);
    c.rwinned = scoreLabel(client_, form1::kRwinned, scoreTitle(spoken::kWinned, red), form1::kZero,
                           form1::kRed);
    c.bstep = scoreLabel(client_, form1::kBstep, scoreTitle(spoken::kStep, blue), form1::kZero,
                         form1::kBlue);
    c.bwinned = scoreLabel(client_, form1::kBwinned, scoreTitle(spoken::kWinned, blue),
                           form1::kZero, form1::kBlue);

    c.Picture1 = new BoardView(form1::kPicture1, form1::kBoardArtwork, client_);
    c.Picture1->setAccessibleName(translated(spoken::kBoard));
    QWidget *board = c.Picture1->drawingArea();
    c.oval[0] = new DiscImage(form1::kRedDisc, form1::kOval0, board);
    c.oval[0]->hide();
    c.col[0] = place(new ClickArea({}, board), form1::kCol0);

    connect(c.newbutton, &ClickArea::clicked, this, [this] { command(&Form1::newbutton_Click); });
    connect(c.aboutbutton, &ClickArea::clicked, this,
            [this] { command(&Form1::aboutbutton_Click); });
    connect(c.exitbutton, &ClickArea::clicked, this, [this] { command(&Form1::exitbutton_Click); });
}

void Form1::buildMenus() {
    auto &c = controls_;
    const auto tr = [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text);
    };
    QMenu *game = menuBar()->addMenu(tr(form1::kMenuBarContext, form1::kGameMenu));
    c.newgame = game->addAction(tr(form1::kGameMenuContext, form1::kNewItem), this,
                                [this] { command(&Form1::newbutton_Click); });
    c.newgame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    game->addSeparator();
    c.exgame = game->addAction(tr(form1::kGameMenuContext, form1::kExitItem), this,
                               [this] { command(&Form1::exgame_Click); });
    c.exgame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *about = menuBar()->addMenu(tr(form1::kMenuBarContext, form1::kAboutMenu));
    c.abt = about->addAction(tr(form1::kAboutMenuContext, form1::kAboutItem), this,
                             [this] { command(&Form1::abt_Click); });
    c.abt->setShortcut(QKeySequence(Qt::Key_F1));
}

// Centred on the screen, with a client area of exactly the designed size.
void Form1::placeOnScreen() {
    const QSize frameSize = form1::kClientSize + QSize(0, menuBar()->sizeHint().height());
    const QRect available = screen() ? screen()->availableGeometry() : QRect();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameSize, available));
}

// The board's layout, measured from the designed board and disc once.
void Form1::Form_Load() {
    auto &c = controls_;
    BoardView *board = c.Picture1;
    geometry_ = BoardGeometry::measure(board->widthTwips(), board->heightTwips(),
                                       c.oval[0]->place().width, c.oval[0]->place().height);
    for (const QLineF &line : geometry_.gridLines()) {
        board->line(line);
    }
    for (int i = 1; i < kCells; ++i) {
        c.oval[i] = new DiscImage(c.oval[0]->picture(), c.oval[0]->place(), board->drawingArea());
        c.oval[i]->hide();
    }
    for (int column = 0; column < kColumns; ++column) {
        if (column > 0) {
            c.col[column] = new ClickArea({}, board->drawingArea());
        }
        c.col[column]->setGeometry(geometry_.columnTarget(column).toPixels());
        c.col[column]->raise();
        c.col[column]->show();
        board->addTarget(c.col[column]);
        connect(c.col[column], &ClickArea::clicked, this,
                [this, column] { command(&Form1::col_Click, column); });
    }
    // A key works exactly as a click on the column's target.
    connect(board, &BoardView::columnKeyPressed, this,
            [this](int column) { controls_.col[column]->click(); });
    connect(board, &BoardView::columnChosen, this, [this](int column) {
        announcer_->say(spoken::columnName(game_, column), controls_.col[column]);
    });
    describeBoard();
}

void Form1::col_Click(int index) {
    const Colour mover = game_.toMove();
    const DropResult result = game_.drop(index);
    switch (result.kind) {
        case DropResult::Kind::Ignored:
            return;
        case DropResult::Kind::ColumnFull:
            controls_.Picture1->setCurrentColumn(index);
            announcer_->say(spoken::columnFull(index, spokenPlayer(mover)), controls_.col[index]);
            return;
        case DropResult::Kind::Draw:
            dialogs_.msgBox(message(texts::kDraw));
            showReset();
            return;
        case DropResult::Kind::Placed:
            controls_.Picture1->setCurrentColumn(index);
            placeDisc(result.disc);
            if (result.winner) {
                announceWin(*result.winner);
            }
            // Said once the win cue is over, as the winner line appears.
            announcer_->say(spoken::placed(result.disc, spokenPlayer(mover)) + u' ' + spokenTurn(),
                            controls_.oval[result.disc.image]);
            cues_.play(Cue::Click);
            return;
    }
}

QString Form1::spokenPlayer(Colour colour) const {
    const ScoreLabel *name = colour == Colour::Red ? controls_.Label1 : controls_.Label2;
    return spoken::player(colour, name->caption());
}

// Whose turn it is, or the winner while a won game is on the board.
QString Form1::spokenTurn() const {
    if (game_.winnerMessage()) {
        return controls_.winner->caption().trimmed();
    }
    return spoken::toMove(spokenPlayer(game_.toMove()));
}

// The score panel as it reads: red's lines, blue's, then the winner line.
QString Form1::spokenScoreboard() const {
    const auto &c = controls_;
    QStringList lines;
    for (const ScoreLabel *label : {c.Label1, c.rstep, c.rwinned, c.Label2, c.bstep, c.bwinned}) {
        lines << label->accessibleName();
    }
    if (!c.winner->caption().isEmpty()) {
        lines << c.winner->accessibleName();
    }
    return spoken::sentences(lines);
}

// Found in the artwork when first asked for: reading the picture this early
// would hold up the window's first showing.
QRect Form1::scorePanel() {
    if (scorePanel_.isNull()) {
        scorePanel_ = Artwork::area(form1::kArtwork, form1::kScorePanel);
    }
    return scorePanel_;
}

void Form1::keyPressEvent(QKeyEvent *event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && !event->isAutoRepeat()) {
        if (keyboard::isLatinLetter(*event, Qt::Key_S)) {
            announcer_->say(spokenScoreboard(), client_, scorePanel());
            return;
        }
        if (keyboard::isLatinLetter(*event, Qt::Key_T) ||
            (!controls_.Picture1->isEnabled() && BoardView::isBoardKey(*event))) {
            announcer_->say(spokenTurn(), client_, scorePanel());
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

// What the board holds, for assistive technology: each column target names
// its column's discs, the board describes them all.
void Form1::describeBoard() {
    for (int column = 0; column < kColumns; ++column) {
        const QString name = spoken::columnName(game_, column);
        // Renaming raises an event even for the same name; spare the others.
        if (controls_.col[column]->accessibleName() != name) {
            controls_.col[column]->setAccessibleName(name);
        }
    }
    controls_.Picture1->setAccessibleDescription(spoken::boardDescription(game_));
}

void Form1::placeDisc(const PlacedDisc &disc) {
    auto &c = controls_;
    DiscImage *image = c.oval[disc.image];
    const QPointF topLeft = geometry_.discTopLeft(disc.column, disc.row);
    image->moveTo(topLeft.x(), topLeft.y());
    const bool red = disc.colour == Colour::Red;
    image->setPicture((red ? c.red : c.blue)->picture());
    (red ? c.rstep : c.bstep)->setCaption(QString::number(game_.steps(disc.colour)));
    image->setAccessibleName(spoken::discName(disc));
    image->show();
    describeBoard();
}

void Form1::announceWin(Colour colour) {
    auto &c = controls_;
    const bool red = colour == Colour::Red;
    cues_.play(Cue::Win);
    c.winner->setForeColor(red ? form1::kRed : form1::kBlue);
    c.winner->setCaption(message(red ? texts::kRedWins : texts::kBlueWins));
    (red ? c.rwinned : c.bwinned)->setCaption(QString::number(game_.wins(colour)));
    c.Picture1->setEnabled(false);
}

void Form1::showReset() {
    auto &c = controls_;
    for (DiscImage *image : c.oval) {
        image->hide();
    }
    c.rstep->setCaption(form1::kZero);
    c.bstep->setCaption(form1::kZero);
    c.winner->setCaption({});
    c.Picture1->setEnabled(true);
    describeBoard();
}

void Form1::newbutton_Click() {
    auto &c = controls_;
    cues_.play(Cue::Click);
    game_.newGame();
    showReset();
    using prompts::translated;
    if (prompts::isYes(dialogs_.inputBox(translated(prompts::kNewPlayers)))) {
        const QString title = translated(prompts::kNamesTitle);
        c.Label1->setCaption(dialogs_.inputBox(translated(prompts::kFirstFirstName), title));
        c.Label2->setCaption(dialogs_.inputBox(translated(prompts::kSecondFirstName), title));
        game_.newPlayers();
        c.rwinned->setCaption(form1::kZero);
        c.bwinned->setCaption(form1::kZero);
    }
}

void Form1::aboutbutton_Click() {
    cues_.play(Cue::Click);
    abt_Click();
}

void Form1::abt_Click() {
    emit aboutRequested();
}

void Form1::exitbutton_Click() {
    cues_.play(Cue::Click);
    exgame_Click();
}

void Form1::exgame_Click() {
    hide();
    emit leaveRequested();
}

void Form1::Form_Activate() {
    auto &c = controls_;
    cues_.play(Cue::Opening);
    if (!namesasked_) {
        using prompts::translated;
        const QString title = translated(prompts::kNamesTitle);
        c.Label1->setCaption(dialogs_.inputBox(translated(prompts::kFirstName), title));
        c.Label2->setCaption(dialogs_.inputBox(translated(prompts::kSecondName), title));
        namesasked_ = true;
    }
}

void Form1::closeEvent(QCloseEvent *event) {
    emit unloading();
    event->accept();
}

}  // namespace dropline::ui
