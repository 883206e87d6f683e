#pragma once

#include <functional>

// What plays a sound-theme event. The production backend talks to the
// desktop's sound server; tests put a scripted one in its place. A backend is
// used from one thread only (the sound thread), and its calls may block.

namespace dropline::platform {

enum class SoundStart {
    Started,   // the sound is playing
    NotFound,  // the theme has no such event
    Failed,    // no server, no device, a broken backend, a disabled sound...
};

class SoundBackend {
public:
    // Called when a sound has ended, or its playing was cut short. It may come
    // from any thread, comes at most once, and only for a sound whose start
    // returned Started.
    using FinishHandler = std::function<void()>;

    virtual ~SoundBackend() = default;

    // Starts the event's sound; `onFinished`, when given, is told of its end.
    virtual SoundStart start(const char *themeEvent, FinishHandler onFinished = {}) = 0;
};

}  // namespace dropline::platform
