#pragma once

#include <QByteArray>

// What the user's desktop says about event sounds, read anew at each call so
// that a change made while the game runs is followed from the next sound on.

namespace dropline::platform {

inline constexpr const char *kFallbackSoundTheme = "freedesktop";

// The sound theme the desktop names: on KDE Plasma the [Sounds] Theme of
// kdeglobals, elsewhere the theme-name of GSettings' org.gnome.desktop.sound
// (when that schema is installed), and "freedesktop" when neither names one.
QByteArray desktopSoundTheme();

// Whether the desktop plays event sounds at all: the event-sounds switch of
// org.gnome.desktop.sound. True where that schema or key is not installed.
bool desktopEventSounds();

}  // namespace dropline::platform
