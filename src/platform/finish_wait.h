#pragma once

#include <chrono>
#include <memory>

#include "platform/sound_backend.h"

// Holds the event thread until a sound reports its end or a time limit runs
// out. Meanwhile timers run and windows repaint, but user input waits in the
// queue until the wait is over.

namespace dropline::platform {

class FinishWait {
public:
    FinishWait();
    ~FinishWait();
    FinishWait(const FinishWait &) = delete;
    FinishWait &operator=(const FinishWait &) = delete;

    // Ends the wait. Safe from any thread, at any time, also after this
    // object is gone.
    SoundBackend::FinishHandler handler() const;

    // Returns once the handler has run or `limit` has passed, whichever is
    // first; at once if the handler already ran. True when the handler ran.
    bool wait(std::chrono::milliseconds limit);

private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace dropline::platform
