// The cue player's own rules, on a scripted backend: the fallback to the
// default sound, sounds started on the sound thread only, the bounded wait of
// the synchronous win cue, that the game takes no input while it waits, and
// that a sound server which stops answering never holds the game.

#include <qpa/qwindowsysteminterface.h>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <chrono>
#include <memory>
#include <thread>

#include "fake_sound_backend.h"
#include "platform/finish_wait.h"
#include "platform/sound_cue_player.h"

using namespace dropline::platform;
using namespace std::chrono_literals;
using Finish = FakeSoundBackend::Finish;
using Results = std::map<std::string, SoundStart>;

Q_DECLARE_METATYPE(Cue)
Q_DECLARE_METATYPE(Results)

namespace {

// Generous: far above any wait the player should make, only to catch a hang.
constexpr auto kHangBound = 10s;
// What a call that "returns at once" may take on a loaded machine.
constexpr auto kAtOnce = 500ms;

// A player on a fake backend; the fake stays reachable for inspection (the
// player's sound thread owns it).
struct Rig {
    Rig() : backend(new FakeSoundBackend), player(std::unique_ptr<SoundBackend>(backend)) {}

    QStringList starts() const {
        QStringList list;
        for (const std::string &start : backend->starts()) {
            list << QString::fromStdString(start);
        }
        return list;
    }

    FakeSoundBackend *backend;
    SoundCuePlayer player;
};

std::chrono::milliseconds timedPlay(CuePlayer &player, Cue cue) {
    QElapsedTimer timer;
    timer.start();
    player.play(cue);
    return std::chrono::milliseconds{timer.elapsed()};
}

// Records presses and paints into a shared log.
class LoggingWidget : public QWidget {
public:
    explicit LoggingWidget(QStringList &log) : log_(log) { resize(200, 200); }

protected:
    void mousePressEvent(QMouseEvent *) override { log_ << "press"; }
    void paintEvent(QPaintEvent *) override {
        QPainter(this).fillRect(rect(), Qt::white);
        log_ << "paint";
    }

private:
    QStringList &log_;
};

}  // namespace

class SoundCuePlayerTest : public QObject {
    Q_OBJECT

private slots:
    void startsTheRightSounds_data();
    void startsTheRightSounds();
    void stuckServerNeverHoldsTheGame();
    void failedWinCueReturnsAtOnce();
    void waitEndsWhenTheEndIsReportedFromAnotherThread();
    void userInputWaitsUntilTheWinCueHasEnded();
    void lateEndAfterTheWaitIsHarmless();
    void finishWaitTellsHowItEnded();
};

void SoundCuePlayerTest::startsTheRightSounds_data() {
    QTest::addColumn<Cue>("cue");
    QTest::addColumn<Results>("results");
    QTest::addColumn<QStringList>("expectedStarts");

    const SoundStart missing = SoundStart::NotFound;
    const SoundStart failed = SoundStart::Failed;
    QTest::newRow("click") << Cue::Click << Results{} << QStringList{"async:message"};
    QTest::newRow("opening") << Cue::Opening << Results{} << QStringList{"async:service-logout"};
    QTest::newRow("win") << Cue::Win << Results{} << QStringList{"sync:complete"};
    QTest::newRow("click missing: bell") << Cue::Click << Results{{"message", missing}}
                                         << QStringList{"async:message", "async:bell"};
    QTest::newRow("opening missing: bell") << Cue::Opening << Results{{"service-logout", missing}}
                                           << QStringList{"async:service-logout", "async:bell"};
    QTest::newRow("win missing: bell, waited for")
        << Cue::Win << Results{{"complete", missing}} << QStringList{"sync:complete", "sync:bell"};
    QTest::newRow("click and bell missing: nothing")
        << Cue::Click << Results{{"message", missing}, {"bell", missing}}
        << QStringList{"async:message", "async:bell"};
    QTest::newRow("win and bell missing: nothing")
        << Cue::Win << Results{{"complete", missing}, {"bell", failed}}
        << QStringList{"sync:complete", "sync:bell"};
    QTest::newRow("no server: no bell either")
        << Cue::Click << Results{{"message", failed}} << QStringList{"async:message"};
    QTest::newRow("win, no server: no bell either")
        << Cue::Win << Results{{"complete", failed}} << QStringList{"sync:complete"};
}

void SoundCuePlayerTest::startsTheRightSounds() {
    QFETCH(Cue, cue);
    QFETCH(Results, results);
    QFETCH(QStringList, expectedStarts);

    Rig rig;
    rig.backend->results = results;
    rig.backend->finish = Finish::AtOnce;
    QVERIFY(timedPlay(rig.player, cue) < kHangBound);

    QTRY_COMPARE(rig.starts(), expectedStarts);
    for (const std::thread::id thread : rig.backend->startThreads()) {
        QVERIFY2(thread != std::this_thread::get_id(), "a sound was started on the event thread");
        QCOMPARE(thread, rig.backend->startThreads().front());
    }
}

