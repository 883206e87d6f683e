// The cue table: every cue listed once, and the installed freedesktop sound
// theme (the one every other theme falls back to) has each cue's sound and
// the default sound.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/cues.h"
#include "platform/desktop_sound_settings.h"

namespace dropline::platform {
namespace {

TEST(CueTable, ListsEveryCueOnce) {
    std::set<Cue> cues;
    for (const CueEntry &entry : kCues) {
        EXPECT_TRUE(cues.insert(entry.cue).second);
    }
    EXPECT_EQ(cues.size(), kCues.size());
}

TEST(InstalledSoundTheme, HasEveryCueSoundAndTheDefault) {
    const std::filesystem::path stereo =
        std::filesystem::path("/usr/share/sounds") / kFallbackSoundTheme / "stereo";
    for (const CueEntry &entry : kCues) {
        EXPECT_TRUE(std::filesystem::is_regular_file(stereo / (std::string(entry.themeEvent) + ".oga")))
            << entry.themeEvent;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(stereo / (std::string(kDefaultThemeEvent) + ".oga")));
}

}  // namespace
}  // namespace dropline::platform
