// A monkey on the real main window: a long run of random clicks anywhere,
// shortcuts, menu items, answers and window changes, with the game's rules
// checked after every single action, in the game and in what the window
// shows of it to assistive technology.
//
// The run is reproducible: the seed (DROPLINE_MONKEY_SEED, or a fixed default)
// and the last actions are printed when a check fails.

#include <qpa/qwindowsysteminterface.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <array>
#include <deque>
#include <random>

#include "app/about_window.h"
#include "app/farewell_window.h"
#include "app/program.h"
#include "ui/prompts.h"
#include "ui/side_window_designs.h"
#include "ui/spoken.h"
#include "window_fixture.h"

using namespace dropline;
using namespace dropline::testing;
namespace design = dropline::ui::main_window;

namespace {

constexpr int kActions = 100'000;
constexpr unsigned kDefaultSeed = 20240611;
constexpr int kRememberedActions = 25;
constexpr int kActionsPerPaint = 200;

const QString kNewPlayersInput = inputEntry(ui::prompts::kNewPlayers);

// Answers every input box may get: cancel, yes, near misses of yes, names.
const std::array<QString, 9> kAnswers{
    "", "y", "Y", "yes", " y", "n", "Ann", "Bob", "<b>x</b>",
};

unsigned seedFromEnvironment() {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("DROPLINE_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

// What the checks need to remember from one action to the next.
struct Observed {
    int redWins = 0;
    int blueWins = 0;
    bool takesDiscs = true;
    int countedClicks = 0;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::mt19937 random;
    std::unique_ptr<app::Program> program;
    std::deque<QString> lastActions;
    bool newPlayersAnswered = false;
    // What assistive technology reads of the main window, found once.
    QAccessibleInterface *board = nullptr;
    QList<QAccessibleInterface *> scoreLabels;

    // What the score label titled `title` shows ("Step, red").
    QString shown(const QString &title) const {
        for (QAccessibleInterface *label : scoreLabels) {
            const QString name = label->text(QAccessible::Name);
            if (name == title || name.startsWith(title + ": ")) {
                return name.mid(title.size() + 2);
            }
        }
        return "(none)";
    }

    ui::MainWindow &window() { return program->mainWindow(); }
    const Game &game() { return program->mainWindow().game(); }

    int below(int n) { return std::uniform_int_distribution<int>(0, std::max(1, n) - 1)(random); }

    app::AboutWindow *visibleAbout() {
        app::AboutWindow *about = program->aboutWindow();
        return about && about->isVisible() ? about : nullptr;
    }

    // Delivers what the action set in motion: window-system events (such as
    // activation), queued calls and deletions. Painting, by far the dearest
    // part and no part of the rules, runs only every so many actions.
    void deliver(int action) {
        if (action % kActionsPerPaint == 0) {
            QCoreApplication::processEvents();
            return;
        }
        QWindowSystemInterface::flushWindowSystemEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void note(const QString &action) {
        lastActions.push_back(action);
        if (lastActions.size() > kRememberedActions) {
            lastActions.pop_front();
        }
    }

    // A click somewhere in `area` of a window's widget, or anywhere in the
    // window when the area lies outside it.
    void clickIn(QWidget *widget, QRect area, const char *name) {
        QWidget *window = widget->window();
        area = QRect(widget->mapTo(window, area.topLeft()), area.size()) & window->rect();
        if (area.isEmpty()) {
            area = window->rect();
        }
        const QPoint point = area.topLeft() + QPoint(below(area.width()), below(area.height()));
        note(QString("click %1 at %2,%3 of its window").arg(name).arg(point.x()).arg(point.y()));
        clickAt(window, point);
    }
    void clickIn(QWidget *widget, const char *name) { clickIn(widget, widget->rect(), name); }
    void clickInClient(const ui::TwipsRect &place, const char *name) {
        clickIn(clientOf(window()), place.toPixels(), name);
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers, const char *name) {
        QWidget *target = QApplication::activeWindow();
        note(QString("key %1 to %2")
                 .arg(name, target ? target->metaObject()->className() : "the main window"));
        QTest::keyClick(target ? target : &window(), key, modifiers);
    }

    void menuItem(int menu, int item, const char *name) {
        note(QString("menu item %1").arg(name));
        window().menuBar()->actions()[menu]->menu()->actions()[item]->trigger();
    }

    void showMainWindowAgain() {
        note("show and activate the main window");
        window().show();
        window().activateWindow();
    }

    // One random action of a player (or of the desktop).
    void act() {
        if (!window().isVisible()) {
            // Left through the farewell: come back, or poke what is still open.
            switch (below(3)) {
                case 0:
                    if (app::FarewellWindow *farewell = program->farewellWindow()) {
                        clickIn(farewell, "farewell");
                        return;
                    }
                    break;
                case 1:
                    if (app::AboutWindow *about = visibleAbout()) {
                        clickIn(about, "about");
                        return;
                    }
                    break;
            }
            showMainWindowAgain();
            return;
        }

        const int roll = below(100);
        if (roll < 40) {
            const int column = below(kColumns);
            note(QString("column %1").arg(column));
            clickInClient(
                {design::kBoard.left + column * design::kBoard.width / kColumns, design::kBoard.top,
                 design::kBoard.width / kColumns, design::kBoard.height},
                "column");
        } else if (roll < 58) {
            clickIn(&window(), "main window");
        } else if (roll < 62) {
            // The keys of the board and of the side windows, to whatever is active.
            static constexpr std::pair<Qt::Key, const char *> kKeys[] = {
                {Qt::Key_1, "1"},         {Qt::Key_5, "5"},           {Qt::Key_Left, "Left"},
                {Qt::Key_Right, "Right"}, {Qt::Key_Down, "Down"},     {Qt::Key_Return, "Return"},
                {Qt::Key_Space, "Space"}, {Qt::Key_Escape, "Escape"}, {Qt::Key_S, "S"},
                {Qt::Key_T, "T"}};
            const auto &[pressed, name] = kKeys[below(std::size(kKeys))];
            key(pressed, Qt::NoModifier, name);
        } else if (roll < 66) {
            clickInClient(design::kBoard, "board");
        } else if (roll < 70) {
            clickInClient(design::kNewGameButton, "new game area");
        } else if (roll < 72) {
            clickInClient(design::kAboutButton, "about area");
        } else if (roll < 73) {
            clickInClient(design::kCloseBox, "close box");
        } else if (roll < 77) {
            key(Qt::Key_N, Qt::ControlModifier, "Ctrl+N");
        } else if (roll < 78) {
            key(Qt::Key_Q, Qt::ControlModifier, "Ctrl+Q");
        } else if (roll < 80) {
            key(Qt::Key_F1, Qt::NoModifier, "F1");
        } else if (roll < 84) {
            menuItem(0, 0, "New");
        } else if (roll < 85) {
            menuItem(0, 2, "Exit");
        } else if (roll < 87) {
            menuItem(1, 0, "About");
        } else if (roll < 91) {
            if (app::AboutWindow *about = visibleAbout()) {
                if (below(2) == 0) {
                    note("about: OK");
                    clickAt(about, ui::kSideWindowButton.toPixels().center());
                } else {
                    clickIn(about, "about");
                }
            } else {
                showMainWindowAgain();
            }
        } else if (roll < 95) {
            showMainWindowAgain();
        } else {
            // Smaller and larger than designed: clicks then land beyond the picture.
            const QSize size(160 + below(900), 120 + below(700));
            note(QString("resize to %1x%2").arg(size.width()).arg(size.height()));
            window().resize(size);
        }
    }

    // The game's rules, and what the window shows of the game to assistive
    // technology. Empty when all hold.
    QString broken(const Observed &before, int winCues) {
        const Game &game = this->game();
        int discs = 0;
        int redDiscs = 0;
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                const Cell cell = game.cell(column, row);
                if ((cell != Cell::Empty) != (row < game.discsIn(column))) {
                    return QString("column %1 has a gap below row %2").arg(column).arg(row);
                }
                const QAccessibleInterface *disc = board->child(kColumns + cellIndex(column, row));
                const bool hidden = window().isVisible() && disc->state().invisible;
                const QString shown = hidden ? QString() : disc->text(QAccessible::Name);
                const QString expected =
                    cell == Cell::Empty
                        ? QString()
                        : ui::spoken::discName(cell == Cell::Red ? Colour::Red : Colour::Blue,
                                               column, row);
                if (shown != expected) {
                    return QString("the disc of column %1, row %2 reads \"%3\"")
                        .arg(column)
                        .arg(row)
                        .arg(shown);
                }
                discs += cell != Cell::Empty ? 1 : 0;
                redDiscs += cell == Cell::Red ? 1 : 0;
            }
        }
        if (game.countedClicks() < discs || game.countedClicks() > kCountedClicks) {
            return QString("%1 counted clicks with %2 discs on the board")
                .arg(game.countedClicks())
                .arg(discs);
        }

        const QString redSteps = shown("Step, red");
        const QString blueSteps = shown("Step, blue");
        if (redSteps.toInt() + blueSteps.toInt() != discs || redSteps.toInt() != redDiscs) {
            return QString("steps %1 + %2 with %3 discs (%4 red) on the board")
                .arg(redSteps, blueSteps)
                .arg(discs)
                .arg(redDiscs);
        }

        const bool won = !shown("Winner").isEmpty();
        if (board->state().disabled != won || game.takesDiscs() == won ||
            game.winner().has_value() != won) {
            return QString("the board takes discs: %1, with a winner line: %2")
                .arg(game.takesDiscs())
                .arg(won);
        }
        if (!before.takesDiscs && game.countedClicks() != 0 &&
            game.countedClicks() != before.countedClicks) {
            return QString("the board took a click while a win was on it");
        }

        const int redWins = shown("Winned, red").toInt();
        const int blueWins = shown("Winned, blue").toInt();
        if (redWins != game.player(Colour::Red).wins ||
            blueWins != game.player(Colour::Blue).wins) {
            return QString("tallies read %1 and %2").arg(redWins).arg(blueWins);
        }
        if (newPlayersAnswered && winCues == 0) {
            if (redWins != 0 || blueWins != 0) {
                return QString("new players kept the tallies %1 and %2").arg(redWins).arg(blueWins);
            }
        } else {
            const int redRise = redWins - before.redWins;
            const int blueRise = blueWins - before.blueWins;
            const bool gameWon = before.takesDiscs && !game.takesDiscs();
            if (redRise < 0 || blueRise < 0 || redRise + blueRise != winCues ||
                (winCues > 0) != gameWon) {
                return QString("tallies went from %1:%2 to %3:%4 with %5 win announcements")
                    .arg(before.redWins)
                    .arg(before.blueWins)
                    .arg(redWins)
                    .arg(blueWins)
                    .arg(winCues);
            }
        }
        return {};
    }

    Observed observe() {
        const Game &game = this->game();
        return {.redWins = game.player(Colour::Red).wins,
                .blueWins = game.player(Colour::Blue).wins,
                .takesDiscs = game.takesDiscs(),
                .countedClicks = game.countedClicks()};
    }

private slots:
    void initTestCase() {
        const unsigned seed = seedFromEnvironment();
        random.seed(seed);
        qInfo("monkey seed %u (set DROPLINE_MONKEY_SEED to repeat another run)", seed);

        dialogs.onDialog = [this] {
            if (!journal.last().startsWith("input:")) {
                return;  // the draw message takes no answer
            }
            const QString answer = kAnswers[below(int(kAnswers.size()))];
            if (journal.last() == kNewPlayersInput) {
                newPlayersAnswered = newPlayersAnswered || answer == ui::prompts::kYes;
            }
            dialogs.answers.push_back(answer);
        };
        program = std::make_unique<app::Program>(cues, dialogs, [] {});
        program->start();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        board = accessibleBoard(window());
        findAccessible(accessibleOf(&window()), [this](QAccessibleInterface *object) {
            if (object->object() && object->object()->inherits("QLabel")) {
                scoreLabels << object;
            }
            return false;
        });
        QCOMPARE(scoreLabels.size(), 7);
    }

    void cleanupTestCase() { program.reset(); }
    void randomActionsKeepTheRules() {
        const unsigned seed = seedFromEnvironment();
        for (int action = 0; action < kActions; ++action) {
            const Observed before = observe();
            journal.clear();
            newPlayersAnswered = false;
            act();
            deliver(action);
            const QString fault = broken(before, int(journal.count(kWinCue)));
            if (!fault.isEmpty()) {
                QStringList history(lastActions.begin(), lastActions.end());
                QFAIL(qPrintable(QString("seed %1, action %2: %3\nlast actions:\n  %4")
                                     .arg(seed)
                                     .arg(action)
                                     .arg(fault, history.join("\n  "))));
            }
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