void SoundCuePlayerTest::stuckServerNeverHoldsTheGame() {
    auto rig = std::make_unique<Rig>();
    rig->backend->hold();
    rig->player.play(Cue::Opening);  // the sound thread is now stuck in the server
    QTRY_COMPARE(rig->starts().size(), qsizetype{1});

    for (int i = 0; i < 20; ++i) {  // more than the queue keeps
        QVERIFY(timedPlay(rig->player, Cue::Click) < kAtOnce);
    }
    const auto win = timedPlay(rig->player, Cue::Win);
    QVERIFY2(win >= kSyncCueLimit - 50ms, "the win cue returned before its sound could have ended");
    QVERIFY2(win < kHangBound, "the win cue's wait was not bounded");

    // Once the server answers again, the cues it held up are too late to play.
    rig->backend->release();
    QTest::qWait(200);
    QCOMPARE(rig->starts(), QStringList{"async:service-logout"});

    // Ending the program does not wait for a server stuck again.
    rig->backend->hold();
    rig->player.play(Cue::Click);
    QTRY_COMPARE(rig->starts().size(), qsizetype{2});
    QElapsedTimer timer;
    timer.start();
    FakeSoundBackend *backend = rig->backend;
    rig.reset();
    QVERIFY(std::chrono::milliseconds{timer.elapsed()} < 2 * kAtOnce);
    backend->release();  // lets the abandoned thread end
}

void SoundCuePlayerTest::failedWinCueReturnsAtOnce() {
    Rig rig;
    rig.backend->results = {{"complete", SoundStart::Failed}};
    rig.backend->finish = Finish::Never;
    QVERIFY(timedPlay(rig.player, Cue::Win) < kAtOnce);
}

void SoundCuePlayerTest::waitEndsWhenTheEndIsReportedFromAnotherThread() {
    constexpr auto kDelay = 150ms;
    Rig rig;
    rig.backend->finish = Finish::FromOtherThread;
    rig.backend->finishDelay = kDelay;
    const auto elapsed = timedPlay(rig.player, Cue::Win);
    QVERIFY2(elapsed >= kDelay, "returned before the end was reported");
    QVERIFY2(elapsed < 4000ms, "the reported end did not stop the wait");
    const auto threads = rig.backend->finishThreads();
    QCOMPARE(threads.size(), std::size_t{1});
    QVERIFY(threads.front() != std::this_thread::get_id());
}

void SoundCuePlayerTest::userInputWaitsUntilTheWinCueHasEnded() {
    QStringList log;
    LoggingWidget widget(log);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QWindow *window = widget.windowHandle();
    QVERIFY(window);

    Rig rig;
    rig.backend->finish = Finish::FromOtherThread;
    rig.backend->finishDelay = 300ms;

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);

    // Once the wait has begun: a click arrives from the window system, and the
    // window asks to be repainted.
    QTimer::singleShot(0, [&] {
        log.clear();
        const QPointF at(50, 50);
        const QPointF global = window->mapToGlobal(at.toPoint());
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, at, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
        widget.update();
    });

    rig.player.play(Cue::Win);
    const int ticksDuringWait = ticks;
    log << "returned";

    QTRY_VERIFY(log.contains("press"));
    QVERIFY2(log.indexOf("press") > log.indexOf("returned"), qPrintable(log.join(", ")));
    QVERIFY2(log.indexOf("paint") >= 0 && log.indexOf("paint") < log.indexOf("returned"),
             "the window did not repaint during the wait");
    QVERIFY2(ticksDuringWait > 0, "timers did not run during the wait");
}

void SoundCuePlayerTest::lateEndAfterTheWaitIsHarmless() {
    SoundBackend::FinishHandler handler;
    {
        FinishWait wait;
        handler = wait.handler();
        wait.wait(10ms);
    }
    std::thread late(handler);
    late.join();
    handler();
    QCoreApplication::processEvents();

    FinishWait alreadyEnded;
    alreadyEnded.handler()();
    QElapsedTimer timer;
    timer.start();
    alreadyEnded.wait(5000ms);
    QVERIFY(timer.elapsed() < 2000);
}

void SoundCuePlayerTest::finishWaitTellsHowItEnded() {
    FinishWait timedOut;
    QVERIFY(!timedOut.wait(20ms));

    FinishWait ended;
    std::thread reporter([handler = ended.handler()] {
        std::this_thread::sleep_for(50ms);
        handler();
    });
    QElapsedTimer timer;
    timer.start();
    const bool endReported = ended.wait(5000ms);
    const auto elapsed = timer.elapsed();
    reporter.join();
    QVERIFY(endReported);
    QVERIFY(elapsed < 4000);
}

QTEST_MAIN(SoundCuePlayerTest)
#include "sound_cue_player_test.moc"
