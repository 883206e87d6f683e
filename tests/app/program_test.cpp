#include <QAction>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <QMenu>
#include <QMenuBar>

#include "app/about_window.h"
#include "app/farewell_window.h"
#include "app/program.h"
#include "ui/side_window_designs.h"
#include "ui/window_fixture.h"

using namespace dropline;
using namespace dropline::testing;
using app::Program;
namespace design = dropline::ui::main_window;

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

    ui::MainWindow &main() { return program->mainWindow(); }
    app::AboutWindow *about() { return program->aboutWindow(); }
    app::FarewellWindow *farewell() { return program->farewellWindow(); }

    void menuItem(int menu, int item) {
        main().menuBar()->actions()[menu]->menu()->actions()[item]->trigger();
    }
    void exitItem() { menuItem(0, 2); }
    void aboutItem() { menuItem(1, 0); }
    void clickButton(QWidget *sideWindow) {
        clickAt(sideWindow, ui::kSideWindowButton.toPixels().center());
    }

    // Starts the program afresh, its names asked, its windows placed by
    // `placement`.
    void restart(platform::Placement placement) {
        program.reset();
        journal.clear();
        ends = 0;
        dialogs.answers = {"Ann", "Bob"};
        program = std::make_unique<Program>(
            cues, dialogs, [this] { ++ends; }, placement);
        program->start();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QTRY_COMPARE(journal.size(), 3);
        journal.clear();
    }

private slots:
    void init() { restart(platform::Placement::ByProgram); }
    void cleanup() { program.reset(); }

    void aboutOpensBesideTheMainWindowBothWays() {
        clickClient(main(), design::kAboutButton);
        QCOMPARE(journal, Journal{kClickCue});
        QVERIFY(about());
        QVERIFY(about()->isVisible());
        QVERIFY(main().isVisible());

        app::AboutWindow *shown = about();
        activate(&main());
        journal.clear();
        QTest::keyClick(&main(), Qt::Key_F1);  // no cue from the menu item
        QCOMPARE(about(), shown);              // the same window, brought forward
        QVERIFY(!journal.contains(kClickCue));
    }

    // Where the screen has room on neither side of the main window, the
    // about window still lies on the screen.
    void theAboutWindowStaysOnTheScreen() {
        const QRect screen = main().screen()->availableGeometry();
        main().move(screen.center().x() - main().frameGeometry().width() / 2, screen.top());
        QVERIFY(screen.width() < main().frameGeometry().width() + 2 * 300);
        aboutItem();
        QVERIFY(screen.contains(about()->frameGeometry()));
    }

    // On Wayland the about window is a popup beside the main window, which
    // keeps the keyboard focus there; until the player clicks the main
    // window, the keys go to the about window all the same.
    void theAboutWindowTakesTheKeysAsAPopup() {
        restart(platform::Placement::ByDesktop);
        QWindow *handle = main().windowHandle();
        QTest::keyClick(handle, Qt::Key_F1);
        QVERIFY(about()->isVisible());
        QCOMPARE(about()->windowType(), Qt::ToolTip);
        QCOMPARE(about()->parentWidget(), &main());
        QVERIFY(main().isActiveWindow());
        QTest::keyClick(handle, Qt::Key_1);
        QTest::keyClick(handle, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(main().game().countedClicks(), 0);
        QVERIFY(!farewell());
        QTest::keyClick(handle, Qt::Key_Return);
        QTRY_VERIFY(about() == nullptr);
        QCOMPARE(main().game().countedClicks(), 0);
        // Back with the main window: its activation, which asks no names.
        QTRY_COMPARE(journal, Journal{kOpeningCue});
    }

    void aClickOnTheMainWindowTakesTheKeysBackFromThePopup() {
        restart(platform::Placement::ByDesktop);
        QWindow *handle = main().windowHandle();
        QTest::keyClick(handle, Qt::Key_F1);
        clickColumn(main(), 0);
        QTest::keyClick(handle, Qt::Key_1);
        QCOMPARE(main().game().countedClicks(), 2);
        QVERIFY(about()->isVisible());
        QTRY_COMPARE(journal.count(kOpeningCue), 1);
    }

    void theAboutWindowIsFramelessWithItsDesign() {
        aboutItem();
        QVERIFY(about()->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about()->windowTitle(), QString("Tarvin Dropline           -- About --"));
        QCOMPARE(about()->size(), QSize(300, 196));
        QVERIFY(!about()->windowIcon().isNull());
        // Only the OK area closes the window.
        clickAt(about(), {100, 100});
        QVERIFY(about());
    }

    void closingAboutAndReturningSoundsTheOpeningCueButAsksNoNames() {
        aboutItem();
        QVERIFY(QTest::qWaitForWindowActive(about()));
        journal.clear();
        clickButton(about());
        QTRY_VERIFY(about() == nullptr);  // unloaded
        activate(&main());
        QTRY_COMPARE(journal, Journal{kOpeningCue});
    }

    void leavingByTheDrawnCloseBox() {
        clickClient(main(), design::kCloseBox);
        QCOMPARE(journal, (Journal{kClickCue, kOpeningCue}));
        QVERIFY(!main().isVisible());
        QVERIFY(farewell());
        QVERIFY(farewell()->isVisible());
        QCOMPARE(ends, 0);
    }

    void leavingByTheMenuItemAndCtrlQ() {
        QTest::keyClick(&main(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(journal, Journal{kOpeningCue});
        QVERIFY(!main().isVisible());
        QVERIFY(farewell()->isVisible());
    }

    void leavingByTheWindowFrameShowsTheFarewellOnce() {
        main().close();
        QVERIFY(farewell());
        QVERIFY(!main().isVisible());
        app::FarewellWindow *shown = farewell();
        main().close();
        QCOMPARE(farewell(), shown);
        QCOMPARE(journal, Journal{kOpeningCue});
    }

    void theFarewellWindowAsDesigned() {
        exitItem();
        QVERIFY(farewell()->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(farewell()->windowTitle(), QString("Form3"));
        QCOMPARE(farewell()->size(), QSize(301, 201));
        QVERIFY(farewell()->windowIcon().isNull());
        // The one-pixel dark grey strip right and bottom of the picture.
        const QImage image = farewell()->grab().toImage();
        QCOMPARE(image.pixelColor(300, 100), QColor(0x40, 0x40, 0x40));
        QCOMPARE(image.pixelColor(100, 200), QColor(0x40, 0x40, 0x40));
    }

    void theExitAreaEndsTheProgramAtOnce() {
        exitItem();
        clickButton(farewell());
        QCOMPARE(ends, 1);
        QVERIFY(program->ended());
        clickButton(farewell());
        QCOMPARE(ends, 1);
    }

    void theTimerEndsTheProgramTenSecondsAfterTheFarewell() {
        QElapsedTimer clock;
        exitItem();
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(ends, 1, 12000);
        QVERIFY(clock.elapsed() >= 9900);
    }

    void theFarewellClosedByTheDesktopEndsTheProgram() {
        exitItem();
        farewell()->close();
        QCOMPARE(ends, 1);
    }

    void anAboutWindowLeftOpenStaysUntilTheEnd() {
        aboutItem();
        exitItem();
        QVERIFY(about());
        QVERIFY(about()->isVisible());
        QVERIFY(farewell()->isVisible());
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
