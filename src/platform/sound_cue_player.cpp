#include "platform/sound_cue_player.h"

#include "platform/finish_wait.h"
#include "platform/ogg_vorbis_length.h"
#include "platform/sound_log.h"
#include "platform/sound_theme.h"
#include "platform/sync_wait_limit.h"

namespace dropline::platform {

std::optional<std::chrono::milliseconds> themeSoundLength(const char *themeEvent) {
    const auto file = findThemeSound(themeEvent, xdgDataDirs());
    if (!file) {
        return std::nullopt;
    }
    return oggVorbisFileLength(*file);
}

SoundCuePlayer::SoundCuePlayer(std::unique_ptr<SoundBackend> backend, SoundLengthLookup lengthOf)
    : backend_(std::move(backend)), lengthOf_(std::move(lengthOf)) {}

SoundCuePlayer::~SoundCuePlayer() = default;

void SoundCuePlayer::play(Cue cue) {
    const CueEntry &entry = cueEntry(cue);
    if (entry.mode == CueMode::Sync) {
        playSync(entry.themeEvent);
    } else {
        playAsync(entry.themeEvent);
    }
}

void SoundCuePlayer::playAsync(const char *themeEvent) {
    SoundStart result = backend_->startAsync(themeEvent);
    if (result == SoundStart::NotFound) {
        qCDebug(lcDroplineSound) << "no sound for" << themeEvent << "- playing"
                                 << kDefaultThemeEvent;
        result = backend_->startAsync(kDefaultThemeEvent);
    }
    if (result != SoundStart::Started) {
        qCDebug(lcDroplineSound) << "cue" << themeEvent << "not played";
    }
}

void SoundCuePlayer::playSync(const char *themeEvent) {
    FinishWait finish;
    const char *played = themeEvent;
    SoundStart result = backend_->startSync(played, finish.handler());
    if (result == SoundStart::NotFound) {
        qCDebug(lcDroplineSound) << "no sound for" << themeEvent << "- playing"
                                 << kDefaultThemeEvent;
        played = kDefaultThemeEvent;
        result = backend_->startSync(played, finish.handler());
    }
    if (result != SoundStart::Started) {
        qCDebug(lcDroplineSound) << "cue" << themeEvent << "not played";
        return;
    }
    const auto limit = syncWaitLimit(lengthOf_ ? lengthOf_(played) : std::nullopt);
    if (!finish.wait(limit)) {
        qCDebug(lcDroplineSound) << "no end reported for" << played << "within" << limit.count()
                                 << "ms";
    }
}

}  // namespace dropline::platform
