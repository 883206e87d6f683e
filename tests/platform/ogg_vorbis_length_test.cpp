// Reading an Ogg Vorbis sound's length from its pages: hand-built streams with
// known lengths, the installed theme's sounds, and damaged or foreign input.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/cues.h"
#include "platform/ogg_vorbis_length.h"
#include "platform/sound_theme.h"

namespace dropline::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;

constexpr std::uint8_t kBos = 0x02;
constexpr std::uint8_t kEos = 0x04;
constexpr std::uint64_t kNoGranule = ~std::uint64_t{0};

void putLe(Bytes &out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Ogg's page checksum, bit by bit (CRC-32, polynomial 0x04c11db7, MSB first).
std::uint32_t oggCrc(const Bytes &page) {
    std::uint32_t crc = 0;
    for (std::uint8_t byte : page) {
        crc ^= std::uint32_t{byte} << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
        }
    }
    return crc;
}

Bytes oggPage(std::uint8_t flags, std::uint64_t granule, std::uint32_t serial,
              std::uint32_t sequence, const Bytes &body) {
    Bytes page{'O', 'g', 'g', 'S', 0, flags};
    putLe(page, granule, 8);
    putLe(page, serial, 4);
    putLe(page, sequence, 4);
    putLe(page, 0, 4);  // checksum, filled in below
    Bytes lacing;
    std::size_t left = body.size();
    while (left >= 255) {
        lacing.push_back(255);
        left -= 255;
    }
    lacing.push_back(static_cast<std::uint8_t>(left));
    page.push_back(static_cast<std::uint8_t>(lacing.size()));
    page.insert(page.end(), lacing.begin(), lacing.end());
    page.insert(page.end(), body.begin(), body.end());
    const std::uint32_t crc = oggCrc(page);
    for (int i = 0; i < 4; ++i) {
        page[22 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    }
    return page;
}

Bytes vorbisIdHeader(std::uint8_t channels, std::uint32_t rate) {
    Bytes packet{0x01, 'v', 'o', 'r', 'b', 'i', 's'};
    putLe(packet, 0, 4);  // version
    packet.push_back(channels);
    putLe(packet, rate, 4);
    putLe(packet, 0, 4);       // maximum bitrate
    putLe(packet, 128000, 4);  // nominal bitrate
    putLe(packet, 0, 4);       // minimum bitrate
    packet.push_back(0xb8);    // block sizes
    packet.push_back(0x01);    // framing
    return packet;
}

Bytes audioBody(std::size_t size) {
    Bytes body(size);
    for (std::size_t i = 0; i < size; ++i) {
        body[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return body;
}

void append(Bytes &out, const Bytes &more) {
    out.insert(out.end(), more.begin(), more.end());
}

// A complete stream: identification page, a page with no packet end, and the
// last page, whose granule position is `samples`.
Bytes vorbisStream(std::uint32_t rate, std::uint64_t samples, std::uint32_t serial = 0x1234) {
    Bytes stream = oggPage(kBos, 0, serial, 0, vorbisIdHeader(2, rate));
    append(stream, oggPage(0, kNoGranule, serial, 1, audioBody(600)));
    append(stream, oggPage(kEos, samples, serial, 2, audioBody(300)));
    return stream;
}

milliseconds lengthOf(std::uint64_t samples, std::uint32_t rate) {
    return milliseconds{static_cast<milliseconds::rep>(samples * 1000 / rate)};
}

TEST(OggVorbisLength, BuiltStreamsOfKnownLength) {
    struct Case {
        std::uint32_t rate;
        std::uint64_t samples;
    };
    for (const Case c : {Case{44100, 66150}, Case{48000, 48000}, Case{8000, 12345}, Case{22050, 0},
                         Case{96000, 96000ull * 3600}}) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.samples));
        EXPECT_EQ(oggVorbisLength(vorbisStream(c.rate, c.samples)), lengthOf(c.samples, c.rate));
    }
}

TEST(OggVorbisLength, SkipsPagesOfOtherStreams) {
    constexpr std::uint32_t kRate = 44100;
    constexpr std::uint64_t kSamples = 44100;
    Bytes stream = oggPage(kBos, 0, 7, 0, vorbisIdHeader(1, kRate));
    append(stream, oggPage(kBos, 0, 99, 0, audioBody(40)));
    append(stream, oggPage(0, kSamples / 2, 7, 1, audioBody(500)));
    append(stream, oggPage(0, kSamples * 50, 99, 1, audioBody(500)));
    append(stream, oggPage(kEos, kSamples, 7, 2, audioBody(500)));
    EXPECT_EQ(oggVorbisLength(stream), lengthOf(kSamples, kRate));
}

TEST(OggVorbisLength, LastPageWithoutGranuleUsesTheLastOneGiven) {
    constexpr std::uint32_t kRate = 32000;
    Bytes stream = oggPage(kBos, 0, 5, 0, vorbisIdHeader(2, kRate));
    append(stream, oggPage(0, 16000, 5, 1, audioBody(700)));
    append(stream, oggPage(kEos, kNoGranule, 5, 2, audioBody(100)));
    EXPECT_EQ(oggVorbisLength(stream), lengthOf(16000, kRate));
}

