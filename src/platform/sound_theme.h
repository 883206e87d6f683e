#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finds the file that plays a desktop sound-theme event, the way the sound
// server's client library looks it up: the theme's own directories first,
// then the themes it inherits, and the freedesktop theme last.

namespace dropline::platform {

inline constexpr std::string_view kFallbackSoundTheme = "freedesktop";

// The XDG data directories, most important first: $XDG_DATA_HOME (or
// ~/.local/share), then $XDG_DATA_DIRS (or /usr/local/share:/usr/share).
std::vector<std::filesystem::path> xdgDataDirs();

std::optional<std::filesystem::path> findThemeSound(
    std::string_view event, const std::vector<std::filesystem::path> &dataDirs,
    std::string_view theme = kFallbackSoundTheme);

}  // namespace dropline::platform
