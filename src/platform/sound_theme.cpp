#include "platform/sound_theme.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <set>

namespace dropline::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kSoundExtensions{".oga", ".ogg", ".wav"};
constexpr std::string_view kPreferredProfile = "stereo";
// Themes that inherit in a loop, or absurdly deep, stop here.
constexpr std::size_t kMaxThemes = 16;

struct ThemeIndex {
    std::vector<std::string> inherits;
    std::vector<std::string> directories;  // preferred output profile first
};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitList(std::string_view text) {
    std::vector<std::string> items;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view item = trimmed(text.substr(0, comma));
        if (!item.empty()) {
            items.emplace_back(item);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    return items;
}

// Reads index.theme: [Sound Theme] Inherits= and Directories=, and each
// directory's OutputProfile=.
std::optional<ThemeIndex> readIndex(const fs::path &file) {
    std::ifstream in(file);
    if (!in) {
        return std::nullopt;
    }
    ThemeIndex index;
    std::vector<std::string> otherProfiles;
    std::vector<std::string> listed;
    std::vector<std::string> preferred;
    std::string section;
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = trimmed(line);
        if (text.empty() || text.front() == '#') {
            continue;
        }
        if (text.front() == '[' && text.back() == ']') {
            section = std::string(text.substr(1, text.size() - 2));
            continue;
        }
        const auto equals = text.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = trimmed(text.substr(0, equals));
        const std::string_view value = trimmed(text.substr(equals + 1));
        if (section == "Sound Theme" && key == "Inherits") {
            index.inherits = splitList(value);
        } else if (section == "Sound Theme" && key == "Directories") {
            listed = splitList(value);
        } else if (key == "OutputProfile" && value == kPreferredProfile) {
            preferred.push_back(section);
        }
    }
    // Directories of the preferred profile first, the rest after, each in listed order.
    for (const std::string &dir : listed) {
        const bool isPreferred =
            std::find(preferred.begin(), preferred.end(), dir) != preferred.end();
        (isPreferred ? index.directories : otherProfiles).push_back(dir);
    }
    index.directories.insert(index.directories.end(), otherProfiles.begin(), otherProfiles.end());
    return index;
}

std::optional<ThemeIndex> findIndex(std::string_view theme, const std::vector<fs::path> &dataDirs) {
    for (const fs::path &dir : dataDirs) {
        if (auto index = readIndex(dir / "sounds" / theme / "index.theme")) {
            return index;
        }
    }
    return std::nullopt;
}

std::optional<fs::path> findInTheme(std::string_view event, std::string_view theme,
                                    const ThemeIndex &index,
                                    const std::vector<fs::path> &dataDirs) {
    for (const std::string &subdir : index.directories) {
        for (const fs::path &dir : dataDirs) {
            for (std::string_view extension : kSoundExtensions) {
                fs::path file = dir / "sounds" / theme / subdir / event;
                file += extension;
                std::error_code error;
                if (fs::is_regular_file(file, error)) {
                    return file;
                }
            }
        }
    }
    return std::nullopt;
}

// A name that cannot step out of the folder it is looked up in.
bool isPlainName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos && name != "." && name != "..";
}

}  // namespace

std::vector<fs::path> xdgDataDirs() {
    std::vector<fs::path> dirs;
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    if (dataHome && *dataHome) {
        dirs.emplace_back(dataHome);
    } else if (home && *home) {
        dirs.push_back(fs::path(home) / ".local" / "share");
    }
    const char *dataDirs = std::getenv("XDG_DATA_DIRS");
    const std::string_view list =
        dataDirs && *dataDirs ? std::string_view(dataDirs) : "/usr/local/share:/usr/share";
    std::string_view rest = list;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        if (!dir.empty()) {
            dirs.emplace_back(dir);
        }
        if (colon == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(colon + 1);
    }
    return dirs;
}

std::optional<fs::path> findThemeSound(std::string_view event,
                                       const std::vector<fs::path> &dataDirs,
                                       std::string_view theme) {
    if (!isPlainName(event)) {
        return std::nullopt;
    }
    std::vector<std::string> pending{std::string(theme)};
    std::set<std::string> visited;
    bool fallbackQueued = false;
    while (true) {
        if (pending.empty() || visited.size() >= kMaxThemes) {
            if (fallbackQueued) {
                return std::nullopt;
            }
            pending.assign({std::string(kFallbackSoundTheme)});
            fallbackQueued = true;
        }
        const std::string current = pending.front();
        pending.erase(pending.begin());
        if (!isPlainName(current) || !visited.insert(current).second) {
            continue;
        }
        if (const auto index = findIndex(current, dataDirs)) {
            if (auto file = findInTheme(event, current, *index, dataDirs)) {
                return file;
            }
            pending.insert(pending.begin(), index->inherits.begin(), index->inherits.end());
        }
    }
}

}  // namespace dropline::platform
