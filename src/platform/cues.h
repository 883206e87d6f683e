#pragma once

#include <array>

// The game's event sounds. Each cue is one entry of one table: the desktop
// sound-theme event that plays it, and whether the caller waits for it to
// finish.

namespace dropline::platform {

enum class Cue { Opening, Click, Win };

enum class CueMode {
    Async,  // returns at once
    Sync,   // returns when the sound has finished (bounded)
};

struct CueEntry {
    Cue cue;
    const char *themeEvent;  // sound-theme event id
    CueMode mode;
};

inline constexpr std::array<CueEntry, 3> kCues{{
    {Cue::Opening, "service-logout", CueMode::Async},
    {Cue::Click, "message", CueMode::Async},
    {Cue::Win, "complete", CueMode::Sync},
}};

// Played when a cue's own sound is missing from the theme.
inline constexpr const char *kDefaultThemeEvent = "bell";

constexpr const CueEntry &cueEntry(Cue cue) {
    for (const CueEntry &entry : kCues) {
        if (entry.cue == cue) {
            return entry;
        }
    }
    return kCues[0];
}

// Plays cues. The game raises every sound through this, so tests can record.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

}  // namespace dropline::platform
