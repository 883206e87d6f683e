#pragma once

#include <chrono>
#include <memory>

#include "platform/cues.h"
#include "platform/sound_backend.h"
#include "platform/sound_thread.h"

// Plays the game's cues through a sound backend on the sound thread: a missing
// theme event falls back to the default sound, the win cue holds the game
// until its sound has ended (bounded), and any failure is silent. The caller
// never waits for the sound server itself.

namespace dropline::platform {

// The longest a synchronous cue holds the game. The sound server reports each
// sound's end, also when it goes away meanwhile; this bound only matters when
// it stops answering altogether.
inline constexpr std::chrono::milliseconds kSyncCueLimit{5000};

class SoundCuePlayer final : public CuePlayer {
public:
    explicit SoundCuePlayer(std::unique_ptr<SoundBackend> backend);

    void play(Cue cue) override;

private:
    SoundThread thread_;
};

}  // namespace dropline::platform
