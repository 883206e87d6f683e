// The main window as a player meets it: its design, the names, discs dropped
// by clicks and keys, wins, draws and new games, with the order of sounds and
// dialogs. What it shows is read from the game, from assistive technology's
// view of it, and from its pixels.

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "game/texts.h"
#include "ui/prompts.h"
#include "window_fixture.h"

using namespace dropline;
using namespace dropline::testing;
namespace design = dropline::ui::main_window;

namespace {

const QColor kField{0xCC, 0xCE, 0xDC};

bool near(const QColor &a, const QColor &b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QImage pictureOf(const ui::MainWindow &window) {
    return clientOf(window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of a part of a picture inked in `colour`.
int inked(const QImage &image, const QRect &part, const QColor &colour) {
    int count = 0;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            count += near(image.pixelColor(x, y), colour, 40) ? 1 : 0;
        }
    }
    return count;
}

const QString kNamesTitle = ui::prompts::kNamesTitle;

}  // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

    QString redSteps() const { return shownValue(*window, "Step, red"); }
    QString blueSteps() const { return shownValue(*window, "Step, blue"); }
    QString redWins() const { return shownValue(*window, "Winned, red"); }
    QString blueWins() const { return shownValue(*window, "Winned, blue"); }
    QString winnerLine() const { return shownValue(*window, "Winner"); }

private slots:
    void init() { openWindow(); }
    void cleanup() { window.reset(); }

    void windowAndMenusAsDesigned() {
        QCOMPARE(window->windowTitle(), QString(" Tavrin Dropline"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(clientOf(*window)->size(), QSize(527, 423));
        QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);

        const auto menus = window->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QString("&Game"));
        QCOMPARE(menus[1]->text(), QString("&About"));
        const auto game = menus[0]->menu()->actions();
        QCOMPARE(game.size(), 3);
        QCOMPARE(game[0]->text(), QString("&New"));
        QCOMPARE(game[0]->shortcut(), QKeySequence("Ctrl+N"));
        QVERIFY(game[1]->isSeparator());
        QCOMPARE(game[2]->text(), QString("E&xit"));
        QCOMPARE(game[2]->shortcut(), QKeySequence("Ctrl+Q"));
        const auto about = menus[1]->menu()->actions();
        QCOMPARE(about.size(), 1);
        QCOMPARE(about[0]->text(), QString("&About"));
        QCOMPARE(about[0]->shortcut(), QKeySequence("F1"));
    }

    void atStartTheScorePanelShowsZerosAndNoNamesYet() {
        WindowTest::openWindow({});  // both prompts cancelled
        for (const char *title : {"Step, red", "Step, blue", "Winned, red", "Winned, blue"}) {
            QCOMPARE(shownValue(*window, title), QString("0"));
        }
        for (const char *title : {"Player 1, red", "Player 2, blue", "Winner"}) {
            QCOMPARE(shownValue(*window, title), QString());
        }
        for (int cell = 0; cell < kCells; ++cell) {
            QVERIFY(accessibleDisc(*window, cell % kColumns, cell / kColumns)->state().invisible);
        }
    }

    void scorePanelTextIsTahomaBoldWhereInstalled() {
        QAccessibleInterface *label =
            findAccessible(accessibleOf(window.get()), [](QAccessibleInterface *object) {
                return object->object() && object->object()->inherits("QLabel");
            });
        QVERIFY(label);
        const QFontInfo shown(static_cast<QLabel *>(label->object())->font());
        QVERIFY(shown.bold());
        QCOMPARE(shown.pixelSize(), 13);
        if (QFile::exists("/usr/share/wine/fonts/tahomabd.ttf")) {
            QCOMPARE(shown.family(), QString("Tahoma"));
        }
    }

