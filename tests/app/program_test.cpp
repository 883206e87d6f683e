#include <QAction>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "app/form2.h"
#include "app/form3.h"
#include "app/program.h"
#include "ui/click_area.h"
#include "ui/fakes.h"
#include "ui/form1.h"
#include "ui/form1_design.h"
#include "ui/form2_design.h"
#include "ui/form3_design.h"
#include "ui/window_driver.h"

using namespace dropline;
using namespace dropline::testing;
using app::Program;

namespace {

void activate(QWidget *window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    int ends = 0;
    std::unique_ptr<Program> program;

    ui::Form1 &form1() { return program->form1(); }

    // Starts the program afresh, its names asked, its windows placed by
    // `placement`.
    void restart(app::Placement placement) {
        program.reset();
        journal.clear();
        ends = 0;
        dialogs.answers = {"Ann", "Bob"};
        program = std::make_unique<Program>(
            cues, dialogs, [this] { ++ends; }, placement);
        program->start();
        QVERIFY(QTest::qWaitForWindowActive(&form1()));
        QTRY_COMPARE(journal.size(), 3);
        journal.clear();
    }

private slots:
    void init() { restart(app::Placement::ByProgram); }
    void cleanup() { program.reset(); }

    void aboutOpensBesideTheMainWindowBothWays() {
        clickCentre(form1().controls().aboutbutton);
        QCOMPARE(journal, Journal{kClickCue});
        QVERIFY(program->form2());
        QVERIFY(program->form2()->isVisible());
        QVERIFY(form1().isVisible());

        app::Form2 *about = program->form2();
        activate(&form1());
        journal.clear();
        QTest::keyClick(&form1(), Qt::Key_F1);  // no cue from the menu item
        QCOMPARE(program->form2(), about);      // the same window, brought forward
        QVERIFY(!journal.contains(kClickCue));
    }

    // Where the screen has room on neither side of the main window, the
    // about window still lies on the screen.
    void theAboutWindowStaysOnTheScreen() {
        const QRect screen = form1().screen()->availableGeometry();
        form1().move(screen.center().x() - form1().frameGeometry().width() / 2, screen.top());
        QVERIFY(screen.width() < form1().frameGeometry().width() + 2 * 300);
        form1().controls().abt->trigger();
        QVERIFY(screen.contains(program->form2()->frameGeometry()));
    }

    // On Wayland the about window is a popup beside the main window, which
    // keeps the keyboard focus there; until the player clicks the main
    // window, the keys go to the about window all the same.
    void theAboutWindowTakesTheKeysAsAPopup() {
        restart(app::Placement::ByDesktop);
        QWindow *main = form1().windowHandle();
        QTest::keyClick(main, Qt::Key_F1);
        app::Form2 *about = program->form2();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowType(), Qt::ToolTip);
        QCOMPARE(about->parentWidget(), &form1());
        QVERIFY(form1().isActiveWindow());
        QTest::keyClick(main, Qt::Key_1);
        QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(form1().game().moves(), 0);
        QVERIFY(!program->form3());
        QTest::keyClick(main, Qt::Key_Return);
        QTRY_VERIFY(program->form2() == nullptr);
        QCOMPARE(form1().game().moves(), 0);
        // Back with the main window: its activation, which asks no names.
        QTRY_COMPARE(journal, Journal{kOpeningCue});
    }

    void aClickOnTheMainWindowTakesTheKeysBackFromThePopup() {
        restart(app::Placement::ByDesktop);
        QWindow *main = form1().windowHandle();
        QTest::keyClick(main, Qt::Key_F1);
        clickCentre(form1().controls().col[0]);
        QTest::keyClick(main, Qt::Key_1);
        QCOMPARE(form1().game().moves(), 2);
        QVERIFY(program->form2()->isVisible());
        QTRY_COMPARE(journal.count(kOpeningCue), 1);
    }

    void theAboutWindowIsFramelessWithItsDesign() {
        form1().controls().abt->trigger();
        app::Form2 *about = program->form2();
        QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about->windowTitle(), QString("Tarvin Dropline           -- About --"));
        QCOMPARE(about->size(), QSize(300, 196));
        QCOMPARE(about->label1()->geometry(), QRect(QPoint(112, 160), QPoint(192, 192)));
        QVERIFY(!about->windowIcon().isNull());
    }

    void closingAboutAndReturningSoundsTheOpeningCueButAsksNoNames() {
        form1().controls().abt->trigger();
        QVERIFY(QTest::qWaitForWindowActive(program->form2()));
        journal.clear();
        clickCentre(program->form2()->label1());
        QTRY_VERIFY(program->form2() == nullptr);  // unloaded
        activate(&form1());
        QTRY_COMPARE(journal, Journal{kOpeningCue});
    }

    void leavingByTheDrawnCloseBox() {
        clickCentre(form1().controls().exitbutton);
        QCOMPARE(journal, (Journal{kClickCue, kOpeningCue}));
        QVERIFY(!form1().isVisible());
        QVERIFY(program->form3());
        QVERIFY(program->form3()->isVisible());
        QCOMPARE(ends, 0);
    }

    void leavingByTheMenuItemAndCtrlQ() {
        QTest::keyClick(&form1(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(journal, Journal{kOpeningCue});
        QVERIFY(!form1().isVisible());
        QVERIFY(program->form3()->isVisible());
    }

    void leavingByTheWindowFrameShowsTheFarewellOnce() {
        form1().close();
        QVERIFY(program->form3());
        QVERIFY(!form1().isVisible());
        app::Form3 *farewell = program->form3();
        form1().close();
        QCOMPARE(program->form3(), farewell);
        QCOMPARE(journal, Journal{kOpeningCue});
    }

    void theFarewellWindowAsDesigned() {
        form1().controls().exgame->trigger();
        app::Form3 *farewell = program->form3();
        QVERIFY(farewell->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(farewell->windowTitle(), QString("Form3"));
        QCOMPARE(farewell->size(), QSize(301, 201));
        QVERIFY(farewell->windowIcon().isNull());
        QVERIFY(farewell->timer1()->isActive());
        QCOMPARE(farewell->timer1()->interval(), 10000);
        // The one-pixel dark grey strip right and bottom of the picture.
        const QImage image = farewell->grab().toImage();
        QCOMPARE(image.pixelColor(300, 100), QColor(0x40, 0x40, 0x40));
        QCOMPARE(image.pixelColor(100, 200), QColor(0x40, 0x40, 0x40));
    }

    void theExitAreaEndsTheProgramAtOnce() {
        form1().controls().exgame->trigger();
        clickCentre(program->form3()->label1());
        QCOMPARE(ends, 1);
        QVERIFY(program->ended());
        clickCentre(program->form3()->label1());
        QCOMPARE(ends, 1);
    }

    void theTimerEndsTheProgramTenSecondsAfterTheFarewell() {
        QElapsedTimer clock;
        form1().controls().exgame->trigger();
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(ends, 1, 12000);
        QVERIFY(clock.elapsed() >= 9900);
    }

    void theFarewellClosedByTheDesktopEndsTheProgram() {
        form1().controls().exgame->trigger();
        program->form3()->close();
        QCOMPARE(ends, 1);
    }

    void anAboutWindowLeftOpenStaysUntilTheEnd() {
        form1().controls().abt->trigger();
        form1().controls().exgame->trigger();
        QVERIFY(program->form2());
        QVERIFY(program->form2()->isVisible());
        QVERIFY(program->form3()->isVisible());
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
