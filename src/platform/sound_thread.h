#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "platform/sound_backend.h"

// Runs sound work on a thread of its own, so that a slow, stuck or vanished
// sound server never holds the game's event thread. Jobs run in the order they
// were posted; one that waited too long to start (the thread was stuck in the
// server) is dropped instead, since a late sound no longer marks its event.

namespace dropline::platform {

class SoundThread {
public:
    // The backend's calls all run on the new thread; it is destroyed there.
    explicit SoundThread(std::unique_ptr<SoundBackend> backend);
    // Ends the thread. If it is stuck inside the backend it is left behind
    // rather than waited for, so the program can still end.
    ~SoundThread();
    SoundThread(const SoundThread &) = delete;
    SoundThread &operator=(const SoundThread &) = delete;

    // A job gets the backend, or nullptr when it is dropped.
    using Job = std::function<void(SoundBackend *)>;
    void post(Job job);

private:
    struct State;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace dropline::platform
