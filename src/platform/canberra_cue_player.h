#pragma once

#include <QString>

#include "platform/cues.h"
#include "platform/sound_cue_player.h"

// The game's cue player on a Linux desktop: the events of the desktop's sound
// theme, played by the sound server.

namespace dropline::platform {

class CanberraCuePlayer final : public CuePlayer {
public:
    // The sound server shows the program under `applicationName` (default: the
    // application's display name) and `applicationId` (default: the desktop
    // file name, else the application name).
    explicit CanberraCuePlayer(const QString &applicationName = {},
                               const QString &applicationId = {});

    void play(Cue cue) override;

private:
    SoundCuePlayer player_;
};

}  // namespace dropline::platform
