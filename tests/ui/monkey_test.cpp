// A monkey on the real main window: a long run of random clicks anywhere,
// shortcuts, menu items, answers and window changes, with the game's rules
// checked through the window's controls after every single action.
//
// The run is reproducible: the seed (DROPLINE_MONKEY_SEED, or a fixed default)
// and the last actions are printed when a check fails.

#include <qpa/qwindowsysteminterface.h>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <array>
#include <deque>
#include <map>
#include <random>

#include "app/form2.h"
#include "app/form3.h"
#include "app/program.h"
#include "fakes.h"
#include "ui/board_view.h"
#include "ui/click_area.h"
#include "ui/disc_image.h"
#include "ui/form1.h"
#include "ui/prompts.h"
#include "ui/score_label.h"
#include "window_driver.h"

using namespace dropline;
using namespace dropline::testing;

namespace {

constexpr int kActions = 100'000;
constexpr unsigned kDefaultSeed = 20240611;
constexpr int kRememberedActions = 25;
constexpr int kActionsPerPaint = 200;

const QString kNewPlayersInput = QString("input:[%1]|[]").arg(ui::prompts::kNewPlayers);

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
    bool boardEnabled = true;
    int moves = 0;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::mt19937 random;
    std::unique_ptr<app::Program> program;
    // Where a disc over each cell lies in the board's drawing area.
    std::map<std::pair<int, int>, int> cellAtCorner;
    std::deque<QString> lastActions;
    bool newPlayersAnswered = false;

    ui::Form1 &form() { return program->form1(); }
    const ui::Form1Controls &c() { return program->form1().controls(); }

    int below(int n) { return std::uniform_int_distribution<int>(0, std::max(1, n) - 1)(random); }

    app::Form2 *visibleAbout() {
        app::Form2 *about = program->form2();
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

    // A click on the part of `widget` that lies inside its window.
    void clickIn(QWidget *widget, const char *name) {
        QWidget *window = widget->window();
        QRect area = QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()) & window->rect();
        if (area.isEmpty()) {
            area = window->rect();
        }
        const QPoint point = area.topLeft() + QPoint(below(area.width()), below(area.height()));
        note(QString("click %1 at %2,%3 of its window").arg(name).arg(point.x()).arg(point.y()));
        clickAt(window, point);
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers, const char *name) {
        QWidget *target = QApplication::activeWindow();
        note(QString("key %1 to %2")
                 .arg(name, target ? target->metaObject()->className() : "the main window"));
        QTest::keyClick(target ? target : &form(), key, modifiers);
    }

    void showMainWindowAgain() {
        note("show and activate the main window");
        form().show();
        form().activateWindow();
    }

