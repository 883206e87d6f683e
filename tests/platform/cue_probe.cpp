// Plays each cue once through the real player and prints how long each call
// held the caller, one "<cue>_ms=<milliseconds>" line per cue. Used by the
// sound-server integration check.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

#include "platform/canberra_cue_player.h"

namespace {

const char *nameOf(dropline::platform::Cue cue) {
    switch (cue) {
        case dropline::platform::Cue::Opening:
            return "opening";
        case dropline::platform::Cue::Click:
            return "click";
        case dropline::platform::Cue::Win:
            return "win";
    }
    return "unknown";
}

}  // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Dropline cue probe"));
    dropline::platform::CanberraCuePlayer player;
    // In the game's order: the window opens, a disc lands, a line is made.
    for (const auto cue : {dropline::platform::Cue::Opening, dropline::platform::Cue::Click,
                           dropline::platform::Cue::Win}) {
        QElapsedTimer timer;
        timer.start();
        player.play(cue);
        std::printf("%s_ms=%lld\n", nameOf(cue), static_cast<long long>(timer.elapsed()));
        std::fflush(stdout);
    }
    return 0;
}
