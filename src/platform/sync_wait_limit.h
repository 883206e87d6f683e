#pragma once

#include <algorithm>
#include <chrono>
#include <optional>

// How long a synchronous cue may hold the game when the sound never reports
// its end. The sound server adds latency (well over a second on a null sink),
// so the limit is the sound's length plus a margin, and never more than a cap.

namespace dropline::platform {

inline constexpr std::chrono::milliseconds kSyncWaitMargin{2500};
inline constexpr std::chrono::milliseconds kSyncWaitCap{5000};

constexpr std::chrono::milliseconds syncWaitLimit(std::optional<std::chrono::milliseconds> length) {
    if (!length || *length < std::chrono::milliseconds::zero()) {
        return kSyncWaitCap;
    }
    return std::min(*length + kSyncWaitMargin, kSyncWaitCap);
}

}  // namespace dropline::platform
