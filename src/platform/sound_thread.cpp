#include "platform/sound_thread.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace dropline::platform {
namespace {

using Clock = std::chrono::steady_clock;

// A sound that could not start within this time after its event is dropped.
constexpr auto kLateAfter = std::chrono::milliseconds{1000};
// At most this many jobs wait; the oldest go first.
constexpr std::size_t kMaxPending = 8;
// How long the end of the program waits for a sound call that is under way.
constexpr auto kShutdownWait = std::chrono::milliseconds{500};

struct Pending {
    SoundThread::Job job;
    Clock::time_point posted;
};

}  // namespace

struct SoundThread::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Pending> pending;
    bool stopping = false;
    bool stopped = false;
    std::unique_ptr<SoundBackend> backend;

    void run() {
        std::unique_lock lock(mutex);
        while (true) {
            changed.wait(lock, [this] { return stopping || !pending.empty(); });
            if (stopping) {
                break;
            }
            Pending next = std::move(pending.front());
            pending.pop_front();
            lock.unlock();
            const bool late = Clock::now() - next.posted > kLateAfter;
            next.job(late ? nullptr : backend.get());
            lock.lock();
        }
        std::deque<Pending> dropped = std::move(pending);
        lock.unlock();
        for (Pending &job : dropped) {
            job.job(nullptr);
        }
        backend.reset();  // closes the connection to the sound server
        lock.lock();
        stopped = true;
        changed.notify_all();
    }
};

SoundThread::SoundThread(std::unique_ptr<SoundBackend> backend)
    : state_(std::make_shared<State>()) {
    state_->backend = std::move(backend);
    thread_ = std::thread([state = state_] { state->run(); });
}

SoundThread::~SoundThread() {
    std::unique_lock lock(state_->mutex);
    state_->stopping = true;
    state_->changed.notify_all();
    const bool stopped =
        state_->changed.wait_for(lock, kShutdownWait, [this] { return state_->stopped; });
    lock.unlock();
    if (stopped) {
        thread_.join();
    } else {
        thread_.detach();  // it keeps the state alive for as long as it runs
    }
}

void SoundThread::post(Job job) {
    Job dropped;
    {
        const std::lock_guard lock(state_->mutex);
        if (state_->pending.size() >= kMaxPending) {
            dropped = std::move(state_->pending.front().job);
            state_->pending.pop_front();
        }
        state_->pending.push_back({std::move(job), Clock::now()});
        state_->changed.notify_all();
    }
    if (dropped) {
        dropped(nullptr);
    }
}

}  // namespace dropline::platform
