// Looking up a theme event's file in sound themes laid out in temporary data
// directories.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "platform/sound_theme.h"

namespace dropline::platform {
namespace {

namespace fs = std::filesystem;

class SoundThemeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tmp_.isValid()); }

    fs::path dataDir(const std::string &name) const {
        return fs::path(tmp_.path().toStdString()) / name;
    }

    static void writeIndex(const fs::path &data, const std::string &theme,
                           const std::string &text) {
        fs::create_directories(data / "sounds" / theme);
        std::ofstream(data / "sounds" / theme / "index.theme") << text;
    }

    static fs::path addSound(const fs::path &data, const std::string &theme,
                             const std::string &subdir, const std::string &file) {
        const fs::path path = data / "sounds" / theme / subdir / file;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "sound";
        return path;
    }

    static std::string plainIndex(const std::string &inherits = {}) {
        std::string text = "[Sound Theme]\nName=Test\nDirectories=stereo\n";
        if (!inherits.empty()) {
            text += "Inherits=" + inherits + "\n";
        }
        return text + "\n[stereo]\nOutputProfile=stereo\n";
    }

private:
    QTemporaryDir tmp_;
};

TEST_F(SoundThemeTest, FindsAnEventInTheFreedesktopTheme) {
    const fs::path data = dataDir("share");
    writeIndex(data, "freedesktop", plainIndex());
    const fs::path bell = addSound(data, "freedesktop", "stereo", "bell.oga");
    EXPECT_EQ(findThemeSound("bell", {data}), bell);
    EXPECT_EQ(findThemeSound("complete", {data}), std::nullopt);
}

TEST_F(SoundThemeTest, EarlierDataDirectoriesWin) {
    const fs::path home = dataDir("home");
    const fs::path system = dataDir("system");
    writeIndex(home, "freedesktop", plainIndex());
    writeIndex(system, "freedesktop", plainIndex());
    const fs::path mine = addSound(home, "freedesktop", "stereo", "message.oga");
    addSound(system, "freedesktop", "stereo", "message.oga");
    const fs::path systemOnly = addSound(system, "freedesktop", "stereo", "bell.oga");
    EXPECT_EQ(findThemeSound("message", {home, system}), mine);
    EXPECT_EQ(findThemeSound("bell", {home, system}), systemOnly);
}

TEST_F(SoundThemeTest, ListedDirectoriesAndExtensions) {
    const fs::path data = dataDir("share");
    writeIndex(data, "freedesktop",
               "[Sound Theme]\nDirectories=surround, stereo\n"
               "[surround]\nOutputProfile=5.1\n[stereo]\nOutputProfile=stereo\n");
    const fs::path stereo = addSound(data, "freedesktop", "stereo", "complete.oga");
    addSound(data, "freedesktop", "surround", "complete.oga");
    const fs::path surroundOnly = addSound(data, "freedesktop", "surround", "bell.wav");
    addSound(data, "freedesktop", "unlisted", "message.oga");
    EXPECT_EQ(findThemeSound("complete", {data}), stereo);  // the stereo profile first
    EXPECT_EQ(findThemeSound("bell", {data}), surroundOnly);
    EXPECT_EQ(findThemeSound("message", {data}), std::nullopt);
}

TEST_F(SoundThemeTest, InheritedThemesAndTheFreedesktopFallback) {
    const fs::path data = dataDir("share");
    writeIndex(data, "child", plainIndex("parent"));
    writeIndex(data, "parent", plainIndex());
    writeIndex(data, "freedesktop", plainIndex());
    const fs::path own = addSound(data, "child", "stereo", "message.oga");
    addSound(data, "parent", "stereo", "message.oga");
    const fs::path inherited = addSound(data, "parent", "stereo", "complete.oga");
    const fs::path fallback = addSound(data, "freedesktop", "stereo", "bell.oga");
    EXPECT_EQ(findThemeSound("message", {data}, "child"), own);
    EXPECT_EQ(findThemeSound("complete", {data}, "child"), inherited);
    EXPECT_EQ(findThemeSound("bell", {data}, "child"), fallback);
    EXPECT_EQ(findThemeSound("bell", {data}, "no-such-theme"), fallback);
}

TEST_F(SoundThemeTest, InheritanceLoopsEnd) {
    const fs::path data = dataDir("share");
    writeIndex(data, "a", plainIndex("b"));
    writeIndex(data, "b", plainIndex("a, ../escape"));
    EXPECT_EQ(findThemeSound("bell", {data}, "a"), std::nullopt);
    writeIndex(data, "freedesktop", plainIndex("a"));
    const fs::path bell = addSound(data, "freedesktop", "stereo", "bell.oga");
    EXPECT_EQ(findThemeSound("bell", {data}, "a"), bell);
}

TEST_F(SoundThemeTest, ThemeWithoutIndexIsIgnored) {
    const fs::path data = dataDir("share");
    addSound(data, "bare", "stereo", "bell.oga");
    EXPECT_EQ(findThemeSound("bell", {data}, "bare"), std::nullopt);
}

TEST_F(SoundThemeTest, NamesThatLeaveTheThemeAreRefused) {
    const fs::path data = dataDir("share");
    writeIndex(data, "freedesktop", plainIndex());
    addSound(data, "freedesktop", "secret", "x.oga");
    for (const char *event : {"", ".", "..", "../secret/x", "stereo/../../freedesktop/secret/x"}) {
        EXPECT_EQ(findThemeSound(event, {data}), std::nullopt) << event;
    }
}

class ScopedEnv {
public:
    ScopedEnv(const char *name, const char *value) : name_(name) {
        if (const char *old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

TEST(XdgDataDirs, FollowsTheEnvironment) {
    {
        const ScopedEnv home("HOME", "/home/player");
        const ScopedEnv dataHome("XDG_DATA_HOME", "/data/home");
        const ScopedEnv dataDirs("XDG_DATA_DIRS", "/opt/share::/usr/share");
        EXPECT_EQ(xdgDataDirs(), (std::vector<fs::path>{"/data/home", "/opt/share", "/usr/share"}));
    }
    {
        const ScopedEnv home("HOME", "/home/player");
        const ScopedEnv dataHome("XDG_DATA_HOME", nullptr);
        const ScopedEnv dataDirs("XDG_DATA_DIRS", "");
        EXPECT_EQ(xdgDataDirs(), (std::vector<fs::path>{"/home/player/.local/share",
                                                        "/usr/local/share", "/usr/share"}));
    }
}

}  // namespace
}  // namespace dropline::platform