    // The drawn buttons lie under their click areas: inside an area the
    // artwork differs from the field, just outside the button it is field.
    void clickAreasLieOverTheirDrawnButtons_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("new game") << design::kNewGameButton.toPixels() << QPoint(10, 110);
        QTest::newRow("about") << design::kAboutButton.toPixels() << QPoint(10, 300);
        QTest::newRow("close box") << design::kCloseBox.toPixels() << QPoint(490, 12);
    }
    void clickAreasLieOverTheirDrawnButtons() {
        QFETCH(QRect, area);
        QFETCH(QPoint, outside);
        const QImage image = pictureOf(*window);
        QVERIFY(!near(image.pixelColor(area.center()), kField, 4));
        QVERIFY(near(image.pixelColor(outside), kField, 4));
    }

    // Nothing outside the click areas reacts: the rims of the drawn buttons,
    // the artwork, the score panel.
    void clicksOutsideTheClickAreasDoNothing_data() {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("new button rim") << QPoint(20, 100);
        QTest::newRow("about button bottom strip") << QPoint(84, 400);
        QTest::newRow("field") << QPoint(170, 10);
        QTest::newRow("score panel") << QPoint(300, 350);
        QTest::newRow("winner line") << design::kWinnerLine.toPixels().center();
    }
    void clicksOutsideTheClickAreasDoNothing() {
        QFETCH(QPoint, point);
        clickClient(*window, point);
        QCOMPARE(journal, Journal{});
        clickClient(*window, design::kAboutButton);  // a click inside one does reach it
        QCOMPARE(journal, Journal{kClickCue});
    }

    void beyondThePictureTheWindowIsDarkGrey() {
        const QImage before = pictureOf(*window);
        window->resize(800, 640);
        QTRY_COMPARE(clientOf(*window)->width(), 800);
        const QImage image = pictureOf(*window);
        QCOMPARE(image.pixelColor(700, 500), design::kBackground);
        QCOMPARE(image.pixelColor(527, 10), design::kBackground);
        QCOMPARE(image.copy(0, 0, 527, 423), before);  // nothing moved
    }

    void theFirstActivationSoundsAndAsksBothNames() {
        journal.clear();
        dialogs.answers = {"Ann"};  // the second name is cancelled
        ui::MainWindow first(cues, dialogs);
        first.show();
        first.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        QTRY_COMPARE(journal, (Journal{kOpeningCue, inputEntry(" First Player's Name", kNamesTitle),
                                       inputEntry(" Second Player's Name", kNamesTitle)}));
        QCOMPARE(shownValue(first, "Player 1, red"), QString("Ann"));
        QCOMPARE(shownValue(first, "Player 2, blue"), QString());
    }

    void aDiscLandsInTheLowestFreeCellOfItsColumn() {
        clickColumn(*window, 2);
        QCOMPARE(game().cell(2, 0), Cell::Red);
        QAccessibleInterface *disc = accessibleDisc(*window, 2, 0);
        QVERIFY(!disc->state().invisible);
        QCOMPARE(disc->text(QAccessible::Name), QString("red disc, column 3, row 1"));
        // Centred on the bottom cell of column 2, and drawn there in red.
        const QRect place = boardGeometry().disc(2, 0).translated(boardDrawingOrigin());
        QCOMPARE(place, QRect(QPoint(133, 207), QSize(48, 31)).translated(boardDrawingOrigin()));
        QVERIFY(inked(pictureOf(*window), place, QColor(0xFB, 0x67, 0x67)) > 100);
        QCOMPARE(redSteps(), QString("1"));
        QCOMPARE(blueSteps(), QString("0"));
        QCOMPARE(journal, Journal{kClickCue});

        clickColumn(*window, 2);
        QCOMPARE(game().cell(2, 1), Cell::Blue);
        QCOMPARE(accessibleDisc(*window, 2, 1)->text(QAccessible::Name),
                 QString("blue disc, column 3, row 2"));
        QCOMPARE(blueSteps(), QString("1"));
    }

    void aClickOnADiscReachesTheColumnUnderIt() {
        clickColumn(*window, 1);
        const QPoint onDisc = boardGeometry().disc(1, 0).center() + boardDrawingOrigin();
        clickClient(*window, onDisc);
        QCOMPARE(game().cell(1, 1), Cell::Blue);
    }

    void aFullColumnIsCountedButPlacesAndSoundsNothing() {
        clickColumns(*window, {3, 3, 3, 3, 3});
        journal.clear();
        clickColumn(*window, 3);
        QCOMPARE(journal, Journal{});
        QCOMPARE(game().countedClicks(), 6);
        QCOMPARE(game().discsIn(3), 5);
        clickColumn(*window, 0);  // blue is still to move
        QCOMPARE(game().cell(0, 0), Cell::Blue);
    }

    // The win cue sounds with the disc on the board and the winner line still
    // empty; the line, in the winner's colour, and the tally follow, then the
    // click cue. The board takes no more discs.
    void aWinSoundsBeforeTheClickAndStopsTheBoard_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("winnerTally");
        QTest::addColumn<QString>("otherTally");
        QTest::newRow("red") << QList<int>{0, 0, 1, 1, 2, 2, 3} << texts::kRedWins << design::kRed
                             << "Winned, red"
                             << "Winned, blue";
        QTest::newRow("blue") << QList<int>{4, 0, 4, 0, 3, 0, 3, 0} << texts::kBlueWins
                              << design::kBlue << "Winned, blue"
                              << "Winned, red";
    }
    void aWinSoundsBeforeTheClickAndStopsTheBoard() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, message);
        QFETCH(QColor, colour);
        QFETCH(QString, winnerTally);
        QFETCH(QString, otherTally);
        const int last = clicks.takeLast();
        for (int column : clicks) {
            clickColumn(*window, column);
        }
        QStringList lineWhenCued;
        cues.onPlay = [&](platform::Cue) { lineWhenCued << winnerLine(); };
        journal.clear();
        clickColumn(*window, last);
        QCOMPARE(journal, (Journal{kWinCue, kClickCue}));
        QCOMPARE(lineWhenCued, (QStringList{"", message.trimmed()}));
        QCOMPARE(winnerLine(), message.trimmed());
        QVERIFY(inked(pictureOf(*window), design::kWinnerLine.toPixels(), colour) > 50);
        QCOMPARE(shownValue(*window, winnerTally), QString("1"));
        QCOMPARE(shownValue(*window, otherTally), QString("0"));
        QVERIFY(accessibleBoard(*window)->state().disabled);

        journal.clear();
        clickColumn(*window, 4);
        QCOMPARE(journal, Journal{});
        QCOMPARE(game().countedClicks(), int(clicks.size()) + 1);
    }

    void aDiscCompletingARowAndADiagonalIsAnnouncedOnce() {
        // Red's last disc, bottom-left, completes the bottom row and the
        // diagonal rising from it.
        clickColumns(*window, {1, 4, 1, 4, 3, 3, 2, 3, 3, 2, 2, 4});
        QCOMPARE(winnerLine(), QString());
        journal.clear();
        clickColumn(*window, 0);
        QCOMPARE(journal, (Journal{kWinCue, kClickCue}));
        QCOMPARE(redWins(), QString("1"));
    }

    // The 26th counted click shows the draw message over the full board, then
    // clears it; the player who was to move still is.
    void theClickAfter25CountedClicksIsADraw() {
        clickColumns(*window, {0, 0, 0, 0, 0});  // red, blue, red, blue, red
        for (int i = 0; i < 20; ++i) {
            clickColumn(*window, 0);  // full: counted only
        }
        QCOMPARE(game().countedClicks(), 25);
        const QRect lowest = boardGeometry().disc(0, 0).translated(boardDrawingOrigin());
        int redShownDuringMessage = 0;
        dialogs.onDialog = [&] {
            redShownDuringMessage = inked(pictureOf(*window), lowest, QColor(0xFB, 0x67, 0x67));
        };
        journal.clear();
        clickColumn(*window, 3);
        QCOMPARE(journal, Journal{messageEntry(texts::kDraw)});
        QVERIFY(redShownDuringMessage > 100);
        QCOMPARE(inked(pictureOf(*window), lowest, QColor(0xFB, 0x67, 0x67)), 0);
        QVERIFY(accessibleDisc(*window, 0, 0)->state().invisible);
        QCOMPARE(redSteps(), QString("0"));
        QCOMPARE(blueSteps(), QString("0"));

        clickColumn(*window, 1);
        QCOMPARE(game().cell(1, 0), Cell::Blue);
    }

    void newGameResetsThenAsksAboutNewPlayers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("newPlayers");
        QTest::newRow("y") << "y" << true;
        QTest::newRow("Y") << "Y" << false;
        QTest::newRow("yes") << "yes" << false;
        QTest::newRow("blank y") << " y" << false;
        QTest::newRow("n") << "n" << false;
        QTest::newRow("cancelled") << "" << false;
    }
    void newGameResetsThenAsksAboutNewPlayers() {
        QFETCH(QString, answer);
        QFETCH(bool, newPlayers);
        clickColumns(*window, {0, 0, 1, 1, 2, 2, 3});  // red wins
        bool resetBeforeQuestion = false;
        dialogs.onDialog = [&] {
            resetBeforeQuestion =
                resetBeforeQuestion || (winnerLine().isEmpty() && redSteps() == "0" &&
                                        !accessibleBoard(*window)->state().disabled);
        };
        dialogs.answers = {answer, "Cy", "Di"};
        journal.clear();
        clickClient(*window, design::kNewGameButton);

        Journal expected{kClickCue, inputEntry(ui::prompts::kNewPlayers)};
        if (newPlayers) {
            expected << inputEntry(" First Player's First Name", kNamesTitle)
                     << inputEntry(" Second Player's First Name", kNamesTitle);
        }
        QCOMPARE(journal, expected);
        QVERIFY(resetBeforeQuestion);
        QCOMPARE(shownValue(*window, "Player 1, red"), QString(newPlayers ? "Cy" : "Ann"));
        QCOMPARE(shownValue(*window, "Player 2, blue"), QString(newPlayers ? "Di" : "Bob"));
        QCOMPARE(redWins(), QString(newPlayers ? "0" : "1"));

        clickColumn(*window, 2);  // red moves first again
        QCOMPARE(game().cell(2, 0), Cell::Red);
    }

    // Keys 1 to 5, the digits of other scripts and the keypad's, drop into
    // their columns while the board has the focus; AZERTY's superscript two
    // drops nothing, nor does any key on a won board.
    void keysDropIntoTheirColumns() {
        QWidget *board = qobject_cast<QWidget *>(accessibleBoard(*window)->object());
        board->setFocus();
        QTRY_VERIFY(board->hasFocus());
        const auto press = [board](int key, const QString &text,
                                   Qt::KeyboardModifiers modifiers = {}) {
            QTest::sendKeyEvent(QTest::Click, board, Qt::Key(key), text, modifiers);
        };
        press(Qt::Key_3, "3");
        QCOMPARE(game().cell(2, 0), Cell::Red);
        press(0x0663, QString(QChar(0x0663)));  // ٣
        QCOMPARE(game().cell(2, 1), Cell::Blue);
        press(0xFF15, QString(QChar(0xFF15)));  // ５
        QCOMPARE(game().cell(4, 0), Cell::Red);
        press(Qt::Key_2, "2", Qt::KeypadModifier);
        QCOMPARE(game().cell(1, 0), Cell::Blue);
        for (const auto &[key, text] : {std::pair{Qt::Key_twosuperior, QString(QChar(0x00B2))},
                                        {Qt::Key_6, "6"},
                                        {Qt::Key_0, "0"}}) {
            press(key, text);
        }
        QCOMPARE(game().countedClicks(), 4);
        QCOMPARE(journal.count(kClickCue), 4);

        clickColumns(*window, {0, 4, 0, 4, 0, 3, 0});  // red wins in column 0
        QVERIFY(game().winner());
        journal.clear();
        QTest::keyClick(window.get(), Qt::Key_5);
        QCOMPARE(journal, Journal{});
        QCOMPARE(game().countedClicks(), 11);
    }

    void theNewGameItemAndCtrlNRunTheSameCommand() {
        clickColumns(*window, {0, 1});
        dialogs.answers = {"n"};
        journal.clear();
        window->menuBar()->actions()[0]->menu()->actions()[0]->trigger();
        QCOMPARE(journal, (Journal{kClickCue, inputEntry(ui::prompts::kNewPlayers)}));

        clickColumns(*window, {0, 1});
        dialogs.answers = {"n"};
        journal.clear();
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(journal, (Journal{kClickCue, inputEntry(ui::prompts::kNewPlayers)}));
        QCOMPARE(game().countedClicks(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
