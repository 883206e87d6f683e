// The recording cue player other tests use in place of the real one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fakes/recording_cue_player.h"

namespace dropline::platform {
namespace {

TEST(RecordingCuePlayer, RecordsCuesInOrder) {
    RecordingCuePlayer player;
    CuePlayer &asPlayer = player;
    asPlayer.play(Cue::Opening);
    asPlayer.play(Cue::Win);
    asPlayer.play(Cue::Click);
    EXPECT_EQ(player.played, (std::vector<Cue>{Cue::Opening, Cue::Win, Cue::Click}));
}

TEST(RecordingCuePlayer, HookSeesEachCueAfterItIsRecorded) {
    RecordingCuePlayer player;
    std::vector<std::string> events;
    player.onPlay = [&](Cue cue) {
        events.push_back(cue == Cue::Win ? "win" : "other");
        events.push_back("recorded " + std::to_string(player.played.size()));
    };
    events.push_back("before");
    player.play(Cue::Win);
    events.push_back("between");
    player.play(Cue::Click);
    EXPECT_EQ(events, (std::vector<std::string>{"before", "win", "recorded 1", "between", "other",
                                                "recorded 2"}));
}

}  // namespace
}  // namespace dropline::platform
