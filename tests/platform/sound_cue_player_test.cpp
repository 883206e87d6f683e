// The cue player's own rules, on a scripted backend: the fallback to the
// default sound, the bounded wait of the synchronous win cue, and that the
// game takes no input while it waits.

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

// A player on a fake backend; the fake stays reachable for inspection.
struct Rig {
    explicit Rig(std::optional<std::chrono::milliseconds> length = std::nullopt)
        : backend(new FakeSoundBackend),
          player(std::unique_ptr<SoundBackend>(backend), [this, length](const char *event) {
              lengthLookups.emplace_back(event);
              return length;
          }) {}

    FakeSoundBackend *backend;
    std::vector<std::string> lengthLookups;
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
    void waitIsBoundedWhenNoEndArrives();
    void waitBoundUsesTheSoundActuallyPlayed();
    void asynchronousCuesNeverWait();
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
    const auto elapsed = timedPlay(rig.player, cue);

    QStringList starts;
    for (const std::string &start : rig.backend->starts) {
        starts << QString::fromStdString(start);
    }
    QCOMPARE(starts, expectedStarts);
    QVERIFY(elapsed < kHangBound);
}

void SoundCuePlayerTest::waitIsBoundedWhenNoEndArrives() {
    constexpr auto kLength = 300ms;
    Rig rig(kLength);
    rig.backend->finish = Finish::Never;
    const auto elapsed = timedPlay(rig.player, Cue::Win);
    QVERIFY2(elapsed >= kLength, "returned before the sound could have ended");
    QVERIFY2(elapsed < kHangBound, "the wait was not bounded");
}

void SoundCuePlayerTest::waitBoundUsesTheSoundActuallyPlayed() {
    Rig rig(200ms);
    rig.backend->results = {{"complete", SoundStart::NotFound}};
    rig.backend->finish = Finish::AtOnce;
    rig.player.play(Cue::Win);
    QCOMPARE(rig.lengthLookups, std::vector<std::string>{"bell"});
}

void SoundCuePlayerTest::asynchronousCuesNeverWait() {
    Rig rig(2000ms);
    rig.backend->finish = Finish::Never;
    for (Cue cue : {Cue::Opening, Cue::Click}) {
        QVERIFY(timedPlay(rig.player, cue) < 1000ms);
    }
    QVERIFY(rig.lengthLookups.empty());
}

void SoundCuePlayerTest::failedWinCueReturnsAtOnce() {
    // Unknown length: a wait would last the full cap.
    Rig rig;
    rig.backend->results = {{"complete", SoundStart::Failed}};
    rig.backend->finish = Finish::Never;
    QVERIFY(timedPlay(rig.player, Cue::Win) < 2000ms);
}

void SoundCuePlayerTest::waitEndsWhenTheEndIsReportedFromAnotherThread() {
    constexpr auto kDelay = 150ms;
    Rig rig;  // unknown length: only the reported end can stop the wait early
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
