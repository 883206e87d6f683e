#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "platform/cues.h"
#include "platform/sound_backend.h"

// Plays the game's cues through a sound backend: a missing theme event falls
// back to the default sound, the win cue holds the game until its sound has
// ended (bounded), and any failure is silent.

namespace dropline::platform {

// The length of a theme event's sound, if it can be told.
using SoundLengthLookup = std::function<std::optional<std::chrono::milliseconds>(const char *)>;

// Looks the event up in the installed freedesktop sound theme.
std::optional<std::chrono::milliseconds> themeSoundLength(const char *themeEvent);

class SoundCuePlayer final : public CuePlayer {
public:
    explicit SoundCuePlayer(std::unique_ptr<SoundBackend> backend,
                            SoundLengthLookup lengthOf = themeSoundLength);
    ~SoundCuePlayer() override;

    void play(Cue cue) override;

private:
    void playAsync(const char *themeEvent);
    void playSync(const char *themeEvent);

    std::unique_ptr<SoundBackend> backend_;
    SoundLengthLookup lengthOf_;
};

}  // namespace dropline::platform
