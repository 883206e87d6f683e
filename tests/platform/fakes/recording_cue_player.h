#pragma once

#include <functional>
#include <vector>

#include "platform/cues.h"

// A cue player for tests: remembers every cue in the order played and runs an
// optional hook on each, so a test can place cues among other events.

namespace dropline::platform {

class RecordingCuePlayer final : public CuePlayer {
public:
    void play(Cue cue) override {
        played.push_back(cue);
        if (onPlay) {
            onPlay(cue);
        }
    }

    std::vector<Cue> played;
    std::function<void(Cue)> onPlay;
};

}  // namespace dropline::platform
