// The bound on a synchronous cue's wait when the sound never reports its end.

#include <gtest/gtest.h>

#include "platform/sync_wait_limit.h"

namespace dropline::platform {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kHardCap{5000};  // the longest the game may ever be held

TEST(SyncWaitLimit, UnknownLengthWaitsTheCap) {
    EXPECT_EQ(syncWaitLimit(std::nullopt), kHardCap);
}

TEST(SyncWaitLimit, NeverBeyondTheCap) {
    for (milliseconds length : {milliseconds{0}, milliseconds{1200}, milliseconds{4999},
                                milliseconds{5000}, milliseconds{60'000}, milliseconds{-5}}) {
        EXPECT_LE(syncWaitLimit(length), kHardCap) << length.count();
        EXPECT_GT(syncWaitLimit(length), milliseconds{0}) << length.count();
    }
}

TEST(SyncWaitLimit, ShortSoundsGetTheirLengthAndAMargin) {
    // The server's latency on a null sink reached 1.7 s beyond a sound's length.
    constexpr milliseconds kObservedLatency{1700};
    for (milliseconds length :
         {milliseconds{0}, milliseconds{300}, milliseconds{1200}, milliseconds{2000}}) {
        EXPECT_GE(syncWaitLimit(length), length + kObservedLatency) << length.count();
    }
}

TEST(SyncWaitLimit, GrowsWithTheSoundUntilTheCap) {
    EXPECT_LT(syncWaitLimit(milliseconds{300}), syncWaitLimit(milliseconds{1200}));
    EXPECT_EQ(syncWaitLimit(milliseconds{60'000}), kHardCap);
}

}  // namespace
}  // namespace dropline::platform
