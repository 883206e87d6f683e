#include "platform/ogg_vorbis_length.h"

#include <array>
#include <fstream>
#include <vector>

namespace dropline::platform {
namespace {

// Layout of an Ogg page header.
constexpr std::size_t kPageHeaderSize = 27;
constexpr std::size_t kGranuleOffset = 6;
constexpr std::size_t kSerialOffset = 14;
constexpr std::size_t kCrcOffset = 22;
constexpr std::size_t kSegmentCountOffset = 26;
constexpr std::uint8_t kBeginOfStream = 0x02;
constexpr std::uint8_t kEndOfStream = 0x04;
constexpr std::uint64_t kNoGranule = ~std::uint64_t{0};

// Layout of the Vorbis identification header packet.
constexpr std::size_t kIdHeaderSize = 30;
constexpr std::size_t kChannelsOffset = 11;
constexpr std::size_t kRateOffset = 12;

// Theme sounds are a few kilobytes; a file far beyond that is not one.
constexpr std::uintmax_t kMaxFileSize = 16 * 1024 * 1024;
// Longer than any event sound could sensibly be.
constexpr std::uint64_t kMaxSeconds = 24 * 60 * 60;

std::uint32_t readLe32(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint32_t{bytes[at + i]} << (8 * i);
    }
    return value;
}

std::uint64_t readLe64(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        value |= std::uint64_t{bytes[at + i]} << (8 * i);
    }
    return value;
}

// Ogg's CRC-32: polynomial 0x04c11db7, MSB first, zero initial value.
constexpr std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t r = i << 24;
        for (int bit = 0; bit < 8; ++bit) {
            r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : r << 1;
        }
        table[i] = r;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

std::uint32_t pageCrc(std::span<const std::uint8_t> page) {
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < page.size(); ++i) {
        const bool inCrcField = i >= kCrcOffset && i < kCrcOffset + 4;
        const std::uint8_t byte = inCrcField ? 0 : page[i];
        crc = (crc << 8) ^ kCrcTable[((crc >> 24) ^ byte) & 0xff];
    }
    return crc;
}

struct Page {
    std::uint8_t flags;
    std::uint64_t granule;
    std::uint32_t serial;
    std::span<const std::uint8_t> body;
    std::size_t size;  // header, segment table and body
};

// The intact page starting at `data`, if there is one.
std::optional<Page> readPage(std::span<const std::uint8_t> data) {
    if (data.size() < kPageHeaderSize) {
        return std::nullopt;
    }
    if (data[0] != 'O' || data[1] != 'g' || data[2] != 'g' || data[3] != 'S' || data[4] != 0) {
        return std::nullopt;
    }
    const std::size_t segments = data[kSegmentCountOffset];
    const std::size_t headerSize = kPageHeaderSize + segments;
    if (data.size() < headerSize) {
        return std::nullopt;
    }
    std::size_t bodySize = 0;
    for (std::size_t i = 0; i < segments; ++i) {
        bodySize += data[kPageHeaderSize + i];
    }
    if (data.size() - headerSize < bodySize) {
        return std::nullopt;
    }
    const std::size_t size = headerSize + bodySize;
    if (pageCrc(data.first(size)) != readLe32(data, kCrcOffset)) {
        return std::nullopt;
    }
    return Page{data[5], readLe64(data, kGranuleOffset), readLe32(data, kSerialOffset),
                data.subspan(headerSize, bodySize), size};
}

// The sample rate of a Vorbis identification header, 0 when it is not one.
std::uint32_t vorbisRate(std::span<const std::uint8_t> packet) {
    static constexpr std::array<std::uint8_t, 7> kMagic{0x01, 'v', 'o', 'r', 'b', 'i', 's'};
    if (packet.size() < kIdHeaderSize) {
        return 0;
    }
    for (std::size_t i = 0; i < kMagic.size(); ++i) {
        if (packet[i] != kMagic[i]) {
            return 0;
        }
    }
    const std::uint32_t version = readLe32(packet, kMagic.size());
    if (version != 0 || packet[kChannelsOffset] == 0) {
        return 0;
    }
    return readLe32(packet, kRateOffset);
}

}  // namespace

std::optional<std::chrono::milliseconds> oggVorbisLength(std::span<const std::uint8_t> data) {
    const std::optional<Page> first = readPage(data);
    if (!first || !(first->flags & kBeginOfStream)) {
        return std::nullopt;
    }
    const std::uint32_t rate = vorbisRate(first->body);
    if (rate == 0) {
        return std::nullopt;
    }

    // Walk the pages to the stream's end; pages of other streams are skipped.
    std::uint64_t granule = kNoGranule;
    std::size_t at = 0;
    while (true) {
        const std::optional<Page> page = readPage(data.subspan(at));
        if (!page) {
            return std::nullopt;  // truncated or damaged before the end
        }
        at += page->size;
        if (page->serial != first->serial) {
            continue;
        }
        if (page->granule != kNoGranule) {
            granule = page->granule;
        }
        if (page->flags & kEndOfStream) {
            break;
        }
    }
    if (granule == kNoGranule || granule / rate > kMaxSeconds) {
        return std::nullopt;
    }
    const std::uint64_t ms = granule / rate * 1000 + granule % rate * 1000 / rate;
    return std::chrono::milliseconds{static_cast<std::chrono::milliseconds::rep>(ms)};
}

std::optional<std::chrono::milliseconds> oggVorbisFileLength(const std::filesystem::path &file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size == 0 || size > kMaxFileSize) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(size))) {
        return std::nullopt;
    }
    return oggVorbisLength(bytes);
}

}  // namespace dropline::platform
