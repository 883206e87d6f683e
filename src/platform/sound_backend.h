#pragma once

#include <functional>

// What plays a sound-theme event. The production backend talks to the
// desktop's sound server; tests put a scripted one in its place.

namespace dropline::platform {

enum class SoundStart {
    Started,   // the sound is playing
    NotFound,  // the theme has no such event
    Failed,    // no server, no device, a broken backend, a disabled sound...
};

class SoundBackend {
public:
    // Called when a synchronous sound has ended. It may come from any thread,
    // comes at most once, and only for a sound whose start returned Started.
    using FinishHandler = std::function<void()>;

    virtual ~SoundBackend() = default;

    // Both return at once; neither waits for the sound.
    virtual SoundStart startAsync(const char *themeEvent) = 0;
    virtual SoundStart startSync(const char *themeEvent, FinishHandler onFinished) = 0;
};

}  // namespace dropline::platform
