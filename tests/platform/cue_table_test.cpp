// The cue table: which theme event plays each cue, whether the game waits for
// it, and that the installed sound theme has every one of those sounds.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/cues.h"
#include "platform/sound_theme.h"

namespace dropline::platform {
namespace {

struct Expected {
    Cue cue;
    std::string themeEvent;
    std::string windowsPath;
    CueMode mode;
};

const Expected kExpected[] = {
    {Cue::Opening, "service-logout", "c:\\windows\\media\\logoff.wav", CueMode::Async},
    {Cue::Click, "message", "c:\\windows\\media\\chimes.wav", CueMode::Async},
    {Cue::Win, "complete", "c:\\windows\\media\\tada.wav", CueMode::Sync},
};

TEST(CueTable, EachCueHasItsEventPathAndMode) {
    for (const Expected &expected : kExpected) {
        const CueEntry &entry = cueEntry(expected.cue);
        SCOPED_TRACE(expected.themeEvent);
        EXPECT_EQ(entry.cue, expected.cue);
        EXPECT_EQ(entry.themeEvent, expected.themeEvent);
        EXPECT_EQ(entry.windowsPath, expected.windowsPath);
        EXPECT_EQ(entry.mode, expected.mode);
    }
}

TEST(CueTable, ListsEveryCueOnce) {
    std::set<Cue> cues;
    for (const CueEntry &entry : kCues) {
        EXPECT_TRUE(cues.insert(entry.cue).second);
    }
    EXPECT_EQ(cues.size(), std::size(kExpected));
}

TEST(CueTable, DefaultSoundIsTheBell) {
    EXPECT_STREQ(kDefaultThemeEvent, "bell");
}

TEST(InstalledSoundTheme, HasEveryCueSoundAndTheBell) {
    const auto dataDirs = xdgDataDirs();
    for (const CueEntry &entry : kCues) {
        EXPECT_TRUE(findThemeSound(entry.themeEvent, dataDirs)) << entry.themeEvent;
    }
    EXPECT_TRUE(findThemeSound(kDefaultThemeEvent, dataDirs));
}

}  // namespace
}  // namespace dropline::platform
