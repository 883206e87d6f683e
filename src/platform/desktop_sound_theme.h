#pragma once

#include <QByteArray>

// The sound theme the user's desktop names: on KDE Plasma the [Sounds] Theme
// of kdeglobals, elsewhere the theme-name of GSettings' org.gnome.desktop.sound
// (when that schema is installed), and "freedesktop" when neither names one.
// Read anew at each call, so a theme picked while the game runs is followed.

namespace dropline::platform {

inline constexpr const char *kFallbackSoundTheme = "freedesktop";

QByteArray desktopSoundTheme();

}  // namespace dropline::platform