    // One random action of a player (or of the desktop).
    void act() {
        if (!form().isVisible()) {
            // Left through the farewell: come back, or poke what is still open.
            switch (below(3)) {
                case 0:
                    if (app::Form3 *farewell = program->form3()) {
                        clickIn(farewell, "farewell");
                        return;
                    }
                    break;
                case 1:
                    if (app::Form2 *about = visibleAbout()) {
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
            clickIn(c().col[column], "column");
        } else if (roll < 58) {
            clickIn(&form(), "main window");
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
            clickIn(c().Picture1, "board");
        } else if (roll < 70) {
            clickIn(c().newbutton, "new game area");
        } else if (roll < 72) {
            clickIn(c().aboutbutton, "about area");
        } else if (roll < 73) {
            clickIn(c().exitbutton, "exit area");
        } else if (roll < 77) {
            key(Qt::Key_N, Qt::ControlModifier, "Ctrl+N");
        } else if (roll < 78) {
            key(Qt::Key_Q, Qt::ControlModifier, "Ctrl+Q");
        } else if (roll < 80) {
            key(Qt::Key_F1, Qt::NoModifier, "F1");
        } else if (roll < 84) {
            note("menu item newgame");
            c().newgame->trigger();
        } else if (roll < 85) {
            note("menu item exgame");
            c().exgame->trigger();
        } else if (roll < 87) {
            note("menu item abt");
            c().abt->trigger();
        } else if (roll < 91) {
            if (app::Form2 *about = visibleAbout()) {
                if (below(2) == 0) {
                    note("about: OK");
                    clickCentre(about->label1());
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
            form().resize(size);
        }
    }

    // The game's rules, read from the window. Empty when all hold.
    QString broken(const Observed &before, int winCues) {
        const Game &game = form().game();
        int discs = 0;
        int redDiscs = 0;
        for (int column = 0; column < kColumns; ++column) {
            int filled = 0;
            bool gap = false;
            for (int row = 0; row < kRows; ++row) {
                const int cell = cellIndex(column, row);
                const bool red = game.redcell(cell);
                const bool blue = game.bluecell(cell);
                if (red && blue) {
                    return QString("cell %1 holds both colours").arg(cell);
                }
                if (red || blue) {
                    if (gap) {
                        return QString("column %1 has a gap below row %2").arg(column).arg(row);
                    }
                    ++filled;
                    redDiscs += red ? 1 : 0;
                } else {
                    gap = true;
                }
            }
            if (game.colfill(column) != filled) {
                return QString("colfill(%1) is %2 with %3 discs in the column")
                    .arg(column)
                    .arg(game.colfill(column))
                    .arg(filled);
            }
            discs += filled;
        }
        if (game.moves() < discs || game.moves() > kCells) {
            return QString("moves %1 with %2 discs on the board").arg(game.moves()).arg(discs);
        }

        bool ok = true;
        const int rstep = c().rstep->caption().toInt(&ok);
        const int bstep = ok ? c().bstep->caption().toInt(&ok) : 0;
        if (!ok || rstep + bstep != discs || rstep != redDiscs) {
            return QString("steps %1 + %2 with %3 discs (%4 red) on the board")
                .arg(c().rstep->caption(), c().bstep->caption())
                .arg(discs)
                .arg(redDiscs);
        }

        int shown = 0;
        std::array<bool, kCells> covered{};
        for (const ui::DiscImage *image : c().oval) {
            if (image->isHidden()) {
                continue;
            }
            ++shown;
            const auto found = cellAtCorner.find({image->x(), image->y()});
            if (found == cellAtCorner.end()) {
                return QString("a disc image at %1,%2 is over no cell")
                    .arg(image->x())
                    .arg(image->y());
            }
            const int cell = found->second;
            const bool red = game.redcell(cell);
            if (covered[cell] || !(red || game.bluecell(cell))) {
                return QString("a disc image is shown over cell %1, which is %2")
                    .arg(cell)
                    .arg(covered[cell] ? "covered twice" : "empty");
            }
            covered[cell] = true;
            if (image->picture() != (red ? c().red : c().blue)->picture()) {
                return QString("the disc over cell %1 shows the other colour").arg(cell);
            }
        }
        if (shown != discs) {
            return QString("%1 disc images shown for %2 discs").arg(shown).arg(discs);
        }

        const bool won = !c().winner->caption().isEmpty();
        if (c().Picture1->isEnabled() == won || game.boardEnabled() == won ||
            game.winnerMessage().has_value() != won) {
            return QString("board enabled %1 with winner message \"%2\"")
                .arg(c().Picture1->isEnabled())
                .arg(c().winner->caption());
        }
        if (!before.boardEnabled && game.moves() != 0 && game.moves() != before.moves) {
            return QString("the board took a click while a win was on it");
        }

        const int redWins = c().rwinned->caption().toInt(&ok);
        const int blueWins = ok ? c().bwinned->caption().toInt(&ok) : 0;
        if (!ok || redWins != game.wins(Colour::Red) || blueWins != game.wins(Colour::Blue)) {
            return QString("tallies read %1 and %2")
                .arg(c().rwinned->caption(), c().bwinned->caption());
        }
        if (newPlayersAnswered && winCues == 0) {
            if (redWins != 0 || blueWins != 0) {
                return QString("new players kept the tallies %1 and %2").arg(redWins).arg(blueWins);
            }
        } else {
            const int redRise = redWins - before.redWins;
            const int blueRise = blueWins - before.blueWins;
            const bool gameWon = before.boardEnabled && !game.boardEnabled();
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
        const Game &game = form().game();
        return {.redWins = game.wins(Colour::Red),
                .blueWins = game.wins(Colour::Blue),
                .boardEnabled = game.boardEnabled(),
                .moves = game.moves()};
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
        QVERIFY(QTest::qWaitForWindowActive(&form()));

        const ui::BoardGeometry &geometry = form().boardGeometry();
        const ui::TwipsRect discPlace = c().oval[0]->place();
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                const QPointF corner = geometry.discTopLeft(column, row);
                ui::TwipsRect place = discPlace;
                place.left = corner.x();
                place.top = corner.y();
                const QPoint pixel = place.toPixels().topLeft();
                cellAtCorner[{pixel.x(), pixel.y()}] = cellIndex(column, row);
            }
        }
        QCOMPARE(int(cellAtCorner.size()), kCells);
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