TEST(OggVorbisLength, IncompleteOrForeignStreamsAreUnknown) {
    const Bytes good = vorbisStream(44100, 88200);
    ASSERT_TRUE(oggVorbisLength(good));

    Bytes noEnd = oggPage(kBos, 0, 1, 0, vorbisIdHeader(2, 44100));
    append(noEnd, oggPage(0, 88200, 1, 1, audioBody(200)));

    Bytes badChecksum = good;
    badChecksum[good.size() - 10] ^= 0x40;

    Bytes opus = oggPage(kBos, 0, 1, 0, {'O', 'p', 'u', 's', 'H', 'e', 'a', 'd', 1, 2, 0, 0});
    append(opus, oggPage(kEos, 48000, 1, 1, audioBody(100)));

    Bytes zeroRate = oggPage(kBos, 0, 1, 0, vorbisIdHeader(2, 0));
    append(zeroRate, oggPage(kEos, 1000, 1, 1, audioBody(100)));

    Bytes noChannels = oggPage(kBos, 0, 1, 0, vorbisIdHeader(0, 44100));
    append(noChannels, oggPage(kEos, 1000, 1, 1, audioBody(100)));

    Bytes notBeginning = oggPage(0, 0, 1, 0, vorbisIdHeader(2, 44100));
    append(notBeginning, oggPage(kEos, 1000, 1, 1, audioBody(100)));

    Bytes shortIdHeader = vorbisIdHeader(2, 44100);
    shortIdHeader.resize(20);
    Bytes shortId = oggPage(kBos, 0, 1, 0, shortIdHeader);
    append(shortId, oggPage(kEos, 1000, 1, 1, audioBody(100)));

    Bytes absurdLength = vorbisStream(44100, std::uint64_t{1} << 62);

    Bytes trailingBytesClaimed = good;
    trailingBytesClaimed[26] = 255;  // first page claims more segments than follow

    const std::pair<const char *, Bytes> cases[] = {
        {"empty", {}},
        {"capture pattern only", {'O', 'g', 'g', 'S'}},
        {"no end of stream", noEnd},
        {"damaged checksum", badChecksum},
        {"opus, not vorbis", opus},
        {"zero sample rate", zeroRate},
        {"no channels", noChannels},
        {"first page not a beginning", notBeginning},
        {"identification header cut short", shortId},
        {"longer than a day", absurdLength},
        {"segment table past the end", trailingBytesClaimed},
        {"wave file", {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}},
    };
    for (const auto &[name, bytes] : cases) {
        EXPECT_EQ(oggVorbisLength(bytes), std::nullopt) << name;
    }
}

TEST(OggVorbisLength, RandomBytesAreUnknown) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        Bytes noise(static_cast<std::size_t>(round * 37 + 1));
        for (std::uint8_t &b : noise) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        if (round % 2 == 0 && noise.size() >= 5) {
            noise[0] = 'O', noise[1] = 'g', noise[2] = 'g', noise[3] = 'S', noise[4] = 0;
        }
        EXPECT_EQ(oggVorbisLength(noise), std::nullopt) << round;
    }
}

std::filesystem::path installedSound(const char *event) {
    const auto file = findThemeSound(event, xdgDataDirs());
    return file ? *file : std::filesystem::path{};
}

Bytes readAll(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(OggVorbisLength, InstalledCueSoundsHavePlausibleLengths) {
    std::vector<const char *> events{kDefaultThemeEvent};
    for (const CueEntry &entry : kCues) {
        events.push_back(entry.themeEvent);
    }
    for (const char *event : events) {
        const auto file = installedSound(event);
        ASSERT_FALSE(file.empty()) << event;
        const auto length = oggVorbisFileLength(file);
        ASSERT_TRUE(length) << file;
        EXPECT_GT(*length, milliseconds{50}) << file;
        EXPECT_LT(*length, milliseconds{10'000}) << file;
    }
    const auto win = oggVorbisFileLength(installedSound(cueEntry(Cue::Win).themeEvent));
    ASSERT_TRUE(win);
    EXPECT_GT(*win, milliseconds{500});
}

TEST(OggVorbisLength, TruncatedInstalledSoundIsUnknown) {
    const Bytes whole = readAll(installedSound(cueEntry(Cue::Win).themeEvent));
    ASSERT_GT(whole.size(), 1000u);
    ASSERT_TRUE(oggVorbisLength(whole));
    for (std::size_t size = 0; size < whole.size(); size += size < 128 ? 1 : 61) {
        // A buffer of exactly this size, so a sanitizer sees any read past it.
        const Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        ASSERT_EQ(oggVorbisLength(prefix), std::nullopt) << size;
    }
}

TEST(OggVorbisLength, DamagedInstalledSoundIsUnknown) {
    const Bytes whole = readAll(installedSound(cueEntry(Cue::Win).themeEvent));
    ASSERT_GT(whole.size(), 1000u);
    for (std::size_t at : {std::size_t{30}, whole.size() / 2, whole.size() - 1}) {
        Bytes damaged = whole;
        damaged[at] ^= 0x01;
        EXPECT_EQ(oggVorbisLength(damaged), std::nullopt) << at;
    }
}

TEST(OggVorbisFileLength, UnreadableFilesAreUnknown) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::filesystem::path root = dir.path().toStdString();
    std::ofstream(root / "empty.oga").close();
    std::ofstream(root / "text.oga") << "not a sound at all\n";
    EXPECT_EQ(oggVorbisFileLength(root / "missing.oga"), std::nullopt);
    EXPECT_EQ(oggVorbisFileLength(root), std::nullopt);
    EXPECT_EQ(oggVorbisFileLength(root / "empty.oga"), std::nullopt);
    EXPECT_EQ(oggVorbisFileLength(root / "text.oga"), std::nullopt);
}

TEST(OggVorbisFileLength, ReadsABuiltFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "s.oga";
    const Bytes stream = vorbisStream(44100, 55125);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char *>(stream.data()),
               static_cast<std::streamsize>(stream.size()));
    EXPECT_EQ(oggVorbisFileLength(file), lengthOf(55125, 44100));
}

}  // namespace
}  // namespace dropline::platform
