#include <QAction>
#include <QTest>

#include "fakes.h"
#include "game/texts.h"
#include "ui/board_view.h"
#include "ui/click_area.h"
#include "ui/disc_image.h"
#include "ui/form1.h"
#include "ui/picture_canvas.h"
#include "ui/score_label.h"
#include "window_driver.h"

using namespace dropline;
using namespace dropline::testing;
using ui::Form1;

namespace {

const QString kNamesTitle = " Players Names ";
const QString kNewPlayers = "input:[ New players? [enter y for YES  &  n for NO]]|[]";

QString input(const QString &prompt, const QString &title = kNamesTitle) {
    return QString("input:[%1]|[%2]").arg(prompt, title);
}

}  // namespace

class Form1PlayTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::unique_ptr<Form1> form;

    const ui::Form1Controls &c() const { return form->controls(); }

    // Clicks column `column` on the board, where the player would.
    void clickColumn(int column) {
        clickAt(c().col[column], QPoint(c().col[column]->width() / 2, 5));
    }
    void clickColumns(std::initializer_list<int> columns) {
        for (int column : columns) {
            clickColumn(column);
        }
    }
    int visibleDiscs() const {
        return int(std::count_if(c().oval.begin(), c().oval.end(),
                                 [](const ui::DiscImage *disc) { return disc->isVisible(); }));
    }

