#include "platform/finish_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <condition_variable>
#include <mutex>

namespace dropline::platform {

struct FinishWait::State {
    std::mutex mutex;
    std::condition_variable finishedChanged;  // for a wait without an event loop
    bool finished = false;
    QEventLoop *loop = nullptr;  // set while the event loop waits
};

FinishWait::FinishWait() : state_(std::make_shared<State>()) {}

FinishWait::~FinishWait() = default;

SoundBackend::FinishHandler FinishWait::handler() const {
    return [state = state_] {
        const std::lock_guard lock(state->mutex);
        state->finished = true;
        state->finishedChanged.notify_all();
        if (state->loop) {
            // Runs in the loop's own thread; dropped if the loop is gone by then.
            QEventLoop *loop = state->loop;
            QMetaObject::invokeMethod(
                loop, [loop] { loop->quit(); }, Qt::QueuedConnection);
        }
    };
}

bool FinishWait::wait(std::chrono::milliseconds limit) {
    if (!QCoreApplication::instance()) {
        std::unique_lock lock(state_->mutex);
        return state_->finishedChanged.wait_for(lock, limit, [this] { return state_->finished; });
    }

    QEventLoop loop;
    {
        const std::lock_guard lock(state_->mutex);
        if (state_->finished) {
            return true;
        }
        state_->loop = &loop;
    }
    QTimer limitTimer;
    limitTimer.setSingleShot(true);
    limitTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limitTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    limitTimer.start(limit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const std::lock_guard lock(state_->mutex);
    state_->loop = nullptr;
    return state_->finished;
}

}  // namespace dropline::platform
