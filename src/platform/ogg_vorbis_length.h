#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

// How long an Ogg Vorbis sound lasts, read from its container alone: the
// sample rate of the identification header and the granule position (the
// sample count) of the stream's last page. Every page is bounds- and
// CRC-checked; anything short of one complete, intact stream is "unknown".

namespace dropline::platform {

std::optional<std::chrono::milliseconds> oggVorbisLength(std::span<const std::uint8_t> data);

// The same for a file; unknown when it cannot be read or is implausibly large.
std::optional<std::chrono::milliseconds> oggVorbisFileLength(const std::filesystem::path &file);

}  // namespace dropline::platform