private slots:
    void init() {
        journal.clear();
        dialogs.answers = {"Ann", "Bob"};
        dialogs.onDialog = nullptr;
        cues.onPlay = nullptr;
        form = std::make_unique<Form1>(cues, dialogs);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(journal.size(), 3);  // the first activation
        journal.clear();
    }
    void cleanup() { form.reset(); }

    void firstActivationSoundsAndAsksBothNames() {
        Journal first;
        JournalCues firstCues{first};
        ScriptedDialogs firstDialogs{first};
        firstDialogs.answers = {"Ann", ""};
        Form1 window(firstCues, firstDialogs);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(first, (Journal{kOpeningCue, input(" First Player's Name"),
                                     input(" Second Player's Name")}));
        QCOMPARE(window.controls().Label1->text(), QString("Ann"));
        QCOMPARE(window.controls().Label2->text(), QString());  // cancelled
    }

    void aDiscLandsInTheLowestFreeCellOfItsColumn() {
        clickColumn(2);
        ui::DiscImage *disc = c().oval[0];
        QVERIFY(disc->isVisible());
        QCOMPARE(disc->picture(), c().red->picture());
        // Centred on the bottom cell of column 2 (disc 720 x 465 twips).
        QCOMPARE(disc->place().left, 1990.0);
        QCOMPARE(disc->place().top, 3097.5);
        QCOMPARE(disc->pos(), QPoint(133, 207));
        QCOMPARE(c().rstep->text(), QString("1"));
        QCOMPARE(c().bstep->text(), QString("0"));
        QCOMPARE(journal, Journal{kClickCue});

        clickColumn(2);
        QCOMPARE(c().oval[1]->picture(), c().blue->picture());
        QCOMPARE(c().oval[1]->place().top, 2357.5);
        QCOMPARE(c().bstep->text(), QString("1"));
    }

    void discsFillAColumnBottomToTopAndEdgesReachTheCorners() {
        clickColumns({0, 4, 0, 4, 0, 4, 0});
        QCOMPARE(c().oval[0]->place().left, 110.0);
        QCOMPARE(c().oval[1]->place().left, 3870.0);
        QCOMPARE(c().oval[6]->place().top, 877.5);  // fourth disc of column 0
    }

    void aClickOnADiscReachesTheColumnUnderIt() {
        clickColumn(1);
        const QPoint onDisc = c().oval[0]->geometry().center();
        clickAt(c().Picture1->drawingArea(), onDisc);
        QVERIFY(c().oval[1]->isVisible());
        QCOMPARE(c().oval[1]->place().left, 1050.0);
    }

    void aFullColumnIsCountedButPlacesAndSoundsNothing() {
        clickColumns({3, 3, 3, 3, 3});
        journal.clear();
        clickColumn(3);
        QCOMPARE(journal, Journal{});
        QCOMPARE(form->game().moves(), 6);
        QCOMPARE(visibleDiscs(), 5);
        clickColumn(0);  // blue still to move, with the seventh disc image
        QVERIFY(!c().oval[5]->isVisible());
        QVERIFY(c().oval[6]->isVisible());
        QCOMPARE(c().oval[6]->picture(), c().blue->picture());
    }

    void aRedWinSoundsBeforeTheClickAndStopsTheBoard() {
        QStringList winnerWhenCued;
        cues.onPlay = [&](platform::Cue) { winnerWhenCued << c().winner->text(); };
        clickColumns({0, 0, 1, 1, 2, 2});
        journal.clear();
        winnerWhenCued.clear();
        clickColumn(3);
        QCOMPARE(journal, (Journal{kWinCue, kClickCue}));
        // The message appears after the win cue, before the click cue.
        QCOMPARE(winnerWhenCued, (QStringList{"", texts::kRedWins}));
        QCOMPARE(c().winner->text(), QString(" Congratulations!! Red Player Wins "));
        QCOMPARE(c().winner->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(c().rwinned->text(), QString("1"));
        QVERIFY(!c().Picture1->isEnabled());

        journal.clear();
        clickColumn(4);
        QCOMPARE(journal, Journal{});
        QCOMPARE(visibleDiscs(), 7);
    }

    void aBlueWinIsShownInBlue() {
        clickColumns({4, 0, 4, 0, 3, 0, 3, 0});
        QCOMPARE(c().winner->text(), QString(" Congratulations!! Blue Player Wins "));
        QCOMPARE(c().winner->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(c().bwinned->text(), QString("1"));
        QCOMPARE(c().rwinned->text(), QString("0"));
    }

    void aDiscCompletingARowAndADiagonalIsAnnouncedOnce() {
        // Red's last disc, bottom-left, completes the bottom row and the
        // diagonal rising from it.
        clickColumns({1, 4, 1, 4, 3, 3, 2, 3, 3, 2, 2, 4});
        QCOMPARE(c().winner->text(), QString());
        journal.clear();
        clickColumn(0);
        QCOMPARE(journal, (Journal{kWinCue, kClickCue}));
        QCOMPARE(c().rwinned->text(), QString("1"));
    }

    void after25CountedClicksTheNextIsADrawAndTheTurnIsKept() {
        clickColumns({0, 0, 0, 0, 0});  // red, blue, red, blue, red
        for (int i = 0; i < 20; ++i) {
            clickColumn(0);  // full: counted only
        }
        QCOMPARE(form->game().moves(), 25);
        bool discsShownDuringMessage = false;
        dialogs.onDialog = [&] { discsShownDuringMessage = visibleDiscs() == 5; };
        journal.clear();
        clickColumn(3);
        QCOMPARE(journal, Journal{QString("message:[%1]").arg(texts::kDraw)});
        QVERIFY(discsShownDuringMessage);
        QCOMPARE(visibleDiscs(), 0);
        QCOMPARE(c().rstep->text(), QString("0"));
        QCOMPARE(c().bstep->text(), QString("0"));
        QCOMPARE(form->game().moves(), 0);

        clickColumn(1);  // blue was to move, and still is
        QCOMPARE(c().oval[0]->picture(), c().blue->picture());
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
        clickColumns({0, 0, 1, 1, 2, 2, 3});  // red wins
        bool resetBeforeQuestion = false;
        dialogs.onDialog = [&] {
            resetBeforeQuestion =
                resetBeforeQuestion ||
                (visibleDiscs() == 0 && c().winner->text().isEmpty() && c().Picture1->isEnabled());
        };
        dialogs.answers = {answer, "Cy", "Di"};
        journal.clear();
        clickCentre(c().newbutton);

        Journal expected{kClickCue, kNewPlayers};
        if (newPlayers) {
            expected << input(" First Player's First Name") << input(" Second Player's First Name");
        }
        QCOMPARE(journal, expected);
        QVERIFY(resetBeforeQuestion);
        QCOMPARE(c().Label1->text(), QString(newPlayers ? "Cy" : "Ann"));
        QCOMPARE(c().Label2->text(), QString(newPlayers ? "Di" : "Bob"));
        QCOMPARE(c().rwinned->text(), QString(newPlayers ? "0" : "1"));
        QCOMPARE(c().rstep->text(), QString("0"));
        // The winner line keeps its colour for the next message.
        QCOMPARE(c().winner->palette().color(QPalette::WindowText), QColor(255, 0, 0));

        clickColumn(2);  // red moves first again
        QCOMPARE(c().oval[0]->picture(), c().red->picture());
    }

    void keys1To5DropIntoTheirColumnsWhileTheBoardHasFocus() {
        c().Picture1->setFocus();
        QTRY_VERIFY(c().Picture1->hasFocus());
        QTest::keyClick(c().Picture1, Qt::Key_3);
        QCOMPARE(c().oval[0]->place().left, 1990.0);
        QTest::keyClick(c().Picture1, Qt::Key_5);
        QCOMPARE(c().oval[1]->place().left, 3870.0);
        QTest::keyClick(c().Picture1, Qt::Key_6);
        QTest::keyClick(c().Picture1, Qt::Key_0);
        QCOMPARE(form->game().moves(), 2);
        QCOMPARE(journal, (Journal{kClickCue, kClickCue}));
    }

    // Other layouts' digits: Arabic-Indic and full-width ones, the keypad's;
    // but not AZERTY's superscript two.
    void digitsOfOtherScriptsAndTheKeypadDropToo() {
        c().Picture1->setFocus();
        QTRY_VERIFY(c().Picture1->hasFocus());
        const auto press = [this](int key, const QString &text, Qt::KeyboardModifiers modifiers = {}) {
            QTest::sendKeyEvent(QTest::Click, c().Picture1, Qt::Key(key), text, modifiers);
        };
        press(0x0663, QString(QChar(0x0663)));  // ٣
        QCOMPARE(c().oval[0]->place().left, 1990.0);
        press(0xFF15, QString(QChar(0xFF15)));  // ５
        QCOMPARE(c().oval[1]->place().left, 3870.0);
        press(Qt::Key_2, "2", Qt::KeypadModifier);
        QCOMPARE(c().oval[2]->place().left, 1050.0);
        press(Qt::Key_twosuperior, QString(QChar(0x00B2)));  // ²
        QCOMPARE(form->game().moves(), 3);
    }

    void keysDropNothingOnAWonBoard() {
        clickColumns({0, 0, 1, 1, 2, 2, 3});
        journal.clear();
        QTest::keyClick(c().Picture1, Qt::Key_5);
        QCOMPARE(journal, Journal{});
        QCOMPARE(form->game().moves(), 7);
    }

    void theNewGameItemAndCtrlNRunTheSameCommand() {
        clickColumns({0, 1});
        dialogs.answers = {"n"};
        journal.clear();
        c().newgame->trigger();
        QCOMPARE(journal, (Journal{kClickCue, kNewPlayers}));

        clickColumns({0, 1});
        dialogs.answers = {"n"};
        journal.clear();
        QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(journal, (Journal{kClickCue, kNewPlayers}));
        QCOMPARE(visibleDiscs(), 0);
    }
};

QTEST_MAIN(Form1PlayTest)
#include "form1_play_test.moc"
