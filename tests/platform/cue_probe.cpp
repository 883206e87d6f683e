// Plays the cues named on standard input, one name a line ("opening", "click"
// or "win"), through the real player, and answers each with a line
// "<cue>_ms=<milliseconds>": how long the call held the caller. Ends at the
// end of its input. Used by the sound-server integration checks, which drive
// one running player through a server's death and return.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/canberra_cue_player.h"

namespace {

struct NamedCue {
    const char *name;
    dropline::platform::Cue cue;
};

constexpr NamedCue kNamedCues[] = {
    {"opening", dropline::platform::Cue::Opening},
    {"click", dropline::platform::Cue::Click},
    {"win", dropline::platform::Cue::Win},
};

}  // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Dropline cue probe"));
    dropline::platform::CanberraCuePlayer player;
    std::string line;
    while (std::getline(std::cin, line)) {
        // The game's event loop runs between moves, and with it the desktop's
        // setting changes come in (GSettings' file monitor): so here too.
        QCoreApplication::processEvents();
        bool known = false;
        for (const NamedCue &named : kNamedCues) {
            if (line == named.name) {
                QElapsedTimer timer;
                timer.start();
                player.play(named.cue);
                std::printf("%s_ms=%lld\n", named.name, static_cast<long long>(timer.elapsed()));
                known = true;
            }
        }
        if (!known) {
            std::printf("unknown cue: %s\n", line.c_str());
        }
        std::fflush(stdout);
    }
    return 0;
}
